// What the documents name must be there: every Strings and PelvaneThemesManager role they
// read, every resource they load and every image of the themes; and the finished German
// catalogue must keep each message's placeholders and markup.

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMetaObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "tests/ui/app/QtTestMain.h"
#include "ui/app/QmlTypeRegistration.h"

namespace {

// The text of every document of the window, by file name.
QMap<QString, QString> documents() {
    QMap<QString, QString> texts;
    QDirIterator files(WHIRLEN_UI_SOURCES, {"*.qml"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly)) {
            texts.insert(file.fileName(), QString::fromUtf8(file.readAll()));
        }
    }
    return texts;
}

QSet<QString> matches(const QString& pattern, const QString& text) {
    QSet<QString> found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) {
        found.insert(it.next().captured(1));
    }
    return found;
}

bool hasMember(const QObject* object, const QString& name) {
    const QMetaObject* meta = object->metaObject();
    if (meta->indexOfProperty(name.toUtf8().constData()) >= 0) {
        return true;
    }
    for (int i = 0; i < meta->methodCount(); ++i) {
        if (QString::fromLatin1(meta->method(i).name()) == name) {
            return true;
        }
    }
    return false;
}

QStringList placeholdersAndTags(const QString& text) {
    QStringList found;
    auto it = QRegularExpression(R"(%\d|<[^>]+>)").globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(0);
    }
    found.sort();
    return found;
}

}  // namespace

class UiDocumentsTest : public QObject {
    Q_OBJECT

private:
    QQmlEngine engine_;

    QObject* create(const QString& document) {
        QQmlComponent component(&engine_);
        component.setData(document.toUtf8(), QUrl("qrc:/Ui/StaticTest.qml"));
        QObject* object = component.create();
        if (!object) {
            qWarning() << component.errorString();
        }
        return object;
    }

private slots:
    void initTestCase() { registerQmlTypes(); }

    void everyRoleTheDocumentsReadExists_data() {
        QTest::addColumn<QString>("singletonName");
        QTest::newRow("Strings") << "Strings";
        QTest::newRow("PelvaneThemesManager") << "PelvaneThemesManager";
    }

    void everyRoleTheDocumentsReadExists() {
        QFETCH(QString, singletonName);
        std::unique_ptr<QObject> holder(
            create(QString("import QtQuick\nimport PelvaneApp 1.0\nQtObject { property var s: %1 }")
                       .arg(singletonName)));
        QVERIFY(holder);
        auto* object = holder->property("s").value<QObject*>();
        QVERIFY(object);
        const auto texts = documents();
        QVERIFY(!texts.isEmpty());
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            for (const QString& role : matches(singletonName + R"(\.(\w+))", it.value())) {
                QVERIFY2(hasMember(object, role),
                         qPrintable(it.key() + " reads " + singletonName + "." + role));
            }
        }
    }

    void everyResourceTheDocumentsNameLoads() {
        const auto texts = documents();
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            for (const QString& path : matches("\"qrc(:/Ui/[^\"]+)\"", it.value())) {
                QVERIFY2(QFile::exists(path), qPrintable(it.key() + " names " + path));
            }
        }
    }

    void everyThemeImageLoads() {
        std::unique_ptr<QObject> holder(
            create("import QtQuick\nimport PelvaneApp 1.0\nQtObject { property var s: "
                   "PelvaneThemesManager }"));
        QVERIFY(holder);
        auto* themes = holder->property("s").value<QObject*>();
        QStringList images;
        for (int flavour = 0; flavour < 2; ++flavour) {
            themes->setProperty("currentThemeIndex", flavour);
            const QMetaObject* meta = themes->metaObject();
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QVariant value = meta->property(i).read(themes);
                QStringList values = value.toStringList();
                if (value.typeId() == QMetaType::QString) {
                    values = {value.toString()};
                }
                for (const QString& url : values) {
                    if (url.startsWith("qrc:/Ui/Assets/Images/") && !url.endsWith('/')) {
                        images << url;
                    }
                }
            }
        }
        images.removeDuplicates();
        QCOMPARE(images.size(), 46);
        for (const QString& url : images) {
            QImageReader reader(url.mid(3));
            QVERIFY2(!reader.read().isNull(), qPrintable(url));
        }
    }

    void germanCatalogueIsFinishedAndKeepsPlaceholders() {
        QFile catalogue(QString(WHIRLEN_UI_SOURCES) +
                        "/Localization/Translations/translation_de.ts");
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&catalogue);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable(source));
                const QString translation = xml.readElementText();
                QVERIFY2(!translation.isEmpty(), qPrintable(source));
                QCOMPARE(placeholdersAndTags(translation), placeholdersAndTags(source));
                ++messages;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 300);
    }
};

WHIRLEN_QT_TEST_MAIN(UiDocumentsTest)

#include "UiDocumentsTest.moc"
