#pragma once

#include "agent/ActionServices.h"
#include "agent/ProfileSwitchInterface.h"
#include "platform/BacklightControl.h"
#include "platform/NullInputInjector.h"

// What the actions of benchmark devices act through, with nothing reaching the desktop: the
// injector accepts nothing, an application is always in front (so wheel steps go all the way
// to the injector), there is no backlight, and profile switches do nothing.
class NullActionServices : private ProfileSwitchInterface {
public:
    NullActionServices();

    // With `injector` in place of the null one, when given.
    ActionServices services(InputInjector* injector = nullptr);

private:
    bool switchProfile(const std::string& deviceBindingId, const std::string& profileKey) override;

    NullInputInjector injector_;
    BacklightControl backlight_;
};
