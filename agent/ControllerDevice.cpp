#include "agent/ControllerDevice.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <string>
#include <system_error>
#include <utility>

#include "shared/prefs/LogManager.h"
#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/MacroPreference.h"

namespace {

// Event codes of the decoder.
constexpr int kDialDown = 0;
constexpr int kDialUp = 1;
constexpr int kZoneBase = 12;      // + zone: the wheel enters (press) or leaves (release) it
constexpr int kStepUpBase = 32;    // + position: the wheel steps up from that position
constexpr int kStepDownBase = 50;  // - position: the wheel steps down from that position
constexpr int kButtonBase = 60;    // + bit: a button bit changed
constexpr int kMappedCodes = 75;   // codes from here on have no control

constexpr int kNoControl = -1;
constexpr uint32_t kModelWhirlenMax = 1;
constexpr uint16_t kNoDialYet = 0xFFFF;
constexpr int kMinPosition = -8;
constexpr int kMaxPosition = 8;

// Bigger than any report the controller sends, so that an unexpected longer report is
// seen as such and dropped instead of being cut down to a report's size.
constexpr size_t kReadCapacity = 64;
constexpr auto kTransientBackoff = std::chrono::milliseconds(10);

// Repeat presets by the way they run an action.
constexpr uint32_t kRepeatSingle = 0;
constexpr uint32_t kRepeatFollow = 1;
// The types that the repeat worker performs: clicks, keys, volume, brightness and wheel.
constexpr uint32_t kFirstRepeatedType = 1;
constexpr uint32_t kLastRepeatedType = 21;

using Clock = std::chrono::steady_clock;

struct EventControl {
    int8_t onMax;
    // The Lite's five buttons report on bits 4-8 and are its controls 0-4.
    int8_t onOtherModels;
};

constexpr std::array<EventControl, kMappedCodes> makeEventControls() {
    std::array<EventControl, kMappedCodes> table{};
    table.fill({kNoControl, kNoControl});
    auto both = [&table](int code, int control) {
        table[code] = {static_cast<int8_t>(control), static_cast<int8_t>(control)};
    };
    both(kDialDown, 15);
    both(kDialUp, 16);
    // Zones -8 and 8 and the steps out past them lie beyond the wheel's travel of -7..7.
    for (int zone = -7; zone <= 7; ++zone) {
        both(kZoneBase + zone, 24 + zone);
    }
    for (int position = -7; position <= 6; ++position) {
        both(kStepUpBase + position, 39 + position);
    }
    for (int position = -6; position <= 7; ++position) {
        both(kStepDownBase - position, 53 - position);
    }
    for (int bit = 0; bit <= 14; ++bit) {
        const int other = (bit >= 4 && bit <= 8) ? bit - 4 : bit;
        table[kButtonBase + bit] = {static_cast<int8_t>(bit), static_cast<int8_t>(other)};
    }
    return table;
}

constexpr std::array<EventControl, kMappedCodes> kEventControls = makeEventControls();

constexpr std::array<int16_t, 17> identityZones() {
    std::array<int16_t, 17> zones{};
    for (int position = kMinPosition; position <= kMaxPosition; ++position) {
        zones[position - kMinPosition] = static_cast<int16_t>(position);
    }
    return zones;
}

// A thread cannot join itself; one that stops its own device ends by itself right after.
void joinOrLetGo(std::thread& thread) {
    if (!thread.joinable()) {
        return;
    }
    if (thread.get_id() == std::this_thread::get_id()) {
        thread.detach();
    } else {
        thread.join();
    }
}

}  // namespace

ControllerDevice::ControllerDevice(ControllerEventNotifyInterface& notify,
                                   const ActionServices& services, const PreferencesStore& store)
    : notify(notify),
      store(store),
      executor(record, *services.injector, *services.backlight, *services.profiles),
      zoneTable(identityZones()) {}

ControllerDevice::~ControllerDevice() {
    stop();
}

