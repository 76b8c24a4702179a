#include "agent/ActionExecutor.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "platform/ProcessLauncher.h"
#include "shared/prefs/KeyNames.h"
#include "shared/prefs/LogManager.h"

namespace {

enum ActionType : uint32_t {
    kClick = 1,
    kRightClick = 2,
    kMiddleClick = 3,
    kFourthClick = 4,
    kFifthClick = 5,
    kDoubleClick = 6,
    kTripleClick = 7,
    kClickLock = 8,
    kRightDoubleClick = 9,
    kCommand = 11,
    kKeypress = 12,
    kVolumeUp = 13,
    kVolumeDown = 14,
    kMute = 15,
    kBrightnessUp = 16,
    kBrightnessDown = 17,
    kScrollUp = 18,
    kScrollDown = 19,
    kScrollLeft = 20,
    kScrollRight = 21,
    kTypeText = 27,
    kSwitchToProfile = 28,
};

// Windows virtual-key codes, the numbering of the key codes and of the injector.
constexpr uint16_t kVkLeftShift = 160;
constexpr uint16_t kVkLeftControl = 162;
constexpr uint16_t kVkLeftAlt = 164;
constexpr uint16_t kVkLeftWindows = 91;
constexpr uint16_t kVkVolumeMute = 173;
constexpr uint16_t kVkVolumeDown = 174;
constexpr uint16_t kVkVolumeUp = 175;
constexpr uint16_t kVkOem1 = 0xBA;       // ; :
constexpr uint16_t kVkOemPlus = 0xBB;    // = +
constexpr uint16_t kVkOemComma = 0xBC;   // , <
constexpr uint16_t kVkOemMinus = 0xBD;   // - _
constexpr uint16_t kVkOemPeriod = 0xBE;  // . >
constexpr uint16_t kVkOem2 = 0xBF;       // / ?
constexpr uint16_t kVkOem3 = 0xC0;       // ` ~
constexpr uint16_t kVkOem4 = 0xDB;       // [ {
constexpr uint16_t kVkOem5 = 0xDC;       // \ |
constexpr uint16_t kVkOem6 = 0xDD;       // ] }
constexpr uint16_t kVkOem7 = 0xDE;       // ' "

constexpr int64_t kNamedKeyBase = 10000000;
constexpr int64_t kKeypadKeyBase = 20000000;
constexpr int32_t kWheelStep = 150;
constexpr int kBrightnessStep = 10;

// A key and whether Shift must be held for it to give the character it stands for.
struct KeyStroke {
    uint16_t virtualKey = 0;
    bool shift = false;
};

// Printable key codes are characters, not keys: most punctuation characters' codes are the
// virtual keys of other keys ('!' would be Page Up). They are typed with the key that gives
// them on a US layout, which is the layout the virtual-key codes are named after.
constexpr std::array<std::pair<char, KeyStroke>, 32> kPunctuationKeys = {{
    {'!', {'1', true}},          {'"', {kVkOem7, true}},       {'#', {'3', true}},
    {'$', {'4', true}},          {'%', {'5', true}},           {'&', {'7', true}},
    {'\'', {kVkOem7, false}},    {'(', {'9', true}},           {')', {'0', true}},
    {'*', {'8', true}},          {'+', {kVkOemPlus, true}},    {',', {kVkOemComma, false}},
    {'-', {kVkOemMinus, false}}, {'.', {kVkOemPeriod, false}}, {'/', {kVkOem2, false}},
    {':', {kVkOem1, true}},      {';', {kVkOem1, false}},      {'<', {kVkOemComma, true}},
    {'=', {kVkOemPlus, false}},  {'>', {kVkOemPeriod, true}},  {'?', {kVkOem2, true}},
    {'@', {'2', true}},          {'[', {kVkOem4, false}},      {'\\', {kVkOem5, false}},
    {']', {kVkOem6, false}},     {'^', {'6', true}},           {'_', {kVkOemMinus, true}},
    {'`', {kVkOem3, false}},     {'{', {kVkOem4, true}},       {'|', {kVkOem5, true}},
    {'}', {kVkOem6, true}},      {'~', {kVkOem3, true}},
}};

// Both cases of a letter name its key, as the upper case alone does in virtual keys: the
// lower-case codes would be keypad and function keys.
KeyStroke printableKeyStroke(char character) {
    if (character >= 'a' && character <= 'z') {
        return {static_cast<uint16_t>(character - 'a' + 'A'), false};
    }
    if ((character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9')) {
        return {static_cast<uint16_t>(character), false};
    }
    for (const auto& [punctuation, stroke] : kPunctuationKeys) {
        if (punctuation == character) {
            return stroke;
        }
    }
    return {};
}

// Key codes above the printable range carry the virtual key itself; the injector leaves out
// (and logs) one that no key answers to.
KeyStroke keyStrokeOf(int64_t keyCode) {
    if (keyCode >= kKeypadKeyBase) {
        return {static_cast<uint16_t>(keyCode - kKeypadKeyBase)};
    }
    if (keyCode >= kNamedKeyBase) {
        return {static_cast<uint16_t>(keyCode - kNamedKeyBase)};
    }
    if (keyCode >= '!' && keyCode <= '~') {
        return printableKeyStroke(static_cast<char>(keyCode));
    }
    return {static_cast<uint16_t>(keyCode)};
}

std::vector<uint16_t> modifierKeys(const ActionPreference& action, bool shift) {
    std::vector<uint16_t> keys;
    keys.reserve(5);
    if (action.useCtrl()) {
        keys.push_back(kVkLeftControl);
    }
    if (action.useAlt()) {
        keys.push_back(kVkLeftAlt);
    }
    if (action.useShift() || shift) {
        keys.push_back(kVkLeftShift);
    }
    if (action.useSpecial()) {
        keys.push_back(kVkLeftWindows);
    }
    return keys;
}

// The modifiers, then the key (none for key code 0: the action holds modifiers only).
std::vector<uint16_t> buildKeyList(const ActionPreference& action) {
    if (action.keyCode() == 0) {
        return modifierKeys(action, false);
    }
    const KeyStroke stroke = keyStrokeOf(action.keyCode());
    std::vector<uint16_t> keys = modifierKeys(action, stroke.shift);
    keys.push_back(stroke.virtualKey);
    return keys;
}

// Bytes in the sequence that the lead byte starts; 0 for a byte that starts none.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// Nullopt for text that is not well-formed UTF-8: overlong forms, surrogates, values past
// U+10FFFF and cut-off sequences included.
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    constexpr std::array<char32_t, 5> kSmallestOfLength = {0, 0, 0x80, 0x800, 0x10000};
    std::u32string codePoints;
    size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const size_t length = sequenceLength(lead);
        if (length == 0 || at + length > text.size()) {
            return std::nullopt;
        }
        char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < kSmallestOfLength[length] ||
            !InputEvent::character(codePoint).isValidCodePoint()) {
            return std::nullopt;
        }
        codePoints.push_back(codePoint);
        at += length;
    }
    return codePoints;
}

}  // namespace

