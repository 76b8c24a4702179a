#include "shared/ipc/IPCMessage.h"

#include <cstring>

#include "shared/prefs/LogManager.h"

namespace {

constexpr uint8_t kMarker[2] = {'#', '_'};
constexpr size_t kTypeOffset = 2;
constexpr size_t kLengthOffset = 6;

void writeUint32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

}  // namespace

IPCMessage::IPCMessage(uint32_t type) : type_(type) {}

bool IPCMessage::deserialize(const uint8_t* bytes, size_t length) {
    if (bytes == nullptr || length < kHeaderSize) {
        return false;
    }
    const uint32_t type = readUint32(bytes + kTypeOffset);
    if (!isKnownType(type) || length - kHeaderSize < readUint32(bytes + kLengthOffset)) {
        return false;
    }
    type_ = type;
    return true;
}

std::vector<uint8_t> IPCMessage::serialize() const {
    std::vector<uint8_t> buffer(kHeaderSize, 0);
    if (!writeFrame(buffer, nullptr, 0)) {
        return {};
    }
    return buffer;
}

bool IPCMessage::isValid() const {
    return isKnownType(type_);
}

bool IPCMessage::writeFrame(std::vector<uint8_t>& buffer, const uint8_t* payload,
                            size_t length) const {
    if (buffer.size() < kHeaderSize) {
        return false;
    }
    const bool hasPayload = payload != nullptr && length > 0;
    if (hasPayload && length > kMaxPayloadLength) {
        LogManager::instance().log('E', "IPC payload of %zu bytes is over the limit\n", length);
        return false;
    }
    if (hasPayload && buffer.size() - kHeaderSize < length) {
        LogManager::instance().log('E', "Unable to store buffer\n");
        return false;
    }
    std::memcpy(buffer.data(), kMarker, sizeof(kMarker));
    writeUint32(buffer.data() + kTypeOffset, type_);
    writeUint32(buffer.data() + kLengthOffset, hasPayload ? static_cast<uint32_t>(length) : 0);
    if (hasPayload) {
        std::memcpy(buffer.data() + kHeaderSize, payload, length);
    }
    return true;
}

bool IPCMessage::isKnownType(uint32_t type) {
    return type >= 1 && type <= 5;
}

uint32_t IPCMessage::readUint32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool IPCMessage::isFrameOfOwnType(const uint8_t* bytes, size_t length) const {
    IPCMessage header(0u);
    return header.deserialize(bytes, length) && header.type() == type_;
}

const char* IPCMessage::payloadText(const uint8_t* bytes, size_t& textLength) {
    const auto* text = reinterpret_cast<const char*>(bytes + kHeaderSize);
    textLength = strnlen(text, readUint32(bytes + kLengthOffset));
    return text;
}

std::vector<uint8_t> IPCMessage::serializeText(const std::string& text) const {
    std::vector<uint8_t> buffer(kHeaderSize + text.size() + 1, 0);
    if (!writeFrame(buffer, reinterpret_cast<const uint8_t*>(text.c_str()), text.size() + 1)) {
        return {};
    }
    return buffer;
}
