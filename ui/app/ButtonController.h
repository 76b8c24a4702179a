#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/EditResult.h"

class IPCManager;
class PreferencesStore;

// One control of one profile and the action bound to it, as the action editor
// sees it: the stored action, and a copy that the editor changes field by
// field and finally writes back into the profile. Created and filled by the
// profile's view model; QML only names its enums and calls it.
class ButtonController : public QObject {
    Q_OBJECT

public:
    // The control index.
    enum ButtonUI {
        Button_1 = 0,
        Button_2,
        Button_3,
        Button_4,
        Button_5,
        Button_6,
        Button_7,
        Button_8,
        Button_9,
        Button_10,
        Button_11,
        Button_12,
        Button_13,
        Button_14,
        Button_15,
        Button_DialLeft = 15,
        Button_DialRight,
        Button_JogWheelZone0 = 17,
        Button_JogWheelZone1,
        Button_JogWheelZone2,
        Button_JogWheelZone3,
        Button_JogWheelZone4,
        Button_JogWheelZone5,
        Button_JogWheelZone6,
        Button_JogWheelZone7,
        Button_JogWheelZone8,
        Button_JogWheelZone9,
        Button_JogWheelZone10,
        Button_JogWheelZone11,
        Button_JogWheelZone12,
        Button_JogWheelZone13,
        Button_JogWheelZone14,
        Button_JogWheelTransition0to1 = 32,
        Button_JogWheelTransition1to2,
        Button_JogWheelTransition2to3,
        Button_JogWheelTransition3to4,
        Button_JogWheelTransition4to5,
        Button_JogWheelTransition5to6,
        Button_JogWheelTransition6to7,
        Button_JogWheelTransition7to8,
        Button_JogWheelTransition8to9,
        Button_JogWheelTransition9to10,
        Button_JogWheelTransition10to11,
        Button_JogWheelTransition11to12,
        Button_JogWheelTransition12to13,
        Button_JogWheelTransition13to14,
        Button_JogWheelTransition14to13 = 46,
        Button_JogWheelTransition13to12,
        Button_JogWheelTransition12to11,
        Button_JogWheelTransition11to10,
        Button_JogWheelTransition10to9,
        Button_JogWheelTransition9to8,
        Button_JogWheelTransition8to7,
        Button_JogWheelTransition7to6,
        Button_JogWheelTransition6to5,
        Button_JogWheelTransition5to4,
        Button_JogWheelTransition4to3,
        Button_JogWheelTransition3to2,
        Button_JogWheelTransition2to1,
        Button_JogWheelTransition1to0,
        Button_Count = 60,
    };
    Q_ENUM(ButtonUI)

    // The rows of the editor's action list; 1, 4 and 10 are separators.
    enum MainActionEnum {
        Action_Disabled = 0,
        Action_UseDefaultSetting = 2,
        Action_SameAsLowerValue = 3,
        Action_TypeKeystroke = 5,
        Action_PressModifier = 6,
        Action_OpenFile = 7,
        Action_RunMacro = 8,
        Action_MouseAndSystemControls = 9,
        Action_TypeText = 11,
        Action_SwitchToProfile = 12,
        Action_Count = 13,
    };
    Q_ENUM(MainActionEnum)

    // The index of the repeat presets.
    enum RepetitionUI {
        OnceOnly = 0,
        HoldDown,
        AsFastAsPosible,
        Repeat60TimesPerSec,
        Repeat45TimesPerSec,
        Repeat30TimesPerSec,
        Repeat15TimesPerSec,
        Repeat10TimesPerSec,
        Repeat5TimesPerSec,
        Repeat2TimesPerSec,
        OnceEverySec,
        OnceEvery2Sec,
        OnceEvery3Sec,
        OnceEvery4Sec,
        RepetitionUICount,
    };
    Q_ENUM(RepetitionUI)

    // The modifier index of an action.
    enum ModifierType {
        ModifierType_None = -1,
        ModifierType_Shift = 0,
        ModifierType_Alt,
        ModifierType_Control,
        ModifierType_Special,
        ModifierType_Count,
    };
    Q_ENUM(ModifierType)

    // Why the store did not take an edit, as it tells it; the window words each one.
    enum EditRefusal {
        Refusal_None = static_cast<int>(EditResult::Refusal::None),
        // The profile of the control is gone.
        Refusal_ProfileGone = static_cast<int>(EditResult::Refusal::Missing),
        // The control already has a binding where the edit would add one.
        Refusal_BindingExists = static_cast<int>(EditResult::Refusal::BindingExists),
        // A disabled binding cannot stand beside the one the control takes its action from.
        Refusal_DisabledForApplication =
            static_cast<int>(EditResult::Refusal::DisabledBesideBinding),
    };
    Q_ENUM(EditRefusal)

