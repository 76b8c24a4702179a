#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "agent/ControllerEventNotifyInterface.h"
#include "platform/HidDevice.h"
#include "shared/ipc/ConnectedDevice.h"

// One connected controller. A reader thread of its own takes the controller's input
// reports and turns the change from one report to the next into press and release events
// of its controls: buttons, dial steps, jog-wheel zones and jog-wheel transitions.
class ControllerDevice {
public:
    // Layout: byte 0 report number, byte 1 jog-wheel position (signed), byte 2 dial
    // counter, bytes 4-5 button bits (little-endian).
    static constexpr size_t kReportSize = 8;

    explicit ControllerDevice(ControllerEventNotifyInterface& notify);
    ~ControllerDevice();
    ControllerDevice(const ControllerDevice&) = delete;
    ControllerDevice& operator=(const ControllerDevice&) = delete;

    // Takes ownership of the open device and starts reading it; `record` must be filled in
    // before. False (and the device closed) when the device is null, a reader runs already
    // or no thread can be started.
    bool startReader(std::unique_ptr<HidDevice> device);
    // Ends the reader and closes the device; safe to call more than once, but from one
    // thread at a time (the owner's, or the reader's own inside onDeviceGone).
    void stop();

    // Decodes one report of kReportSize bytes. Once the reader runs, only it calls this.
    bool onInputReport(const uint8_t* report);
    // Maps an event code of the decoder to its control, if it has one.
    void onInputEvent(uint16_t code, bool pressed);

    ConnectedDevice record;

private:
    void readLoop();
    void decodeButtons(const uint8_t* report);
    void decodeDial(const uint8_t* report);
    void decodeJog(const uint8_t* report);
    void pressAndRelease(int code);

    ControllerEventNotifyInterface& notify;
    std::atomic<bool> readerRunning{false};
    // Held while the reader thread is made and stored: the reader waits for it, so that a
    // gone notification that stops this device never meets readerThread half-assigned.
    std::mutex readerStartMutex;
    std::thread readerThread;
    uint16_t lastButtons = 0;
    uint16_t lastDial = 0xFFFF;
    int16_t lastJogPosition = 0;
    int16_t currentZone = 0;
    // Zone of each jog-wheel position -8..8, indexed by position + 8.
    std::array<int16_t, 17> zoneTable;
    std::unique_ptr<HidDevice> handle;
};