bool ControllerDevice::startReader(std::unique_ptr<HidDevice> device) {
    std::lock_guard lifecycle(readerLifecycleMutex);
    if (!device || readerStopped || readerThread.joinable()) {
        return false;
    }
    // The workers come first, so that the first event finds them.
    if (!startWorkers()) {
        return false;
    }
    handle = std::move(device);
    readerRunning = true;
    try {
        readerThread = std::thread(&ControllerDevice::readLoop, this);
    } catch (const std::system_error& error) {
        LogManager::instance().log('E', "Unable to start the reader of controller %s: %s",
                                   record.interfacePath.c_str(), error.what());
        readerRunning = false;
        handle.reset();
        stopWorkers();
        return false;
    }
    readerId = readerThread.get_id();
    return true;
}

bool ControllerDevice::startWorkers() {
    {
        std::lock_guard lock(repeatMutex);
        repeatRunning = true;
    }
    {
        std::lock_guard lock(macroMutex);
        macroRunning = true;
    }
    try {
        repeatThread = std::thread(&ControllerDevice::repeatWorker, this);
        macroThread = std::thread(&ControllerDevice::macroWorker, this);
    } catch (const std::system_error& error) {
        LogManager::instance().log('E', "Unable to start the workers of controller %s: %s",
                                   record.interfacePath.c_str(), error.what());
        stopWorkers();
        return false;
    }
    return true;
}

// In this order, each for a reason. The executor goes first although it ends no thread: it
// ends typing and its pauses at once and lets go of a locked click, which is what keeps every
// join after it short, the reader's included (single and followed actions run on the reader).
// The reader goes before the workers, so that no event can reach a worker that has ended and
// nothing new goes down once the held controls are let go. They are let go last, when no
// thread of this device can press anything any more.
void ControllerDevice::stop() {
    executor.stop();
    std::unique_lock stopping(stopMutex, std::defer_lock);
    // On the reader's own thread (a gone notification) a stop that got here first may be
    // joining this very thread: that one finishes the job.
    if (onReaderThread()) {
        if (!stopping.try_lock()) {
            return;
        }
    } else {
        stopping.lock();
    }
    stopReader();
    stopWorkers();
    releaseHeldControls();
}

bool ControllerDevice::onReaderThread() {
    std::lock_guard lifecycle(readerLifecycleMutex);
    return readerId == std::this_thread::get_id();
}

void ControllerDevice::stopReader() {
    std::thread reader;
    std::unique_ptr<HidDevice> closing;
    {
        std::lock_guard lifecycle(readerLifecycleMutex);
        readerStopped = true;
        readerRunning = false;
        if (handle) {
            handle->cancel();
        }
        reader = std::move(readerThread);
        // Closed only once the reader is done with it.
        closing = std::move(handle);
    }
    joinOrLetGo(reader);
    // Only now: a reader that stops its own device meanwhile must still know it is on it.
    std::lock_guard lifecycle(readerLifecycleMutex);
    readerId = {};
}

void ControllerDevice::stopWorkers() {
    {
        std::lock_guard lock(repeatMutex);
        repeatRunning = false;
    }
    repeatCondition.notify_all();
    {
        std::lock_guard lock(macroMutex);
        macroRunning = false;
        macroQueue.clear();
    }
    macroCondition.notify_all();
    joinOrLetGo(repeatThread);
    joinOrLetGo(macroThread);
}

void ControllerDevice::releaseHeldControls() {
    for (size_t control = 0; control < held.size(); ++control) {
        releaseControl(static_cast<int>(control));
    }
}

void ControllerDevice::releaseClickLock() {
    executor.releaseClickLock();
}

void ControllerDevice::setBindings(BindingTable table) {
    {
        std::lock_guard lock(bindingMutex);
        bindings.swap(table);
    }
}

std::optional<ActionPreference> ControllerDevice::boundAction(int control) const {
    std::lock_guard lock(bindingMutex);
    const auto it = bindings.find(control);
    if (it == bindings.end()) {
        return std::nullopt;
    }
    return it->second;
}

