#pragma once

#include <QObject>
#include <QQmlListProperty>

#include <memory>
#include <vector>

#include "shared/prefs/MacroGroupPreference.h"
#include "ui/app/MacroGroupActionController.h"

class ApplicationController;
class ApplicationManager;

// One step group of a macro: its steps in order, the step being created, and whether the
// editor shows it unfolded.
class MacroGroupController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<MacroGroupActionController> listMacroGroupActionControllers READ
                   listMacroGroupActionControllers NOTIFY macroGroupChanged)
    Q_PROPERTY(MacroGroupActionController* editMacroAction READ editMacroAction NOTIFY
                   macroActionEditChanged)
    Q_PROPERTY(MacroGroupActionController* editMacroFinalAction READ editMacroFinalAction NOTIFY
                   macroActionEditFinalChanged)
    Q_PROPERTY(bool extended READ extended WRITE setExtended NOTIFY macroGroupChanged)

public:
    // On the application manager's store and agent link.
    explicit MacroGroupController(QObject* parent = nullptr);
    explicit MacroGroupController(ApplicationManager& manager, QObject* parent = nullptr);

    QQmlListProperty<MacroGroupActionController> listMacroGroupActionControllers();
    MacroGroupActionController* editMacroAction() const;
    MacroGroupActionController* editMacroFinalAction() const;
    bool extended() const { return extended_; }
    void setExtended(bool extended);

    // A new step, not yet in the group, for the step editor to fill.
    Q_INVOKABLE void generateNewMacroActionInEdit();
    // Appends the step being created when it is valid; the store's notification rebuilds.
    Q_INVOKABLE void applyEditSettings();
    Q_INVOKABLE void moveActionFromToIndex(int fromIndex, int toIndex);
    Q_INVOKABLE void deleteActionController(MacroGroupActionController* actionControllerToDelete);

    // For the macro's controller.
    std::shared_ptr<MacroGroupPreference> group() const { return group_; }
    void setGroup(std::shared_ptr<MacroGroupPreference> group, bool emitChange);
    void connectOwner(ApplicationController* owner);

signals:
    void macroGroupChanged();
    void macroActionEditChanged();
    void macroActionEditFinalChanged();

private:
    using ActionControllers = std::vector<std::shared_ptr<MacroGroupActionController>>;

    static qsizetype actionCount(QQmlListProperty<MacroGroupActionController>* list);
    static MacroGroupActionController* actionAt(QQmlListProperty<MacroGroupActionController>* list,
                                                qsizetype index);
    void rebuildAndNotify();

    ApplicationManager& manager_;
    std::shared_ptr<MacroGroupPreference> group_;
    ActionControllers actions_;
    std::shared_ptr<MacroGroupActionController> editAction_;
    // The editor binds to it; nothing in the program sets it.
    std::shared_ptr<MacroGroupActionController> finalAction_;
    bool extended_ = false;
};