ActionExecutor::ActionExecutor(const ConnectedDevice& device, InputInjector& injector,
                               const BacklightControl& backlight, ProfileSwitchInterface& profiles)
    : device_(device), injector_(injector), backlight_(backlight), profiles_(profiles) {}

void ActionExecutor::execute(const ActionPreference& action, bool pressed) {
    if (!followControl(action, pressed) && pressed) {
        performOnPress(action);
    }
}

void ActionExecutor::stop() {
    std::lock_guard guard(stateLock_);
    stopped_ = true;
    typingStopped_.notify_all();
    unlockClick();
}

void ActionExecutor::resume() {
    std::lock_guard guard(stateLock_);
    stopped_ = false;
}

void ActionExecutor::releaseClickLock() {
    std::lock_guard guard(stateLock_);
    unlockClick();
}

void ActionExecutor::setTypingPauses(TypingPauses pauses) {
    std::lock_guard guard(stateLock_);
    pauses_ = pauses;
}

// The types that act on the press and on the release; false for every other type.
bool ActionExecutor::followControl(const ActionPreference& action, bool pressed) {
    switch (action.actionType()) {
        case kClick:
            holdButton(action, pressed, MouseButton::Left);
            return true;
        case kRightClick:
            holdButton(action, pressed, MouseButton::Right);
            return true;
        case kMiddleClick:
            holdButton(action, pressed, MouseButton::Middle);
            return true;
        case kFourthClick:
            holdButton(action, pressed, MouseButton::X1);
            return true;
        case kFifthClick:
            holdButton(action, pressed, MouseButton::X2);
            return true;
        case kClickLock:
            clickLock(action, pressed);
            return true;
        case kKeypress:
            sendKeys(buildKeyList(action), pressed);
            return true;
        case kVolumeUp:
            sendKeys({kVkVolumeUp}, pressed);
            return true;
        case kVolumeDown:
            sendKeys({kVkVolumeDown}, pressed);
            return true;
        case kMute:
            sendKeys({kVkVolumeMute}, pressed);
            return true;
        default:
            return false;
    }
}