void ControllerDevice::readLoop() {
    HidDevice* device = nullptr;
    {
        // Until startReader has stored this thread, stop() could not tell it is on it.
        std::lock_guard started(readerLifecycleMutex);
        // A stop that came first has taken the device already.
        device = handle.get();
    }
    std::array<uint8_t, kReadCapacity> buffer;
    while (device != nullptr && readerRunning) {
        const HidDevice::ReadResult result = device->readReport(buffer.data(), buffer.size());
        switch (result.status) {
            case HidDevice::ReadStatus::Report:
                // A short read would leave bytes of an earlier report in the buffer.
                if (result.length == kReportSize) {
                    onInputReport(buffer.data());
                }
                break;
            case HidDevice::ReadStatus::Transient:
                std::this_thread::sleep_for(kTransientBackoff);
                break;
            case HidDevice::ReadStatus::Cancelled:
                return;
            case HidDevice::ReadStatus::Gone:
                readerRunning = false;
                // May destroy this object: nothing of it is touched after the call.
                notify.onDeviceGone(*this);
                return;
        }
    }
}

bool ControllerDevice::onInputReport(const uint8_t* report) {
    decodeButtons(report);
    decodeDial(report);
    decodeJog(report);
    return true;
}

void ControllerDevice::decodeButtons(const uint8_t* report) {
    const uint16_t now = static_cast<uint16_t>(report[4] | (report[5] << 8));
    for (uint16_t changed = now ^ lastButtons; changed != 0;
         changed &= static_cast<uint16_t>(changed - 1)) {
        const int bit = std::countr_zero(changed);
        onInputEvent(static_cast<uint16_t>(kButtonBase + bit), (now >> bit) & 1);
    }
    lastButtons = now;
}

void ControllerDevice::decodeDial(const uint8_t* report) {
    const uint16_t dial = report[2];
    if (dial != lastDial && lastDial != kNoDialYet) {
        // Next to the wrap between 255 and 0 the direction is read from the new half.
        const bool atWrap = lastDial == 0 || lastDial == 255;
        const bool up = atWrap ? dial < 128 : dial > lastDial;
        pressAndRelease(up ? kDialUp : kDialDown);
    }
    lastDial = dial;
}

void ControllerDevice::decodeJog(const uint8_t* report) {
    const int raw = static_cast<int8_t>(report[1]);
    if (raw == lastJogPosition) {
        return;
    }
    const int position = std::clamp(raw, kMinPosition, kMaxPosition);
    const int16_t zone = zoneTable[position - kMinPosition];
    const bool zoneChanged = zone != currentZone;
    if (zoneChanged) {
        onInputEvent(static_cast<uint16_t>(kZoneBase + currentZone), false);
    }
    // One transition per report, out of the previous position, however far the wheel went.
    pressAndRelease(position > lastJogPosition ? kStepUpBase + lastJogPosition
                                               : kStepDownBase - lastJogPosition);
    if (zoneChanged) {
        onInputEvent(static_cast<uint16_t>(kZoneBase + zone), true);
        currentZone = zone;
    }
    lastJogPosition = static_cast<int16_t>(position);
}

void ControllerDevice::pressAndRelease(int code) {
    onInputEvent(static_cast<uint16_t>(code), true);
    onInputEvent(static_cast<uint16_t>(code), false);
}

void ControllerDevice::onInputEvent(uint16_t code, bool pressed) {
    if (code >= kMappedCodes) {
        return;
    }
    const EventControl& entry = kEventControls[code];
    const int control = record.model == kModelWhirlenMax ? entry.onMax : entry.onOtherModels;
    if (control == kNoControl) {
        return;
    }
    notify.onControlEvent(control, pressed);
    if (pressed) {
        pressControl(control);
    } else {
        releaseControl(control);
    }
}

