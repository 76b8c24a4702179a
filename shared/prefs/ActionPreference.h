#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPresets.h"
#include "shared/prefs/ApplicationContextConfiguration.h"
#include "shared/prefs/Preference.h"

class MacroGroupPreference;
class ProfilePreference;

inline constexpr uint32_t kActionTypeDisabled = 0;
inline constexpr uint32_t kActionTypeCommand = 11;
inline constexpr uint32_t kActionTypeRunMacro = 25;
inline constexpr uint32_t kActionTypeTypeText = 27;
inline constexpr uint32_t kActionTypeUnset = 29;
inline constexpr uint32_t kControlNone = 60;

// What one control does in one profile (optionally only while one application
// is in front), or one step of a macro group. Plain value: copies are
// independent, and a copy never refers back to the group that held it, only
// to that group's number, so it stays safe after the group is gone.
class ActionPreference : public Preference {
public:
    ActionPreference();
    ActionPreference(uint32_t deviceType, uint32_t deviceModel, uint32_t control,
                     ApplicationContextConfiguration context);

    // The default action of one control of a profile while the program at
    // programPath is in front. A control that the model lacks yields an
    // unset action with no owner, which is not valid.
    static ActionPreference makeDefault(uint32_t deviceModel, uint32_t control,
                                        const ProfilePreference& profile,
                                        const std::string& programPath);

    bool toJson(nlohmann::json& json) const override;
    // Always true: every member is optional and one of another JSON type is
    // ignored.
    bool fromJson(const nlohmann::json& json) override;
    bool isValid() const override;
    // The base key, then "#<ConfigName>#<AppWindowName>#<control name>", then
    // "#<MacroGroupID>" for a macro step.
    std::string key() const override;
    // The base value, plus 10000 for a context, plus 1000 for a window name.
    uint32_t specificity() const override;
    // The common part and, from another action, everything.
    void copyFrom(const Preference* other) override;

    // Compares what the user edits; kind, device type and model, the flags,
    // the owner group and the context's program path are left out.
    bool operator==(const ActionPreference& other) const;

    // Back to unset with no key, text, command or macro; a repeat preset
    // becomes preset 0, other timings stay.
    void reset();
    // Forgets the macro when it is the one under macroKey; a Run_Macro action
    // then becomes disabled.
    void clearMacroIfNamed(const std::string& macroKey);

    // The smallest repeat-preset index of the timing; 0 when none matches.
    uint32_t repeatType() const;
    void setRepeatType(uint32_t index);
    // The smallest wait-preset index of the timing; kMacroWaitTimeNone when none matches.
    uint32_t waitTimeType() const;
    void setWaitTimeType(uint32_t index);
    ActionTiming timing() const { return timing_; }
    void setTiming(ActionTiming timing) { timing_ = timing; }

    // 0 Shift, 1 Alt, 2 Ctrl, 3 Special; false for any other i.
    bool modifier(int32_t i) const;
    // Same numbering; any other i changes nothing.
    void setModifier(int32_t i, bool use);
    bool useCtrl() const { return useCtrl_; }
    bool useAlt() const { return useAlt_; }
    bool useShift() const { return useShift_; }
    bool useSpecial() const { return useSpecial_; }
    void setUseCtrl(bool use) { useCtrl_ = use; }
    void setUseAlt(bool use) { useAlt_ = use; }
    void setUseShift(bool use) { useShift_ = use; }
    void setUseSpecial(bool use) { useSpecial_ = use; }

    bool isDial() const;
    bool isJogWheelControl() const;
    bool isDialOrJogWheel() const;
    // Disabled and without a comment: the editor's "nothing bound".
    bool isEmpty() const;

    // Copies the store's configuration of that name; empty when unknown.
    void setAppContextByName(const std::string& configName);
    ApplicationContextConfiguration appContextConfiguration() const { return context_; }
    std::string appContextName() const { return context_.configName(); }
    std::string appContextPath() const { return context_.programContextPath(); }

    // Stores the key of the first macro with that name; empty when none.
    void setMacroToRunByName(const std::string& macroName);
    // The Name of the macro under the stored key; empty when none.
    std::string macroToRunName() const;
    std::string macroKey() const { return macroKey_; }

    // Lower case, as the preference files write it; empty for unset.
    std::string actionTypeName() const;

    // A group's step; the action keeps the group's number, never the group.
    // nullptr detaches it.
    void setOwnerMacroGroup(const MacroGroupPreference* group);

    uint32_t actionType() const { return actionType_; }
    void setActionType(uint32_t actionType) { actionType_ = actionType; }
    uint32_t control() const { return control_; }
    void setControl(uint32_t control) { control_ = control; }
    int64_t keyCode() const { return keyCode_; }
    void setKeyCode(int64_t keyCode) { keyCode_ = keyCode; }
    std::string command() const { return command_; }
    void setCommand(std::string command) { command_ = std::move(command); }
    std::string commandArgs() const { return commandArgs_; }
    void setCommandArgs(std::string commandArgs) { commandArgs_ = std::move(commandArgs); }
    std::string textToWrite() const { return textToWrite_; }
    void setTextToWrite(std::string text) { textToWrite_ = std::move(text); }
    // The editors offer one text field and one arguments field for both kinds: a command takes
    // both, typing takes the first as its text, and any other kind keeps neither.
    void setCommandOrText(std::string commandOrText, std::string commandArgs);
    std::string appWindowName() const { return appWindowName_; }
    void setAppWindowName(std::string name) { appWindowName_ = std::move(name); }
    std::string profile() const { return profile_; }
    void setProfile(std::string profileKey) { profile_ = std::move(profileKey); }
    std::string switchToProfile() const { return switchToProfile_; }
    void setSwitchToProfile(std::string profile) { switchToProfile_ = std::move(profile); }
    bool toggle() const { return toggle_; }
    void setToggle(bool toggle) { toggle_ = toggle; }
    bool isPressModifier() const { return pressModifier_; }
    void setPressModifier(bool pressModifier) { pressModifier_ = pressModifier; }

private:
    void readActionType(const nlohmann::json& json);
    void readMacroToRun(const nlohmann::json& json);
    void readTiming(const nlohmann::json& json);
    void readContext(const nlohmann::json& json);

    uint32_t actionType_ = kActionTypeUnset;
    uint32_t control_ = kControlNone;
    std::string textToWrite_;
    int64_t keyCode_ = 0;
    bool useCtrl_ = false;
    bool useAlt_ = false;
    bool useShift_ = false;
    bool useSpecial_ = false;
    std::string command_;
    std::string commandArgs_;
    std::string macroKey_;
    std::string appWindowName_;
    ApplicationContextConfiguration context_;
    ActionTiming timing_;
    std::string profile_;
    bool pressModifier_ = false;
    // The owning group's MacroGroupID; by value, so that no copy can dangle.
    std::optional<uint32_t> ownerGroupId_;
    bool toggle_ = false;
    std::string switchToProfile_;
};
