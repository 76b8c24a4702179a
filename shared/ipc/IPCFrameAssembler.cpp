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

// A header that may begin a frame: a known type and a length within the limit.
bool isPlausibleHeader(const uint8_t* header) {
    return IPCMessage::isKnownType(IPCMessage::readUint32(header + 2)) &&
           IPCMessage::readUint32(header + 6) <= IPCMessage::kMaxPayloadLength;
}

// Whether the first count bytes of a header can still be those of a plausible one: the
// missing bytes are taken as the most lenient values (type 1, length bytes zero).
bool mayBeginHeader(const uint8_t* bytes, size_t count) {
    uint8_t header[IPCMessage::kHeaderSize] = {'#', '_', 1};
    std::copy_n(bytes, std::min(count, sizeof(header)), header);
    return isPlausibleHeader(header);
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
    if (!isPlausibleHeader(marker)) {
        discard(kMarkerSize);
        return true;
    }
    const size_t frameSize = IPCMessage::kHeaderSize + IPCMessage::readUint32(marker + 6);
    const size_t end = frameEnd(marker, frameSize, available);
    if (end == 0) {
        return false;
    }
    if (end < frameSize) {
        // The header lied about its length: it costs only itself and what came with it.
        discard(end);
        return true;
    }
    frames.emplace_back(marker, marker + frameSize);
    start_ += frameSize;
    scanned_ = kMarkerSize;
    return true;
}

// Where the frame that starts at the marker ends: at its length, unless another header
// begins before that, in which case it ends there. No payload of the link holds a header:
// they are text, where the NULs of a header's type never stand. 0 while the bytes that
// decide it have not all come; the next call goes on searching from where this one stopped.
size_t IPCFrameAssembler::frameEnd(const uint8_t* marker, size_t frameSize, size_t available) {
    // A marker that begins on the frame's last byte begins inside it.
    const uint8_t* searchEnd = marker + std::min(frameSize + 1, available);
    for (const uint8_t* hit = findMarker(marker + scanned_, searchEnd); hit != searchEnd;
         hit = findMarker(hit + 1, searchEnd)) {
        const size_t offset = static_cast<size_t>(hit - marker);
        if (!mayBeginHeader(hit, available - offset)) {
            continue;
        }
        if (available - offset < IPCMessage::kHeaderSize) {
            scanned_ = offset;
            return 0;
        }
        return offset;
    }
    // Until the byte after the frame came, its last byte may be the "#" of a marker.
    if (available < frameSize || (available == frameSize && marker[frameSize - 1] == kMarker[0])) {
        scanned_ = available - 1;
        return 0;
    }
    return frameSize;
}

void IPCFrameAssembler::discard(size_t count) {
    if (count == 0) {
        return;
    }
    scanned_ = kMarkerSize;
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
    scanned_ = kMarkerSize;
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
