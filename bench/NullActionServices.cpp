#include "bench/NullActionServices.h"

NullActionServices::NullActionServices()
    : foreground_({ForegroundWindow{1, "/usr/bin/bench"}}), backlight_("/nonexistent") {}

ActionServices NullActionServices::services(InputInjector* injector) {
    return {injector != nullptr ? injector : &injector_, &foreground_, &backlight_, this};
}

bool NullActionServices::switchProfile(const std::string&, const std::string&) {
    return false;
}
