#pragma once

#include <memory>
#include <string>

#include "platform/InputInjector.h"

// A virtual keyboard and mouse made through uinput, so input reaches X11 and Wayland sessions
// alike. Each event goes out as a report of its own (closed by a sync), as a real device sends
// them, which keeps a double click's two presses of one button from merging into one report;
// a batch is written in one call. uinput carries key codes, not characters: Character events
// cannot be typed and send nothing (logged once).
class UinputInjector : public InputInjector {
public:
    // Opens the uinput node and creates the virtual device on it; null (logged) when either
    // fails.
    static std::unique_ptr<UinputInjector> open(const std::string& path);
    // Writes the event records to an open descriptor that it takes over, with no device set up
    // on it: tests point it at a pipe.
    static std::unique_ptr<UinputInjector> adopt(int fd);

    ~UinputInjector() override;

protected:
    bool sendBatch(std::span<const InputEvent> batch) override;

private:
    UinputInjector(int fd, bool ownsDevice);

    int fd_;
    bool ownsDevice_;
    bool reportedCharacters_ = false;
};
