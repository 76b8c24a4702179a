#include "ui/app/LocalizationController.h"

#include <utility>

#include "ui/app/ApplicationManager.h"
#include "ui/app/LocalizationManager.h"

LocalizationController::LocalizationController(QObject* parent)
    : LocalizationController(ApplicationManager::instance().localizationManager(), parent) {}

LocalizationController::LocalizationController(std::shared_ptr<LocalizationManager> manager,
                                               QObject* parent)
    : QObject(parent), manager_(std::move(manager)) {}

int LocalizationController::getLanguageIndex() const {
    const int language = manager_->currentLanguage();
    return language >= 1 && language <= 11 ? language + English : English;
}

void LocalizationController::selectLanguage(int lang) {
    manager_->setLanguage(lang >= French && lang <= Danish ? lang - English : 0);
}
