#pragma once

#include <string>
#include <vector>

// What the notification-area icon offers: a plain value that the agent builds and hands
// over whole, so the icon never reaches back into the agent's state.
struct TrayMenu {
    struct Entry {
        // Reported back when the entry is chosen. Positive (0 stands for the menu itself)
        // and distinct within one menu.
        int id = 0;
        // Shown as it is; no character is taken as a keyboard mnemonic.
        std::string label;

        bool operator==(const Entry&) const = default;
    };

    // The icon's title, also shown as its tooltip.
    std::string title;
    // In the order shown.
    std::vector<Entry> entries;

    bool operator==(const TrayMenu&) const = default;
};
