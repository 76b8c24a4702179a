// Arbitrary bytes, cut into pieces that the input itself chooses, go through a
// frame assembler and every message parser of the agent link. Whatever the
// bytes, frames come out whole and bounded, the cutting does not change them,
// and every parser either succeeds with a message that round-trips or fails.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "shared/ipc/IPCFrameAssembler.h"
#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/ipc/IPCSettingsUpdateMessage.h"

namespace {

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void checkFrame(const IPCFrame& frame) {
    require(frame.size() >= IPCMessage::kHeaderSize);
    require(frame[0] == '#' && frame[1] == '_');
    require(IPCMessage::isKnownType(IPCMessage::readUint32(frame.data() + 2)));
    require(IPCMessage::readUint32(frame.data() + 6) == frame.size() - IPCMessage::kHeaderSize);
    require(frame.size() <= IPCMessage::kHeaderSize + IPCMessage::kMaxPayloadLength);
}

void parseDeviceList(const IPCFrame& frame) {
    IPCResponseConnectedDevices message;
    if (!message.deserialize(frame.data(), frame.size())) {
        return;
    }
    const std::vector<uint8_t> again = message.serialize();
    IPCResponseConnectedDevices reread;
    require(reread.deserialize(again.data(), again.size()));
    require(reread.devices().size() == message.devices().size());
}

void parsePrefs(const IPCFrame& frame) {
    IPCPrefsUpdateMessage message;
    require(message.deserialize(frame.data(), frame.size()));
    const std::vector<uint8_t> again = message.serialize();
    IPCPrefsUpdateMessage reread;
    require(reread.deserialize(again.data(), again.size()));
    require(reread.text() == message.text());
}

// Every parser on every frame: a parser must refuse a frame of another type
// as calmly as it reads its own.
void parse(const IPCFrame& frame) {
    IPCMessage header(0u);
    require(header.deserialize(frame.data(), frame.size()));
    const uint32_t type = header.type();
    if (type == static_cast<uint32_t>(IPCMessageType::ConnectedDevices)) {
        parseDeviceList(frame);
    } else if (type == static_cast<uint32_t>(IPCMessageType::PrefsUpdate)) {
        parsePrefs(frame);
    } else {
        IPCResponseConnectedDevices list;
        IPCPrefsUpdateMessage prefs;
        require(!list.deserialize(frame.data(), frame.size()));
        require(!prefs.deserialize(frame.data(), frame.size()));
    }
    IPCSettingsUpdateMessage settings;
    require(settings.deserialize(frame.data(), frame.size()) ==
            (type == static_cast<uint32_t>(IPCMessageType::SettingsUpdate)));
}

}  // namespace

// The parsers log what they refuse; at fuzzing speed that would drown the
// fuzzer's own output, which goes to standard error.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::close(null);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const size_t pieceSize = 1 + data[0];
    const uint8_t* stream = data + 1;
    const size_t length = size - 1;

    IPCFrameAssembler whole;
    const std::vector<IPCFrame> expected = whole.feed(stream, length);

    IPCFrameAssembler pieces;
    std::vector<IPCFrame> frames;
    for (size_t offset = 0; offset < length; offset += pieceSize) {
        const size_t count = std::min(pieceSize, length - offset);
        for (IPCFrame& frame : pieces.feed(stream + offset, count)) {
            frames.push_back(std::move(frame));
        }
        // At most a frame of the largest size and the header that may begin on its last byte.
        require(pieces.bufferedBytes() <
                2 * IPCMessage::kHeaderSize + IPCMessage::kMaxPayloadLength);
    }
    require(frames == expected);
    require(pieces.bufferedBytes() == whole.bufferedBytes());

    for (const IPCFrame& frame : frames) {
        checkFrame(frame);
        parse(frame);
    }
    for (const IPCFrame& piece : splitIpcFrames(stream, length)) {
        require(piece.size() >= 2 && piece[0] == '#' && piece[1] == '_');
        IPCMessage header(0u);
        header.deserialize(piece.data(), piece.size());
    }
    return 0;
}
