#pragma once

#include <string>
#include <utility>

#include "shared/ipc/IPCMessage.h"

// Type 3: the sender has changed the preference files and the receiver
// reloads them. The text travels with its NUL; this system always sends "{}".
class IPCPrefsUpdateMessage : public IPCMessage {
public:
    IPCPrefsUpdateMessage();

    bool deserialize(const uint8_t* bytes, size_t length) override;
    std::vector<uint8_t> serialize() const override;
    bool isValid() const override;

    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};