    // The model's action types 0-27; a profile switch (28) has no name here.
    enum RealActionEnum {
        None = 0,
        LeftClick,
        RightClick,
        MiddleClick,
        FourthClick,
        FifthClick,
        LeftDoubleClick,
        LeftTripleClick,
        ClickLock,
        RightDoubleClick,
        RightClickLock,
        Command,
        PressKey,
        VolumeUp,
        VolumeDown,
        Mute,
        BrightnessUp,
        BrightnessDown,
        ScrollUp,
        ScrollDown,
        ScrollLeft,
        ScrollRight,
        UseDefaultSetting,
        SameAsLowerValue,
        OpenFile,
        RunMacro,
        MouseAndSystemControls,
        TypeText,
        Count,
    };
    Q_ENUM(RealActionEnum)

private:
    Q_PROPERTY(ButtonUI buttonType READ buttonType NOTIFY buttonTypeChanged)
    Q_PROPERTY(int mainActionType READ mainActionType NOTIFY mainActionTypeChanged)
    Q_PROPERTY(int realActionType READ getActionType NOTIFY mainActionTypeChanged)
    Q_PROPERTY(
        int editActionType READ editActionType WRITE setEditActionType NOTIFY editActionTypeChanged)
    Q_PROPERTY(int realEditActionType READ realEditActionType WRITE setRealEditActionType NOTIFY
                   editActionTypeChanged)
    Q_PROPERTY(bool isMainButton READ isMainButton NOTIFY isMainButtonChanged)
    Q_PROPERTY(bool isDialButton READ isDialButton NOTIFY isDialButtonChanged)
    Q_PROPERTY(bool isJogWheelButton READ isJogWheelButton NOTIFY isJogWheelButtonChanged)
    Q_PROPERTY(QString buttonGroup READ buttonGroup NOTIFY buttonGroupChanged)
    Q_PROPERTY(int editPressKey READ editPressKey WRITE setEditPressKey NOTIFY editPressKeyUpdated)
    Q_PROPERTY(QString editSwitchToProfileKey READ editSwitchToProfileKey WRITE
                   setEditSwitchToProfileKey NOTIFY editSwitchToProfileKeyUpdated)
    Q_PROPERTY(
        QString editComment READ editComment WRITE setEditComment NOTIFY actionCommentChanged)
    Q_PROPERTY(QString comment READ comment WRITE setComment NOTIFY actionCommentChanged)

public:
    // Edits go to the profiles of store; a saved edit is announced to the
    // agent through ipcManager while it lives.
    ButtonController(PreferencesStore& store, std::weak_ptr<IPCManager> ipcManager,
                     QObject* parent = nullptr);

    ButtonUI buttonType() const;
    int mainActionType() const;
    int editActionType() const;
    void setEditActionType(int mainAction);
    int realEditActionType() const { return realEditActionType_; }
    void setRealEditActionType(int actionType) { realEditActionType_ = actionType; }
    bool isMainButton() const;
    bool isDialButton() const;
    bool isJogWheelButton() const;
    QString buttonGroup() const;
    int editPressKey() const;
    void setEditPressKey(int uiKey);
    QString editSwitchToProfileKey() const;
    void setEditSwitchToProfileKey(const QString& profileKey);
    QString editComment() const;
    void setEditComment(const QString& comment);
    QString comment() const;
    void setComment(const QString& comment);

    Q_INVOKABLE void prepareForButtonEdit();
    // Writes the edit copy into its profile and returns the EditRefusal (Refusal_None when
    // the profile took it or there is nothing to store; a save that then failed is the
    // store's to tell). Without updatePrefsFile the file is neither saved nor announced: a
    // batch of edits does that once at its end.
    Q_INVOKABLE int applyEditSettings(const QString& contextConfigUsed = QString(),
                                      bool updatePrefsFile = true);
    Q_INVOKABLE int getActionType() const;
    Q_INVOKABLE bool getModifierStatus(ModifierType modif) const;
    Q_INVOKABLE bool getEditModifierStatus(ModifierType modif) const;
    Q_INVOKABLE void setEditModifierStatus(ModifierType modif, bool status);
    Q_INVOKABLE void setEditCommandAndCommandArgs(const QString& command,
                                                  const QString& commandArgs);
    Q_INVOKABLE void setMacroToRun(const QString& macroToRun);
    Q_INVOKABLE QString getMacroToRun() const;
    Q_INVOKABLE QString getCommandName() const;
    Q_INVOKABLE QString getCommandArgs() const;
    Q_INVOKABLE QString getTypeText() const;
    // The same of the edit copy, for the editor's Reset of a pane.
    Q_INVOKABLE QString getEditMacroToRun() const;
    Q_INVOKABLE QString getEditCommandName() const;
    Q_INVOKABLE QString getEditCommandArgs() const;
    Q_INVOKABLE QString getEditTypeText() const;
    // The edit copy becomes the control's factory action, or a disabled one
    // outside the default profile; nothing is stored.
    Q_INVOKABLE void resetToDefault();
    Q_INVOKABLE int getPressKey() const;
    Q_INVOKABLE QString getSwitchToProfileKey() const;
    Q_INVOKABLE RepetitionUI getRepeatType() const;
    Q_INVOKABLE RepetitionUI getEditRepeatType() const;
    Q_INVOKABLE void setRepeatType(RepetitionUI repType);

    // For the profile's view model.
    void setAction(const ActionPreference& action);
    bool isDefault() const { return action_.isDefault(); }
    bool toggle() const { return action_.toggle(); }
    void setEditToggle(bool toggle) { editAction_.setToggle(toggle); }
    void clearMacroIfNamed(const std::string& macroKey);

signals:
    void buttonTypeChanged();
    void mainActionTypeChanged();
    void editActionTypeChanged();
    void isMainButtonChanged();
    void isDialButtonChanged();
    void isJogWheelButtonChanged();
    void actionCommentChanged();
    void buttonGroupChanged();
    void editPressKeyUpdated();
    void editSwitchToProfileKeyUpdated();
    void reinitWindow();

private:
    PreferencesStore& store_;
    std::weak_ptr<IPCManager> ipcManager_;
    ActionPreference action_;
    ActionPreference editAction_;
    int32_t realEditActionType_ = static_cast<int32_t>(kActionTypeUnset);
};
