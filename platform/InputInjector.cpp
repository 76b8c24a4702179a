#include "platform/InputInjector.h"

#include <cstdlib>
#include <string>

#include "platform/NullInputInjector.h"
#include "platform/UinputInjector.h"
#include "platform/XTestInjector.h"
#include "shared/prefs/LogManager.h"

namespace {

std::string uinputPath() {
    const char* root = std::getenv("WHIRLEN_DEV_ROOT");
    return std::string(root != nullptr && *root != '\0' ? root : "/dev") + "/uinput";
}

std::unique_ptr<InputInjector> openUinput() {
    return UinputInjector::open(uinputPath());
}

std::unique_ptr<InputInjector> openXTest() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return nullptr;
    }
    return XTestInjector::open(nullptr);
}

std::unique_ptr<InputInjector> chooseInjector(const std::string& forced) {
    if (forced == "uinput") {
        return openUinput();
    }
    if (forced == "xtest") {
        return openXTest();
    }
    if (forced == "none") {
        return nullptr;
    }
    if (!forced.empty()) {
        LogManager::instance().log('W', "Unknown WHIRLEN_INPUT \"%s\", choosing by itself",
                                   forced.c_str());
    }
    std::unique_ptr<InputInjector> injector = openUinput();
    return injector != nullptr ? std::move(injector) : openXTest();
}

}  // namespace

bool InputInjector::send(std::span<const InputEvent> batch) {
    if (batch.empty()) {
        return false;
    }
    std::lock_guard guard(lock_);
    return sendBatch(batch);
}

void InputInjector::reportUnmappedKey(uint16_t virtualKey) {
    if (reportedKeys_.insert(virtualKey).second) {
        LogManager::instance().log('W', "Virtual key 0x%02X has no mapping here and is not sent",
                                   virtualKey);
    }
}

std::unique_ptr<InputInjector> createInputInjector() {
    const char* forced = std::getenv("WHIRLEN_INPUT");
    std::unique_ptr<InputInjector> injector = chooseInjector(forced != nullptr ? forced : "");
    if (injector == nullptr) {
        LogManager::instance().log('W', "Actions cannot be synthesised: no input backend");
        return std::make_unique<NullInputInjector>();
    }
    return injector;
}
