#pragma once

class ControllerDevice;

// Receives what a controller's reader produces. Every call comes on that device's reader
// thread.
class ControllerEventNotifyInterface {
public:
    virtual ~ControllerEventNotifyInterface() = default;

    // A control (a control index, 0-59) was pressed or released; told before the device
    // runs the control's binding.
    virtual void onControlEvent(int /*control*/, bool /*pressed*/) {}
    // The device went away. Comes once, after the reader has stopped reading. The device
    // may be stopped or destroyed from here, as long as no other thread does so meanwhile.
    virtual void onDeviceGone(ControllerDevice& /*device*/) {}
};