void ControllerDevice::pressControl(int control) {
    std::optional<ActionPreference> action = boundAction(control);
    if (!action) {
        return;
    }
    if (action->actionType() == kActionTypeRunMacro) {
        queueMacro(std::move(*action));
        return;
    }
    // Timings of no preset run once, as the first preset does.
    switch (action->repeatType()) {
        case kRepeatSingle:
            executeAction(*action, true);
            executeAction(*action, false);
            break;
        case kRepeatFollow:
            executeAction(*action, true);
            held[control].action = std::move(*action);
            held[control].kind = HeldControl::Kind::Followed;
            break;
        default:
            startRepeat(std::move(*action));
            held[control].kind = HeldControl::Kind::Repeating;
            break;
    }
}

// Most releases find nothing held, and cost no more than that look.
void ControllerDevice::releaseControl(int control) {
    HeldControl& entry = held[control];
    const HeldControl::Kind kind = std::exchange(entry.kind, HeldControl::Kind::Nothing);
    switch (kind) {
        case HeldControl::Kind::Followed:
            executeAction(entry.action, false);
            break;
        case HeldControl::Kind::Repeating:
            endRepeat();
            break;
        case HeldControl::Kind::Nothing:
            break;
    }
}

void ControllerDevice::executeAction(const ActionPreference& action, bool pressed) {
    executor.execute(action, pressed);
}

void ControllerDevice::startRepeat(ActionPreference action) {
    {
        std::lock_guard lock(repeatMutex);
        repeatAction = std::move(action);
        repeatHeld = true;
        ++repeatGeneration;
    }
    repeatCondition.notify_one();
}

void ControllerDevice::endRepeat() {
    {
        std::lock_guard lock(repeatMutex);
        repeatHeld = false;
        ++repeatGeneration;
    }
    repeatCondition.notify_one();
}

void ControllerDevice::queueMacro(ActionPreference request) {
    {
        std::lock_guard lock(macroMutex);
        if (!macroRunning || macroQueue.size() >= kMacroQueueLimit) {
            return;
        }
        macroQueue.push_back(std::move(request));
    }
    macroCondition.notify_one();
}

std::optional<std::chrono::nanoseconds> ControllerDevice::repeatSpacing(
    const ActionPreference& action) {
    const ActionTiming timing = action.timing();
    if (action.actionType() < kFirstRepeatedType || action.actionType() > kLastRepeatedType ||
        timing.repeat <= 0) {
        return std::nullopt;
    }
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const double span = timing.delayRepeat == 0 ? 1.0 : timing.delayRepeat;
    const Milliseconds spacing =
        std::clamp(Milliseconds(span / timing.repeat), Milliseconds(kMinRepeatSpacing),
                   Milliseconds(kMaxRepeatSpacing));
    return std::chrono::duration_cast<std::chrono::nanoseconds>(spacing);
}

// The first performance follows the press at once; the next ones keep to a fixed rate, and
// one that runs late is followed by the next without a burst to catch up. Any change of the
// repeat state (release, another press, stop) ends a wait at once. An action that is not
// repeated leaves the worker asleep until such a change.
void ControllerDevice::repeatWorker() {
    std::unique_lock lock(repeatMutex);
    while (true) {
        repeatCondition.wait(lock, [this] { return !repeatRunning || repeatHeld; });
        if (!repeatRunning) {
            return;
        }
        const ActionPreference action = repeatAction;
        const uint32_t generation = repeatGeneration;
        const std::optional<std::chrono::nanoseconds> spacing = repeatSpacing(action);
        if (!spacing) {
            repeatCondition.wait(lock, [&] { return repeatChanged(generation); });
            continue;
        }
        Clock::time_point next = Clock::now();
        do {
            lock.unlock();
            executeAction(action, true);
            executeAction(action, false);
            next = std::max(next + *spacing, Clock::now());
            lock.lock();
        } while (
            !repeatCondition.wait_until(lock, next, [&] { return repeatChanged(generation); }));
    }
}

bool ControllerDevice::repeatChanged(uint32_t generation) const {
    return !repeatRunning || repeatGeneration != generation;
}