void ActionExecutor::performOnPress(const ActionPreference& action) {
    switch (action.actionType()) {
        case kDoubleClick:
            clickRepeatedly(action, MouseButton::Left, 2);
            break;
        case kTripleClick:
            clickRepeatedly(action, MouseButton::Left, 3);
            break;
        case kRightDoubleClick:
            clickRepeatedly(action, MouseButton::Right, 2);
            break;
        case kCommand:
            runCommand(action);
            break;
        case kBrightnessUp:
            backlight_.step(kBrightnessStep);
            break;
        case kBrightnessDown:
            backlight_.step(-kBrightnessStep);
            break;
        case kScrollUp:
            scroll(InputEvent::wheel(kWheelStep));
            break;
        case kScrollDown:
            scroll(InputEvent::wheel(-kWheelStep));
            break;
        case kScrollLeft:
            scroll(InputEvent::horizontalWheel(-kWheelStep));
            break;
        case kScrollRight:
            scroll(InputEvent::horizontalWheel(kWheelStep));
            break;
        case kTypeText:
            typeText(action.textToWrite());
            break;
        case kSwitchToProfile:
            switchProfile(action);
            break;
        default:
            break;
    }
}

// One batch: a chord reaches the system whole. Keys go down in list order and up in reverse.
bool ActionExecutor::sendKeys(const std::vector<uint16_t>& keys, bool down) {
    std::vector<InputEvent> batch;
    batch.reserve(keys.size());
    if (down) {
        for (const uint16_t key : keys) {
            batch.push_back(InputEvent::keyDown(key));
        }
    } else {
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
            batch.push_back(InputEvent::keyUp(*key));
        }
    }
    return injector_.send(batch);
}

bool ActionExecutor::sendModifierKeys(const ActionPreference& action, bool down) {
    return sendKeys(modifierKeys(action, false), down);
}

bool ActionExecutor::sendMouseButtons(const std::vector<InputEvent>& events) {
    return injector_.send(events);
}

// The modifiers go down before the button and come up after it, so the click is a modified one.
void ActionExecutor::holdButton(const ActionPreference& action, bool pressed, MouseButton button) {
    if (pressed) {
        sendModifierKeys(action, true);
        sendMouseButtons({InputEvent::buttonDown(button)});
    } else {
        sendMouseButtons({InputEvent::buttonUp(button)});
        sendModifierKeys(action, false);
    }
}

