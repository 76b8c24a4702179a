#include "ui/app/LocalizationManager.h"

#include <QCoreApplication>

#include <array>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"
#include "ui/app/CommandLineManager.h"

namespace {

// The catalogues' own codes, by language number; English has none.
constexpr std::array<const char*, LocalizationManager::kLanguageCount> kCatalogueCodes = {
    "", "fr", "de", "it", "ja", "nl", "pt", "es", "no", "se", "fi", "da"};

}  // namespace

LocalizationManager::LocalizationManager(ApplicationSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {}

void LocalizationManager::setEngine(QQmlEngine* engine) {
    if (engine != nullptr) {
        engine_ = engine;
    }
}

void LocalizationManager::init(int32_t commandLineLanguage) {
    setLanguage(commandLineLanguage != CommandLineManager::kNoLanguage ? commandLineLanguage
                                                                       : settings_.language());
}

void LocalizationManager::setLanguage(int32_t language) {
    const bool change = language != currentLanguage_ && language >= 0 && language < kLanguageCount;
    if (change) {
        QCoreApplication::removeTranslator(&translator_);
        if (language != 0) {
            loadTranslation(translationPath(language));
        }
    }
    currentLanguage_ = language;
    settings_.setLanguage(language);
    if (change && engine_) {
        engine_->retranslate();
    }
}

bool LocalizationManager::loadTranslation(const QString& path) {
    if (!translator_.load(path) || !QCoreApplication::installTranslator(&translator_)) {
        LogManager::instance().log('E', "Failed loading translation");
        return false;
    }
    return true;
}

QString LocalizationManager::translationPath(int32_t language) {
    if (language <= 0 || language >= kLanguageCount) {
        return {};
    }
    return QStringLiteral(":/Ui/Localization/Translations/translation_") +
           QLatin1String(kCatalogueCodes[static_cast<size_t>(language)]);
}
