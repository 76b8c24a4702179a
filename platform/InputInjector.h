#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <unordered_set>

#include "platform/InputEvent.h"

// Synthesises keyboard and mouse input for the whole desktop. The reader, repeat and macro
// threads of every device share one injector, so each batch goes out whole under the
// injector's lock: no other batch lands between its events (a chord or a double click stays
// together).
class InputInjector {
public:
    virtual ~InputInjector() = default;
    InputInjector(const InputInjector&) = delete;
    InputInjector& operator=(const InputInjector&) = delete;

    // Sends the events in order. True when every event was synthesised; an event that cannot
    // be (a key without mapping, a character the backend cannot type) is left out and makes
    // the result false while the rest of the batch still goes. An empty batch sends nothing
    // and is false.
    bool send(std::span<const InputEvent> batch);

protected:
    InputInjector() = default;

    // Runs with the injector's lock held, which also guards every implementation's own state.
    virtual bool sendBatch(std::span<const InputEvent> batch) = 0;
    // Logs the first time that a virtual key turns out to have no mapping on this injector.
    void reportUnmappedKey(uint16_t virtualKey);

private:
    std::mutex lock_;
    std::unordered_set<uint16_t> reportedKeys_;
};

// The injector for this session: uinput when the uinput device ($WHIRLEN_DEV_ROOT, else /dev)
// can be opened for writing, else XTest on $DISPLAY when it opens, else one that synthesises
// nothing (logged once here). WHIRLEN_INPUT=uinput|xtest|none forces a choice; a forced backend
// that cannot open also leaves the one that synthesises nothing. Never null.
std::unique_ptr<InputInjector> createInputInjector();
