#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/TrayIcon.h"

// An icon for tests: records what the program shows and plays the user's part. Like a
// desktop, it only lets the user choose entries of the menu on show.
class RecordingTrayIcon : public TrayIcon {
public:
    // `available` is what show() answers: false stands for a desktop without a tray.
    explicit RecordingTrayIcon(bool available = true);

    void setCommandHandler(CommandHandler handler) override;
    bool show(const TrayMenu& menu) override;
    void setMenu(const TrayMenu& menu) override;
    void hide() override;

    // The menu on show; nullopt while the icon is not up.
    std::optional<TrayMenu> shownMenu() const;
    // Every menu put up, by show() or setMenu(), in order.
    std::vector<TrayMenu> menus() const;

    // The user clicks the icon; false (and nothing sent) while it is not up.
    bool activate();
    // The user chooses an entry; false (and nothing sent) unless the menu on show has it.
    bool choose(int entryId);

private:
    bool send(const Command& command, const std::function<bool(const TrayMenu&)>& offered);

    const bool available_;
    mutable std::mutex lock_;
    CommandHandler onCommand_;
    std::optional<TrayMenu> shown_;
    std::vector<TrayMenu> menus_;
};
