#pragma once

#include <QObject>
#include <QQmlListProperty>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "shared/prefs/ProfilePreference.h"
#include "ui/app/ButtonController.h"

class ApplicationController;
class ApplicationManager;

// One profile as QML sees it: its name and flags, and the button controllers of its main
// buttons, dial and jog wheel, rebuilt from the actions that apply in the context shown.
class ProfileController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int productType READ productType NOTIFY profilePreferenceChange)
    Q_PROPERTY(int modelType READ modelType NOTIFY profilePreferenceChange)
    Q_PROPERTY(QString name READ name NOTIFY profilePreferenceChange)
    Q_PROPERTY(bool isDefault READ isDefault NOTIFY profilePreferenceChange)
    Q_PROPERTY(QString profileKey READ profileKey NOTIFY profilePreferenceChange)
    Q_PROPERTY(bool isSelected READ isSelected NOTIFY isSelectedChanged)
    Q_PROPERTY(QQmlListProperty<ButtonController> listMainButtons READ listMainButtons NOTIFY
                   listButtonsUpdated)
    Q_PROPERTY(QQmlListProperty<ButtonController> listDialButtons READ listDialButtons NOTIFY
                   listButtonsUpdated)
    Q_PROPERTY(QQmlListProperty<ButtonController> listJogWheelButtons READ listJogWheelButtons
                   NOTIFY listButtonsUpdated)
    Q_PROPERTY(bool isDialToggled READ isDialToggled NOTIFY isDialToggledUpdated)
    Q_PROPERTY(bool isJogWheelToggled READ isJogWheelToggled NOTIFY isJogWheelToggledUpdated)
    Q_PROPERTY(bool appSpecificActive READ appSpecificActive WRITE setAppSpecificActive NOTIFY
                   appSpecificActiveChanged)

public:
    // The number of main buttons of a model; 0 for a model that has none.
    static int mainButtonCount(uint32_t deviceModel);

    // On the application manager's store and agent link.
    explicit ProfileController(QObject* parent = nullptr);
    explicit ProfileController(ApplicationManager& manager, QObject* parent = nullptr);

    int productType() const;
    int modelType() const;
    QString name() const;
    bool isDefault() const;
    QString profileKey() const;
    bool isSelected() const { return isSelected_; }
    QQmlListProperty<ButtonController> listMainButtons();
    QQmlListProperty<ButtonController> listDialButtons();
    QQmlListProperty<ButtonController> listJogWheelButtons();
    bool isDialToggled() const { return isDialToggled_; }
    bool isJogWheelToggled() const { return isJogWheelToggled_; }
    bool appSpecificActive() const;
    void setAppSpecificActive(bool active);

    Q_INVOKABLE void toggleDial(const QString& appContext = QString());
    Q_INVOKABLE void toggleJogWheel(const QString& appContext = QString());
    Q_INVOKABLE ButtonController* getActionDefaultProfileSetting(int btn) const;

    // For the device and application controllers.
    std::shared_ptr<ProfilePreference> profile() const { return profile_; }
    void setProfile(std::shared_ptr<ProfilePreference> profile, bool emitChange);
    void setSelected(bool selected);
    void connectOwner(ApplicationController* owner);
    // Brings the buttons in line with the actions; the global actions are kept as well
    // when the context shown is the global one.
    void rebuild(const ControlActionMap& actions, const std::string& contextPath);
    void clearMacroIfNamed(const std::string& macroKey);
    ButtonController* button(uint32_t control) const;

signals:
    void listButtonsUpdated();
    void isDialToggledUpdated();
    void isJogWheelToggledUpdated();
    void profilePreferenceChange();
    void isSelectedChanged();
    void appSpecificActiveChanged();

private:
    using ButtonMap = std::map<uint32_t, ButtonController*>;
    struct ControlRange {
        uint32_t first;
        uint32_t last;
    };
    // One of the three button lists: where it starts among the controls.
    struct ButtonList {
        uint32_t first;
        qsizetype (*count)(const ProfileController&);
    };

    static qsizetype listCount(QQmlListProperty<ButtonController>* list);
    static ButtonController* listAt(QQmlListProperty<ButtonController>* list, qsizetype index);
    static void listClear(QQmlListProperty<ButtonController>* list);
    QQmlListProperty<ButtonController> buttonList(const ButtonList& list);

    void updateButtons(ButtonMap& buttons, const ControlActionMap& actions);
    // The toggle flag of the first control of the range bound to a non-default action.
    void readToggle(ControlRange range, bool& toggled, void (ProfileController::*notify)());
    // Flips the toggle of the range's bound controls; the new state, or nullopt when the
    // profile has no buttons to flip.
    std::optional<bool> toggleRange(ControlRange range, const QString& appContext);

    ApplicationManager& manager_;
    bool isSelected_ = false;
    std::shared_ptr<ProfilePreference> profile_;
    ButtonMap buttons_;
    ButtonMap globalButtons_;
    bool isDialToggled_ = false;
    bool isJogWheelToggled_ = false;
};
