#include "platform/RecordingTrayIcon.h"

#include <algorithm>
#include <utility>

RecordingTrayIcon::RecordingTrayIcon(bool available) : available_(available) {}

void RecordingTrayIcon::setCommandHandler(CommandHandler handler) {
    std::lock_guard guard(lock_);
    onCommand_ = std::move(handler);
}

bool RecordingTrayIcon::show(const TrayMenu& menu) {
    if (!available_) {
        return false;
    }
    std::lock_guard guard(lock_);
    shown_ = menu;
    menus_.push_back(menu);
    return true;
}

void RecordingTrayIcon::setMenu(const TrayMenu& menu) {
    std::lock_guard guard(lock_);
    if (shown_) {
        shown_ = menu;
        menus_.push_back(menu);
    }
}

void RecordingTrayIcon::hide() {
    std::lock_guard guard(lock_);
    shown_.reset();
}

std::optional<TrayMenu> RecordingTrayIcon::shownMenu() const {
    std::lock_guard guard(lock_);
    return shown_;
}

std::vector<TrayMenu> RecordingTrayIcon::menus() const {
    std::lock_guard guard(lock_);
    return menus_;
}

bool RecordingTrayIcon::activate() {
    return send({Command::Kind::Activated, 0}, [](const TrayMenu&) { return true; });
}

bool RecordingTrayIcon::choose(int entryId) {
    return send({Command::Kind::EntryChosen, entryId}, [entryId](const TrayMenu& menu) {
        return std::any_of(menu.entries.begin(), menu.entries.end(),
                           [entryId](const TrayMenu::Entry& e) { return e.id == entryId; });
    });
}

// The handler runs unlocked, as the real icon's does: it may well call back into the icon.
bool RecordingTrayIcon::send(const Command& command,
                             const std::function<bool(const TrayMenu&)>& offered) {
    CommandHandler handler;
    {
        std::lock_guard guard(lock_);
        if (!shown_ || !offered(*shown_)) {
            return false;
        }
        handler = onCommand_;
    }
    if (handler) {
        handler(command);
    }
    return true;
}
