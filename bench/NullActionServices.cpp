#include "bench/NullActionServices.h"

NullActionServices::NullActionServices() : backlight_("/nonexistent") {}

ActionServices NullActionServices::services(InputInjector* injector) {
    return {injector != nullptr ? injector : &injector_, &backlight_, this};
}

bool NullActionServices::switchProfile(const std::string&, const std::string&) {
    return false;
}
