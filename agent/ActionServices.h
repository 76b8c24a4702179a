#pragma once

#include "agent/ProfileSwitchInterface.h"
#include "platform/BacklightControl.h"
#include "platform/InputInjector.h"

// What the bound actions of the devices act through: input synthesis, the screen backlight
// and the profile switch. One set serves every device, so each must take calls from several
// threads at once, and each must outlive the devices that use it.
struct ActionServices {
    InputInjector* injector = nullptr;
    const BacklightControl* backlight = nullptr;
    ProfileSwitchInterface* profiles = nullptr;
};
