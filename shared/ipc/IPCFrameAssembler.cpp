#include "shared/ipc/IPCFrameAssembler.h"

#include <algorithm>
#include <cstring>

#include "shared/ipc/IPCMessage.h"

namespace {

constexpr char kMarker[] = "#_";
constexpr size_t kMarkerSize = 2;

// Position of the first marker in [first, last), or last when there is none.
const uint8_t* findMarker(const uint8_t* first, const uint8_t* last) {
    return std::search(first, last, kMarker, kMarker + kMarkerSize);
}

}  // namespace

std::vector<IPCFrame> IPCFrameAssembler::feed(const uint8_t* bytes, size_t length) {
    std::vector<IPCFrame> frames;
    if (bytes != nullptr && length > 0) {
        buffer_.insert(buffer_.end(), bytes, bytes + length);
    }
    while (step(frames)) {
    }
    compact();
    return frames;
}

bool IPCFrameAssembler::step(std::vector<IPCFrame>& frames) {
    const uint8_t* first = buffer_.data() + start_;
    const uint8_t* last = buffer_.data() + buffer_.size();
    const uint8_t* marker = findMarker(first, last);
    if (marker == last) {
        // A "#" at the very end may be the first half of the next marker.
        const bool keepLast = first != last && last[-1] == kMarker[0];
        discard(static_cast<size_t>(last - first) - (keepLast ? 1 : 0));
        return false;
    }
    discard(static_cast<size_t>(marker - first));
    const size_t available = static_cast<size_t>(last - marker);
    if (available < IPCMessage::kHeaderSize) {
        return false;
    }
    const uint32_t type = IPCMessage::readUint32(marker + 2);
    const uint32_t payloadLength = IPCMessage::readUint32(marker + 6);
    if (!IPCMessage::isKnownType(type) || payloadLength > IPCMessage::kMaxPayloadLength) {
        discard(kMarkerSize);
        return true;
    }
    const size_t frameSize = IPCMessage::kHeaderSize + payloadLength;
    if (available < frameSize) {
        return false;
    }
    frames.emplace_back(marker, marker + frameSize);
    start_ += frameSize;
    return true;
}

void IPCFrameAssembler::discard(size_t count) {
    const uint8_t* first = buffer_.data() + start_;
    discarded_ += count - static_cast<size_t>(std::count(first, first + count, 0));
    start_ += count;
}

void IPCFrameAssembler::compact() {
    if (start_ == buffer_.size()) {
        buffer_.clear();
    } else if (start_ > 0) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
    }
    start_ = 0;
}

size_t IPCFrameAssembler::takeDiscardedBytes() {
    const size_t discarded = discarded_;
    discarded_ = 0;
    return discarded;
}

void IPCFrameAssembler::reset() {
    buffer_.clear();
    start_ = 0;
    discarded_ = 0;
}

std::vector<IPCFrame> splitIpcFrames(const uint8_t* bytes, size_t length) {
    std::vector<IPCFrame> frames;
    if (bytes == nullptr) {
        return frames;
    }
    const uint8_t* last = bytes + length;
    const uint8_t* frameStart = findMarker(bytes, last);
    while (frameStart != last) {
        const uint8_t* next = findMarker(frameStart + 1, last);
        frames.emplace_back(frameStart, next);
        frameStart = next;
    }
    return frames;
}
