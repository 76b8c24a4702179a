#include "ui/quickflux/QFExceptionReport.h"

#include <QDebug>
#include <QString>

void printException(const QJSValue& result) {
    if (!result.isError()) {
        return;
    }
    qWarning().noquote() << QString("%1:%2: %3: %4")
                                .arg(result.property("fileName").toString(),
                                     result.property("lineNumber").toString(),
                                     result.property("name").toString(),
                                     result.property("message").toString());
}
