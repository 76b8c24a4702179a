#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "agent/ControllerEventNotifyInterface.h"
#include "platform/HidDevice.h"
#include "shared/ipc/ConnectedDevice.h"
#include "shared/prefs/ActionPreference.h"

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

    // Control index -> the action bound to it.
    using BindingTable = std::map<int, ActionPreference>;

    // Takes ownership of the open device and starts reading it; `record` must be filled in
    // before. False (and the device closed) when the device is null, a reader runs already,
    // the device has been stopped or no thread can be started.
    bool startReader(std::unique_ptr<HidDevice> device);
    // Ends the reader for good and closes the device. Safe from any thread, more than once
    // and while another thread starts the reader; a call on the reader's own thread (inside
    // onDeviceGone) lets the reader finish by itself instead of joining it.
    void stop();

    // Only the swap happens under the binding lock, so a rebuild, however long, never holds
    // up the reader; the old table is freed after the lock is released.
    void setBindings(BindingTable table);
    // A copy, so that the action can run after the lock is released.
    std::optional<ActionPreference> boundAction(int control) const;

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
    // Guards readerThread, handle and readerStopped. Held while the reader thread is made
    // and stored, and the reader waits for it, so that a stop on any thread (a gone
    // notification included) never meets readerThread half-assigned.
    std::mutex readerLifecycleMutex;
    std::thread readerThread;
    bool readerStopped = false;
    uint16_t lastButtons = 0;
    uint16_t lastDial = 0xFFFF;
    int16_t lastJogPosition = 0;
    int16_t currentZone = 0;
    // Zone of each jog-wheel position -8..8, indexed by position + 8.
    std::array<int16_t, 17> zoneTable;
    std::unique_ptr<HidDevice> handle;
    mutable std::mutex bindingMutex;
    BindingTable bindings;
};
