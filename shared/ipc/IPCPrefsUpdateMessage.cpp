#include "shared/ipc/IPCPrefsUpdateMessage.h"

IPCPrefsUpdateMessage::IPCPrefsUpdateMessage() : IPCMessage(IPCMessageType::PrefsUpdate) {}

bool IPCPrefsUpdateMessage::deserialize(const uint8_t* bytes, size_t length) {
    if (!isFrameOfOwnType(bytes, length)) {
        return false;
    }
    size_t textLength = 0;
    const char* text = payloadText(bytes, textLength);
    text_.assign(text, textLength);
    return true;
}

std::vector<uint8_t> IPCPrefsUpdateMessage::serialize() const {
    return serializeText(text_);
}

bool IPCPrefsUpdateMessage::isValid() const {
    return IPCMessage::isValid() && type() == static_cast<uint32_t>(IPCMessageType::PrefsUpdate);
}
