#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using IPCFrame = std::vector<uint8_t>;

// Cuts the byte stream of one connection into whole frames. Bytes are kept
// until the frame they belong to is complete, so a frame may arrive in any
// number of pieces. Anything before a "#_" marker is dropped (the keep-alive
// 0x00 bytes among it), and so is a header whose type is unknown or whose
// length is over the limit: the search for the next marker starts behind it.
// A header whose length runs past the start of the next header is dropped
// there too, so that a corrupt length costs only its own frame.
class IPCFrameAssembler {
public:
    // Appends received bytes and returns the frames they complete, in order.
    std::vector<IPCFrame> feed(const uint8_t* bytes, size_t length);

    // Bytes thrown away as noise or bad headers since the last call; the
    // keep-alive 0x00 bytes between frames are not counted.
    size_t takeDiscardedBytes();
    // Bytes held for a frame that is not complete yet.
    size_t bufferedBytes() const { return buffer_.size() - start_; }
    // Forgets everything, for a new connection.
    void reset();

private:
    // One step over the held bytes: false when more input is needed.
    bool step(std::vector<IPCFrame>& frames);
    size_t frameEnd(const uint8_t* marker, size_t frameSize, size_t available);
    void discard(size_t count);
    void compact();

    std::vector<uint8_t> buffer_;
    // Consumed bytes stay at the front until compact() so that a long run of
    // small frames does not move the rest of the buffer for each one.
    size_t start_ = 0;
    // How far behind the marker at start_ the search for a following header has come.
    size_t scanned_ = 2;
    size_t discarded_ = 0;
};

// Cuts one received chunk at every "#_" without looking at the length field;
// bytes before the first marker are dropped. Frames that are cut across
// chunks are lost, which is what the assembler above is for.
std::vector<IPCFrame> splitIpcFrames(const uint8_t* bytes, size_t length);
