#include "ui/app/ApplicationFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include "shared/prefs/LogManager.h"

bool applyApplicationFont(const QString& boldPath, const QString& regularPath) {
    QFontDatabase::addApplicationFont(boldPath);
    const int regular = QFontDatabase::addApplicationFont(regularPath);
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    if (families.isEmpty()) {
        LogManager::instance().log('W', "Cannot load the font %s; the default font stays",
                                   regularPath.toUtf8().constData());
        return false;
    }
    QGuiApplication::setFont(QFont(families.first(), 7));
    return true;
}
