#pragma once

#include "shared/ipc/IPCMessage.h"

// Type 4: the configuration program changed its update settings. Header only;
// the agent takes no action on it.
class IPCSettingsUpdateMessage : public IPCMessage {
public:
    IPCSettingsUpdateMessage();

    bool deserialize(const uint8_t* bytes, size_t length) override;
    bool isValid() const override;
};
