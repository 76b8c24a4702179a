#pragma once

#include <QObject>
#include <QQmlListProperty>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "shared/prefs/MacroPreference.h"
#include "ui/app/MacroGroupController.h"

class ApplicationController;
class ApplicationManager;

// One macro as the macro editor sees it: its name and its step groups in order. QML never
// owns one it is handed: the application controller keeps it across rebuilds.
class MacroController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY macroChanged)
    Q_PROPERTY(QQmlListProperty<MacroGroupController> listMacroGroupControllers READ
                   listMacroGroupControllers NOTIFY macroChanged)

public:
    // On the application manager's store and agent link.
    explicit MacroController(QObject* parent = nullptr);
    explicit MacroController(ApplicationManager& manager, QObject* parent = nullptr);

    QString name() const;
    QQmlListProperty<MacroGroupController> listMacroGroupControllers();

    Q_INVOKABLE void addNewMacroGroup();
    Q_INVOKABLE void deleteMacroGroup(int index);
    Q_INVOKABLE void moveGroupFromToIndex(int fromIndex, int toIndex);

    // For the application controller.
    std::shared_ptr<MacroPreference> macro() const { return macro_; }
    void setMacro(std::shared_ptr<MacroPreference> macro, bool emitChange);
    void connectOwner(ApplicationController* owner);
    std::string macroKey() const;

signals:
    void macroChanged();

private:
    using GroupControllers = std::vector<std::shared_ptr<MacroGroupController>>;

    static qsizetype groupCount(QQmlListProperty<MacroGroupController>* list);
    static MacroGroupController* groupAt(QQmlListProperty<MacroGroupController>* list,
                                         qsizetype index);
    void rebuild();
    void rebuildAndNotify();

    ApplicationManager& manager_;
    std::shared_ptr<MacroPreference> macro_;
    GroupControllers groups_;
    ApplicationController* owner_ = nullptr;
};
