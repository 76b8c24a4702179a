#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <QTranslator>

#include <cstdint>

class ApplicationSettings;

// The user interface's language: the translation catalogue installed in the application,
// the language saved in the settings, and the retranslation of the QML engine.
class LocalizationManager : public QObject {
    Q_OBJECT

public:
    // Languages 0 (English, the texts as written) to 11; anything from here up is "none".
    static constexpr int32_t kLanguageCount = 12;

    explicit LocalizationManager(ApplicationSettings& settings, QObject* parent = nullptr);

    // The engine to retranslate; a null engine is ignored. Held weakly: the engine is
    // destroyed before the manager.
    void setEngine(QQmlEngine* engine);
    // The command line's language, or the saved one when the command line named none.
    void init(int32_t commandLineLanguage);
    void setLanguage(int32_t language);
    // Installs the catalogue at the resource path (without ".qm"); false, logged, and no
    // catalogue installed when it cannot be loaded.
    bool loadTranslation(const QString& path);

    // -1 before the first selection.
    int32_t currentLanguage() const { return currentLanguage_; }
    // ":/Ui/Localization/Translations/translation_xx"; empty for English and unknown numbers.
    static QString translationPath(int32_t language);

private:
    ApplicationSettings& settings_;
    int32_t currentLanguage_ = -1;
    QTranslator translator_;
    QPointer<QQmlEngine> engine_;
};
