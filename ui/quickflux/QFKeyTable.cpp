#include "ui/quickflux/QFKeyTable.h"

#include <QHash>
#include <QLocale>
#include <QMetaProperty>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QVariant>

namespace {

// The C++ name of each property type the generated files carry; others are left out.
QString typeName(int typeId) {
    static const QHash<int, QString> names{
        {QMetaType::QString, "QString"}, {QMetaType::Int, "int"},
        {QMetaType::Double, "qreal"},    {QMetaType::Bool, "bool"},
        {QMetaType::QPointF, "QPointF"}, {QMetaType::QRectF, "QRectF"},
    };
    return names.value(typeId);
}

// The properties that go into the generated files, in index order.
QList<QMetaProperty> tableProperties(const QObject* table) {
    QList<QMetaProperty> properties;
    const QMetaObject* meta = table->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (qstrcmp(property.name(), "objectName") != 0 && !typeName(property.typeId()).isEmpty()) {
            properties.append(property);
        }
    }
    return properties;
}

QString number(qreal value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString definition(const QString& className, const QMetaProperty& property, const QVariant& value) {
    const QString name = QString::fromUtf8(property.name());
    switch (property.typeId()) {
        case QMetaType::QString:
            return QString("%4 %1::%2 = \"%3\";\n")
                .arg(className, name, value.toString(), typeName(property.typeId()));
        case QMetaType::QPointF: {
            const QPointF point = value.toPointF();
            return QString("QPointF %1::%2 = QPointF(%3,%4);\n")
                .arg(className, name, number(point.x()), number(point.y()));
        }
        case QMetaType::QRectF: {
            const QRectF rect = value.toRectF();
            return QString("QRectF %1::%2 = QRectF(%3,%4,%5,%6);\n")
                .arg(className, name, number(rect.x()), number(rect.y()), number(rect.width()),
                     number(rect.height()));
        }
        default:
            return QString("%4 %1::%2 = %3;\n")
                .arg(className, name, value.toString(), typeName(property.typeId()));
    }
}

}  // namespace

QFKeyTable::QFKeyTable(QObject* parent) : QObject(parent) {}

// Qt 6 reads an unset string property as a null QString inside a non-null variant, and
// "" reads the same, so emptiness is what marks a name to fill in.
void QFKeyTable::componentComplete() {
    const QMetaObject* meta = metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.typeId() != QMetaType::QString ||
            qstrcmp(property.name(), "objectName") == 0) {
            continue;
        }
        if (property.read(this).toString().isEmpty()) {
            property.write(this, QString::fromUtf8(property.name()));
        }
    }
}

QString QFKeyTable::genHeaderFile(QString className) {
    QStringList header{"#pragma once", "#include <QString>\n"};
    QStringList body{QString("class %1 {\n").arg(className), "public:\n"};
    bool hasPoint = false;
    bool hasRect = false;
    for (const QMetaProperty& property : tableProperties(this)) {
        if (property.typeId() == QMetaType::QPointF && !hasPoint) {
            hasPoint = true;
            header.append("#include <QPointF>");
        }
        if (property.typeId() == QMetaType::QRectF && !hasRect) {
            hasRect = true;
            header.append("#include <QRectF>");
        }
        body.append(QString("    static %2 %1;\n")
                        .arg(QString::fromUtf8(property.name()), typeName(property.typeId())));
    }
    body.append("};\n");
    return (header + body).join("\n");
}

QString QFKeyTable::genSourceFile(QString className, QString headerFile) {
    QStringList lines{QString("#include \"%1\"\n").arg(headerFile)};
    for (const QMetaProperty& property : tableProperties(this)) {
        lines.append(definition(className, property, property.read(this)));
    }
    return lines.join("\n");
}
