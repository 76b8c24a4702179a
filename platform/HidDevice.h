#pragma once

#include <cstddef>
#include <cstdint>

// An open HID device node from which input reports are read one at a time.
class HidDevice {
public:
    enum class ReadStatus {
        Report,     // a report of `length` bytes, byte 0 being its report number
        Cancelled,  // cancel() was called
        Gone,       // the device went away; further reads cannot succeed
        Transient,  // a passing failure; the caller should wait briefly and read again
    };
    struct ReadResult {
        ReadStatus status;
        size_t length;
    };

    virtual ~HidDevice() = default;

    // Blocks until a report arrives, the device goes away or cancel() is called.
    virtual ReadResult readReport(uint8_t* buffer, size_t capacity) = 0;
    // Wakes a blocked readReport() at once. The cancel is sticky: every later read returns
    // Cancelled too, so a reader that was between two reads cannot miss it.
    virtual void cancel() = 0;
};
