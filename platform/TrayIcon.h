#pragma once

#include <functional>

#include "platform/TrayMenu.h"

// An icon in the desktop's notification area with a menu. The user's gestures come back
// as commands through a handler, which runs on the icon's own thread: the agent's handler
// only posts the command to its main loop.
//
// The operations are called from one thread (the agent's main thread).
class TrayIcon {
public:
    struct Command {
        enum class Kind {
            // The icon itself was clicked (its primary action).
            Activated,
            // A menu entry was chosen.
            EntryChosen,
        };
        Kind kind = Kind::Activated;
        // The chosen entry's id; 0 for Activated.
        int entryId = 0;

        bool operator==(const Command&) const = default;
    };
    using CommandHandler = std::function<void(const Command&)>;

    virtual ~TrayIcon() = default;

    // Set before show(); commands go nowhere without it.
    virtual void setCommandHandler(CommandHandler handler) = 0;
    // Puts the icon up with this menu. False when the desktop offers no notification area
    // (the reason is logged the first time); the program goes on without an icon. Showing
    // an icon that is up already only replaces its menu.
    virtual bool show(const TrayMenu& menu) = 0;
    // Replaces the menu of an icon that is up; does nothing otherwise.
    virtual void setMenu(const TrayMenu& menu) = 0;
    // Takes the icon down; no command arrives after this returns. Harmless when not up.
    virtual void hide() = 0;
};
