#pragma once

#include <QObject>
#include <QQmlParserStatus>
#include <QString>

// A table of action-type names as string properties. An empty string property takes its
// own name at completion, and the table can print itself as C++ header and source text.
class QFKeyTable : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
public:
    explicit QFKeyTable(QObject* parent = nullptr);

    void classBegin() override {}
    void componentComplete() override;

public slots:
    QString genHeaderFile(QString className);
    QString genSourceFile(QString className, QString headerFile);
};
