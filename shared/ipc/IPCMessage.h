#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Message types of the agent link. Type 5 is valid on the wire but carries
// nothing anybody acts on.
enum class IPCMessageType : uint32_t {
    RequestDevices = 1,
    ConnectedDevices = 2,
    PrefsUpdate = 3,
    SettingsUpdate = 4,
    Reserved = 5,
};

// One frame of the agent link: "#_", the type and the payload length (both
// 32-bit little-endian), then the payload. The base class is the header-only
// message (type 1 asks the agent for its device list); subclasses add payloads.
class IPCMessage {
public:
    static constexpr size_t kHeaderSize = 10;
    // Nothing this link carries comes near it; a larger length field is
    // treated as corruption rather than trusted with an allocation.
    static constexpr uint32_t kMaxPayloadLength = 1u << 20;

    explicit IPCMessage(uint32_t type);
    explicit IPCMessage(IPCMessageType type) : IPCMessage(static_cast<uint32_t>(type)) {}
    virtual ~IPCMessage() = default;

    // Checks the header of one frame; the marker is the framer's business.
    virtual bool deserialize(const uint8_t* bytes, size_t length);
    // Empty when the frame could not be built.
    virtual std::vector<uint8_t> serialize() const;
    virtual bool isValid() const;

    // Writes the header (and the payload, when given) into a buffer that the
    // caller sized; false, leaving the buffer as it was, when it does not fit.
    bool writeFrame(std::vector<uint8_t>& buffer, const uint8_t* payload, size_t length) const;

    uint32_t type() const { return type_; }
    void setType(uint32_t type) { type_ = type; }

    static bool isKnownType(uint32_t type);
    static uint32_t readUint32(const uint8_t* bytes);

protected:
    // The header check of deserialize(), also requiring this message's own
    // type; a frame of another type leaves the message untouched.
    bool isFrameOfOwnType(const uint8_t* bytes, size_t length) const;
    // Payload of a frame that passed deserialize(), up to its first NUL.
    static const char* payloadText(const uint8_t* bytes, size_t& textLength);
    // Frame of this message's type carrying the text and its terminating NUL.
    std::vector<uint8_t> serializeText(const std::string& text) const;

private:
    uint32_t type_;
};
