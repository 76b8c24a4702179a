#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "agent/ProfileSwitchInterface.h"
#include "platform/BacklightControl.h"
#include "platform/InputInjector.h"
#include "shared/ipc/ConnectedDevice.h"
#include "shared/prefs/ActionPreference.h"

// Performs the bound actions of one device: synthesised keys, clicks, wheel steps and text,
// volume and brightness, programs to run and profile switches. The reader, repeat and macro
// threads of the device call it at the same time, each with an action of its own, and every
// action runs on its caller's thread.
class ActionExecutor {
public:
    struct TypingPauses {
        // Long enough after a space for applications that complete words on it.
        std::chrono::milliseconds afterSpace{100};
        std::chrono::milliseconds afterCharacter{2};
    };

    // Everything given must outlive the executor. The record is read when a profile switch
    // needs the device's binding identifier, so it may be filled in after construction, but
    // not while actions run.
    ActionExecutor(const ConnectedDevice& device, InputInjector& injector,
                   const BacklightControl& backlight, ProfileSwitchInterface& profiles);
    ActionExecutor(const ActionExecutor&) = delete;
    ActionExecutor& operator=(const ActionExecutor&) = delete;

    // One press or one release of the control bound to the action. Actions that follow the
    // control (clicks held while the control is, keys, volume keys) act on both; the others
    // act on the press only. Unknown types do nothing.
    void execute(const ActionPreference& action, bool pressed);

    // For a device that goes away: ends typing in progress at once (a pause included), lets go
    // of a click-locked left button, and until resume() types nothing and locks no button.
    void stop();
    void resume();
    // Lets go of a click-locked left button, if there is one; the next click-lock press locks
    // it again. Sends nothing when no click is locked.
    void releaseClickLock();

    void setTypingPauses(TypingPauses pauses);

private:
    bool followControl(const ActionPreference& action, bool pressed);
    void performOnPress(const ActionPreference& action);

    bool sendKeys(const std::vector<uint16_t>& keys, bool down);
    bool sendModifierKeys(const ActionPreference& action, bool down);
    bool sendMouseButtons(const std::vector<InputEvent>& events);
    void holdButton(const ActionPreference& action, bool pressed, MouseButton button);
    void clickRepeatedly(const ActionPreference& action, MouseButton button, int clicks);
    void clickLock(const ActionPreference& action, bool pressed);
    void toggleClickLock();
    // Expects stateLock_ to be held.
    void unlockClick();
    void scroll(InputEvent step);
    bool typeText(const std::string& text);
    bool isTypingStopped();
    // False when typing was stopped during the pause or before it.
    bool pauseAfter(char32_t codePoint);
    void runCommand(const ActionPreference& action);
    void switchProfile(const ActionPreference& action);

    const ConnectedDevice& device_;
    InputInjector& injector_;
    const BacklightControl& backlight_;
    ProfileSwitchInterface& profiles_;

    std::atomic<bool> reportedInvalidText_{false};
    // Guards the click lock, the pauses and the stop flag; typing waits on it between
    // characters.
    std::mutex stateLock_;
    std::condition_variable typingStopped_;
    bool clickLocked_ = false;
    TypingPauses pauses_;
    bool stopped_ = false;
};