// The clicks go in one batch, so that nothing lands between them and spoils the multi-click.
void ActionExecutor::clickRepeatedly(const ActionPreference& action, MouseButton button,
                                     int clicks) {
    std::vector<InputEvent> batch;
    for (int click = 0; click < clicks; ++click) {
        batch.push_back(InputEvent::buttonDown(button));
        batch.push_back(InputEvent::buttonUp(button));
    }
    sendModifierKeys(action, true);
    sendMouseButtons(batch);
    sendModifierKeys(action, false);
}

// The repeat preset picks the behaviour: the first (also for timings of no preset) toggles the
// lock on each press, the second holds the button while the control is held, the rest do
// nothing.
void ActionExecutor::clickLock(const ActionPreference& action, bool pressed) {
    switch (action.repeatType()) {
        case 0:
            if (pressed) {
                toggleClickLock();
            }
            break;
        case 1:
            holdButton(action, pressed, MouseButton::Left);
            break;
        default:
            break;
    }
}

// The flag changes with its button event under one lock: two presses on different threads,
// or a press and stop(), could otherwise send their events in the other order and leave the
// button down while the flag says it is up. A stopped device locks nothing.
void ActionExecutor::toggleClickLock() {
    std::lock_guard guard(stateLock_);
    if (clickLocked_ || !stopped_) {
        clickLocked_ = !clickLocked_;
        const MouseButton left = MouseButton::Left;
        sendMouseButtons(
            {clickLocked_ ? InputEvent::buttonDown(left) : InputEvent::buttonUp(left)});
    }
}

void ActionExecutor::unlockClick() {
    if (clickLocked_) {
        clickLocked_ = false;
        sendMouseButtons({InputEvent::buttonUp(MouseButton::Left)});
    }
}

// A wheel step goes out as keys do, whether or not a window in front can be found: the
// desktop hands it to the window under the pointer, and without an X display there is no
// way to ask for one.
void ActionExecutor::scroll(InputEvent step) {
    injector_.send(std::span(&step, 1));
}

// One batch per character, with a pause after each so that slow applications keep up. Text
// that is not UTF-8 is not typed at all rather than typed wrong.
bool ActionExecutor::typeText(const std::string& text) {
    const std::optional<std::u32string> codePoints = decodeUtf8(text);
    if (!codePoints) {
        if (!reportedInvalidText_.exchange(true)) {
            LogManager::instance().log('W', "Text to type is not valid UTF-8 and is not typed");
        }
        return false;
    }
    if (isTypingStopped()) {
        return false;
    }
    for (const char32_t codePoint : *codePoints) {
        const InputEvent character = InputEvent::character(codePoint);
        if (!injector_.send(std::span(&character, 1)) || !pauseAfter(codePoint)) {
            return false;
        }
    }
    return true;
}

bool ActionExecutor::isTypingStopped() {
    std::lock_guard guard(stateLock_);
    return stopped_;
}

bool ActionExecutor::pauseAfter(char32_t codePoint) {
    std::unique_lock guard(stateLock_);
    const std::chrono::milliseconds pause =
        codePoint == ' ' ? pauses_.afterSpace : pauses_.afterCharacter;
    return !typingStopped_.wait_for(guard, pause, [this] { return stopped_; });
}

// Started without a shell, so that nothing in the arguments can run a command of its own, and
// never waited for: the program lives on by itself.
void ActionExecutor::runCommand(const ActionPreference& action) {
    ProcessLauncher::launch(action.command(), action.commandArgs(),
                            ProcessLauncher::Reaping::ByLauncher);
}

void ActionExecutor::switchProfile(const ActionPreference& action) {
    const std::string bindingId =
        modelScopedName(device_.uuid, static_cast<int32_t>(device_.model));
    if (bindingId.empty() || action.switchToProfile().empty()) {
        LogManager::instance().log('W', "Profile switch without a device or a profile to bind");
        return;
    }
    profiles_.switchProfile(bindingId, action.switchToProfile());
}
