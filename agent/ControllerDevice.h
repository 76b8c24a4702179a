#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

#include "agent/ActionExecutor.h"
#include "agent/ActionServices.h"
#include "agent/ControllerEventNotifyInterface.h"
#include "platform/HidDevice.h"
#include "shared/ipc/ConnectedDevice.h"
#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/PreferencesStore.h"

// One connected controller. A reader thread of its own takes the controller's input
// reports and turns the change from one report to the next into press and release events
// of its controls: buttons, dial steps, jog-wheel zones and jog-wheel transitions. Each
// event runs the control's bound action: once per press, following the control, repeated
// on the repeat worker while the control is held, or as a macro on the macro worker.
class ControllerDevice {
public:
    // Layout: byte 0 report number, byte 1 jog-wheel position (signed), byte 2 dial
    // counter, bytes 4-5 button bits (little-endian).
    static constexpr size_t kReportSize = 8;
    // Macro requests that wait while one plays; a press beyond them is dropped.
    static constexpr size_t kMacroQueueLimit = 10;
    // How deep macros may run macros as their steps. A macro that runs itself, directly or
    // through others, would never end: its play ends when it gets this deep.
    static constexpr int kMacroDepthLimit = 8;
    // Bounds on what the preference file may ask for. A repetition is spaced by at least
    // the finest preset's millisecond and at most a minute; a macro step waits at most a
    // minute, six times the longest wait the editor offers.
    static constexpr std::chrono::milliseconds kMinRepeatSpacing{1};
    static constexpr std::chrono::milliseconds kMaxRepeatSpacing{60000};
    static constexpr std::chrono::milliseconds kMaxStepWait{60000};

    // Every service must be set; they and the store must outlive the device. Starts no
    // thread, so making a device is cheap and cannot fail.
    ControllerDevice(ControllerEventNotifyInterface& notify, const ActionServices& services,
                     const PreferencesStore& store);
    ~ControllerDevice();
    ControllerDevice(const ControllerDevice&) = delete;
    ControllerDevice& operator=(const ControllerDevice&) = delete;

    // Control index -> the action bound to it.
    using BindingTable = std::map<int, ActionPreference>;

    // The time between two performances of an action that repeats while its control is
    // held: DelayRepeat (1 ms for 0) shared out over Repeat, within the bounds above.
    // Nullopt for what is not repeated: types other than clicks, keys, volume, brightness
    // and wheel steps, and a Repeat of 0 or less.
    static std::optional<std::chrono::nanoseconds> repeatSpacing(const ActionPreference& action);
    // The wait after a macro step: its DelayRepeat in milliseconds, none when negative, at
    // most kMaxStepWait.
    static std::chrono::milliseconds stepWait(const ActionPreference& step);

    // Takes ownership of the open device and starts the repeat and macro workers and the
    // reader; `record` must be filled in before. False (logged, with the device closed and
    // no thread left running) when the device is null, a reader runs already, the device has
    // been stopped or a thread cannot be started.
    bool startReader(std::unique_ptr<HidDevice> device);
    // Ends the device for good: its threads end, the device is closed, and whatever its
    // actions hold down (a followed key or button, a locked click) is let go. Safe from any
    // thread, more than once and while another thread starts the reader; a call on the
    // reader's own thread (inside onDeviceGone) lets the reader finish by itself instead of
    // joining it.
    void stop();

    // Lets go of a locked click. The control that locked it may since have been bound to
    // something else, and then nothing would ever let it go.
    void releaseClickLock();

    // Only the swap happens under the binding lock, so a rebuild, however long, never holds
    // up the reader; the old table is freed after the lock is released.
    void setBindings(BindingTable table);
    // A copy, so that the action can run after the lock is released.
    std::optional<ActionPreference> boundAction(int control) const;

    // Decodes one report of kReportSize bytes. Once the reader runs, only it calls this.
    bool onInputReport(const uint8_t* report);
    // Maps an event code of the decoder to its control, if it has one, and runs that
    // control's binding. Once the reader runs, only it calls this.
    void onInputEvent(uint16_t code, bool pressed);

    ConnectedDevice record;

private:
    static constexpr size_t kControlCount = 60;

    // What a press left for its release to undo. The release acts on this, not on the
    // binding it finds then: a rebuild in between must not release something else.
    struct HeldControl {
        enum class Kind : uint8_t { Nothing, Followed, Repeating };
        Kind kind = Kind::Nothing;
        // Followed: the action that went down. Left in place after its release.
        ActionPreference action;
    };
    // Where each control is in its cycle through a macro's groups.
    struct MacroRotation {
        uint32_t control = kControlNone;
        std::string actionKey;
        size_t lastGroup = 0;
    };

    void readLoop();
    void decodeButtons(const uint8_t* report);
    void decodeDial(const uint8_t* report);
    void decodeJog(const uint8_t* report);
    void pressAndRelease(int code);

    void pressControl(int control);
    void releaseControl(int control);
    void executeAction(const ActionPreference& action, bool pressed);
    void startRepeat(ActionPreference action);
    void endRepeat();
    void queueMacro(ActionPreference request);

    // Both expect that no other thread can start workers meanwhile: under the lifecycle
    // mutex, or once readerStopped is set.
    bool startWorkers();
    void stopWorkers();
    void stopReader();
    bool onReaderThread();
    void releaseHeldControls();

    void repeatWorker();
    bool repeatChanged(uint32_t generation) const;
    void macroWorker();
    std::optional<ActionPreference> nextMacroRequest();
    void playMacro(const ActionPreference& request);
    size_t chooseGroup(const ActionPreference& request, size_t groupCount);
    // False once the play must end: the device stops, or macros ran too deep.
    bool playSteps(const MacroGroupPreference& group, int depth);
    bool playNestedMacro(const ActionPreference& step, int depth);
    bool waitAfterStep(const ActionPreference& step);
    std::shared_ptr<MacroPreference> resolveMacro(const std::string& macroKey) const;

    ControllerEventNotifyInterface& notify;
    const PreferencesStore& store;
    ActionExecutor executor;

    // Serialises whole stops, so that a second one returns only once the device is done.
    std::mutex stopMutex;
    std::atomic<bool> readerRunning{false};
    // Guards readerThread, readerId, handle and readerStopped, and the worker threads while
    // they start. Held while the reader thread is made and stored, and the reader waits for it, so
    // that a stop on any thread (a gone notification included) never meets readerThread
    // half-assigned.
    std::mutex readerLifecycleMutex;
    std::thread readerThread;
    std::thread::id readerId;
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
    // The reader's own, and stop()'s once the reader is gone.
    std::array<HeldControl, kControlCount> held;

    // One repetition per device: a press of a repeating control replaces the action, the
    // release of any ends it. Each change is a new generation.
    std::mutex repeatMutex;
    std::condition_variable repeatCondition;
    ActionPreference repeatAction;
    uint32_t repeatGeneration = 0;
    bool repeatHeld = false;
    bool repeatRunning = false;
    std::thread repeatThread;

    std::mutex macroMutex;
    std::condition_variable macroCondition;
    std::deque<ActionPreference> macroQueue;
    bool macroRunning = false;
    std::thread macroThread;
    // The macro worker's own.
    std::unordered_map<uint32_t, MacroRotation> macroRotation;
};
