#include "platform/StatusNotifierTrayIcon.h"

#include <utility>

#include "shared/prefs/LogManager.h"

StatusNotifierTrayIcon::StatusNotifierTrayIcon(std::string itemId, std::string iconName)
    : itemId_(std::move(itemId)), iconName_(std::move(iconName)) {}

StatusNotifierTrayIcon::~StatusNotifierTrayIcon() {
    hide();
}

void StatusNotifierTrayIcon::setCommandHandler(CommandHandler handler) {
    onCommand_ = std::move(handler);
}

bool StatusNotifierTrayIcon::show(const TrayMenu& menu) {
    if (loop_.isRunning()) {
        setMenu(menu);
        return true;
    }
    auto item = std::make_unique<StatusNotifierItem>(itemId_, iconName_, menu, onCommand_);
    StatusNotifierItem* published = item.get();
    std::string whyNot;
    const bool started = loop_.start(
        [published](sd_bus* bus, std::string& why) { return published->publish(bus, why); },
        whyNot);
    if (!started) {
        if (!reportedUnavailable_) {
            LogManager::instance().log('W', "Tray icon: %s; running without a menu",
                                       whyNot.c_str());
            reportedUnavailable_ = true;
        }
        return false;
    }
    item_ = std::move(item);
    return true;
}

void StatusNotifierTrayIcon::setMenu(const TrayMenu& menu) {
    StatusNotifierItem* item = item_.get();
    if (item == nullptr) {
        return;
    }
    loop_.post([item, menu](sd_bus* bus) { item->replaceMenu(bus, menu); });
}

void StatusNotifierTrayIcon::hide() {
    if (StatusNotifierItem* item = item_.get()) {
        loop_.post([item](sd_bus* bus) { item->withdraw(bus); });
    }
    // The thread goes before the item: it is the one that calls into it.
    loop_.stop();
    item_.reset();
}
