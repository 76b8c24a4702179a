#include "shared/ipc/IPCSettingsUpdateMessage.h"

IPCSettingsUpdateMessage::IPCSettingsUpdateMessage() : IPCMessage(IPCMessageType::SettingsUpdate) {}

bool IPCSettingsUpdateMessage::deserialize(const uint8_t* bytes, size_t length) {
    return isFrameOfOwnType(bytes, length);
}

bool IPCSettingsUpdateMessage::isValid() const {
    return IPCMessage::isValid() && type() == static_cast<uint32_t>(IPCMessageType::SettingsUpdate);
}