// Requests play strictly one after another, in the order of the presses.
void ControllerDevice::macroWorker() {
    while (const std::optional<ActionPreference> request = nextMacroRequest()) {
        playMacro(*request);
    }
}

std::optional<ActionPreference> ControllerDevice::nextMacroRequest() {
    std::unique_lock lock(macroMutex);
    macroCondition.wait(lock, [this] { return !macroRunning || !macroQueue.empty(); });
    if (!macroRunning) {
        return std::nullopt;
    }
    ActionPreference request = std::move(macroQueue.front());
    macroQueue.pop_front();
    return request;
}

// A macro deleted or renamed since the bindings were built plays nothing.
void ControllerDevice::playMacro(const ActionPreference& request) {
    const std::shared_ptr<MacroPreference> macro = resolveMacro(request.macroKey());
    if (!macro) {
        return;
    }
    const MacroGroupList groups = macro->groups();
    if (groups.empty()) {
        return;
    }
    playSteps(*groups[chooseGroup(request, groups.size())], 1);
}

// Successive presses of one control cycle through the groups; a control whose binding
// changed starts again at the first.
size_t ControllerDevice::chooseGroup(const ActionPreference& request, size_t groupCount) {
    if (groupCount == 1) {
        return 0;
    }
    MacroRotation& rotation = macroRotation[request.control()];
    std::string actionKey = request.key();
    if (rotation.control == request.control() && rotation.actionKey == actionKey) {
        rotation.lastGroup = (rotation.lastGroup + 1) % groupCount;
    } else {
        rotation = {request.control(), std::move(actionKey), 0};
    }
    return rotation.lastGroup;
}

bool ControllerDevice::playSteps(const MacroGroupPreference& group, int depth) {
    for (const std::shared_ptr<ActionPreference>& shared : group.actions()) {
        const ActionPreference step = *shared;
        if (step.actionType() == kActionTypeRunMacro) {
            if (!playNestedMacro(step, depth)) {
                return false;
            }
        } else {
            executeAction(step, true);
            executeAction(step, false);
        }
        if (!waitAfterStep(step)) {
            return false;
        }
    }
    return true;
}

// A macro run as a step plays its first group: the rotation belongs to the control that was
// pressed.
bool ControllerDevice::playNestedMacro(const ActionPreference& step, int depth) {
    const std::shared_ptr<MacroPreference> macro = resolveMacro(step.macroKey());
    if (!macro) {
        return true;
    }
    if (depth >= kMacroDepthLimit) {
        LogManager::instance().log('W',
                                   "Macro \"%s\" would run %d macros deep, as one that runs "
                                   "itself does: the play ends here",
                                   macro->name().c_str(), depth + 1);
        return false;
    }
    const MacroGroupList groups = macro->groups();
    return groups.empty() || playSteps(*groups.front(), depth + 1);
}

std::chrono::milliseconds ControllerDevice::stepWait(const ActionPreference& step) {
    return std::chrono::milliseconds(
        std::clamp<int64_t>(step.timing().delayRepeat, 0, kMaxStepWait.count()));
}

// Only a stop shortens the wait: presses in the meantime are queued, not hurried.
bool ControllerDevice::waitAfterStep(const ActionPreference& step) {
    const std::chrono::milliseconds wait = stepWait(step);
    std::unique_lock lock(macroMutex);
    if (wait.count() > 0) {
        macroCondition.wait_until(lock, Clock::now() + wait, [this] { return !macroRunning; });
    }
    return macroRunning;
}

// Each query takes the store's lock. A load replaces the store's macros with new objects and
// leaves the old ones to whoever still holds them, so the macro in hand stays whole while
// another thread reads the file again; the agent changes no macro in place.
std::shared_ptr<MacroPreference> ControllerDevice::resolveMacro(const std::string& macroKey) const {
    const std::string name = store.macroName(macroKey);
    return name.empty() ? nullptr : store.macroByName(name);
}
