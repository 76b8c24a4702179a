#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "shared/prefs/ActionPreference.h"

class ApplicationManager;

// One step of a macro group as the step editor sees it. Its writes change the step in place;
// only a new waiting time is saved at once, the rest when the group is applied.
class MacroGroupActionController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int editPressKey READ editPressKey WRITE setEditPressKey NOTIFY macroActionChanged)
    Q_PROPERTY(
        int editActionType READ editActionType WRITE setEditActionType NOTIFY macroActionChanged)
    Q_PROPERTY(
        int realActionType READ realActionType WRITE setRealActionType NOTIFY macroActionChanged)
    Q_PROPERTY(int indexWaitTimeType READ indexWaitTimeType WRITE setIndexWaitTimeType NOTIFY
                   macroActionChanged)

public:
    enum MainMacroActionsEnum {
        MacroAction_TypeKeystroke = 0,
        MacroAction_PressModifier,
        MacroAction_TypeText,
        MacroAction_OpenFile,
        MacroAction_MouseAndSystemControls,
        MacroAction_Count,
    };
    Q_ENUM(MainMacroActionsEnum)

    enum ModifierType {
        ModifierType_None = -1,
        ModifierType_Shift = 0,
        ModifierType_Alt,
        ModifierType_Control,
        ModifierType_Special,
        ModifierType_Count,
    };
    Q_ENUM(ModifierType)

    // The waiting-time list's row of a wait preset, and back: the list has a separator row
    // before every three presets.
    static int waitTimeRow(uint32_t preset);
    static uint32_t waitTimePreset(int row);

    // On the application manager's store and agent link.
    explicit MacroGroupActionController(QObject* parent = nullptr);
    explicit MacroGroupActionController(ApplicationManager& manager, QObject* parent = nullptr);

    int editPressKey() const;
    void setEditPressKey(int uiKey);
    int editActionType() const;
    void setEditActionType(int macroAction);
    int realActionType() const;
    void setRealActionType(int actionType);
    int indexWaitTimeType() const;
    void setIndexWaitTimeType(int row);

    Q_INVOKABLE int getPressKey() const { return editPressKey(); }
    Q_INVOKABLE bool getModifierStatus(ModifierType modif) const;
    Q_INVOKABLE void setEditModifierStatus(ModifierType modif, bool status);
    Q_INVOKABLE void setEditCommandAndCommandArgs(const QString& command,
                                                  const QString& commandArgs);
    Q_INVOKABLE QString getCommandName() const;
    Q_INVOKABLE QString getTypeText() const;

    // For the group's controller.
    std::shared_ptr<ActionPreference> action() const { return action_; }
    void setAction(std::shared_ptr<ActionPreference> action) { action_ = std::move(action); }

signals:
    void macroActionChanged();

private:
    ApplicationManager& manager_;
    std::shared_ptr<ActionPreference> action_;
};
