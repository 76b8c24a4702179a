// The main window's edits through the view models: profiles, bindings, toggles, macros and
// settings, checked against the files the program writes and the frames the agent receives,
// with the program's real agent link talking to a recording agent.

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include <sys/inotify.h>
#include <unistd.h>

#include "shared/prefs/ApplicationSettings.h"
#include "tests/ui/app/AppSession.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/AlertNotifyInterface.h"

namespace {

constexpr uint32_t kPrefsUpdate = 3;
constexpr uint32_t kSettingsUpdate = 4;
const QString kMaxDefault = "Profile##whirlen#whirlenmax#default";

QString maxProfileKey(const QString& name) {
    return "Profile##whirlen#whirlenmax#" + name;
}

nlohmann::json savedPreferences() {
    return nlohmann::json::parse(readFileBytes(defaultPreferencesFilePath()), nullptr, false);
}

std::optional<nlohmann::json> savedProfile(const nlohmann::json& document,
                                           const std::string& name) {
    for (const auto& profile : document["ProfilesPreferences"]) {
        if (profile["Name"] == name && profile["DeviceModel"] == "whirlenmax") {
            return profile;
        }
    }
    return std::nullopt;
}

// The profile's global action on a control, by its file name.
std::optional<nlohmann::json> savedAction(const std::string& profileName,
                                          const std::string& control) {
    const auto profile = savedProfile(savedPreferences(), profileName);
    if (!profile) {
        return std::nullopt;
    }
    for (const auto& action : (*profile)["Actions"]) {
        if (action["MouseButton"] == control && action.value("AppContextConfig", "") == "") {
            return action;
        }
    }
    return std::nullopt;
}

// The text that the profile's action on a control types under an application's configuration.
std::string savedContextText(const std::string& profileName, const std::string& control,
                             const std::string& context) {
    const auto profile = savedProfile(savedPreferences(), profileName);
    for (const auto& action : profile ? (*profile)["Actions"] : nlohmann::json::array()) {
        if (action["MouseButton"] == control && action.value("AppContextConfig", "") == context) {
            return action.value("TextToWrite", "");
        }
    }
    return {};
}

bool bindingsName(const QString& profileKey) {
    return readFileBytes(profileBindFilePath()).find(profileKey.toStdString()) != std::string::npos;
}

// Counts the times a file of the settings folder is replaced (files are written aside and
// renamed over the old one).
class FileReplacements {
public:
    explicit FileReplacements(std::string name)
        : name_(std::move(name)), watch_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        ::inotify_add_watch(watch_, settingsDirectory().c_str(), IN_MOVED_TO);
    }
    ~FileReplacements() { ::close(watch_); }

    int count() {
        alignas(inotify_event) char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(watch_, buffer, sizeof(buffer))) > 0) {
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                count_ += event->len > 0 && name_ == event->name ? 1 : 0;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count_;
    }

private:
    std::string name_;
    int watch_;
    int count_ = 0;
};

// Keeps the alert controller's receivers honest: a button press closes its own alert.
class ClosingReceiver : public AlertNotifyInterface {
public:
    explicit ClosingReceiver(AlertsController& alerts) : alerts_(alerts) {}
    void onAlertButtonPressed(const QString& alertHash, const QString& buttonText) override {
        pressed.append(buttonText);
        alerts_.callbackAlertClose(alertHash);
    }
    void onAlertClosed(const QString& alertHash) override { closed.append(alertHash); }

    QStringList pressed;
    QStringList closed;

private:
    AlertsController& alerts_;
};

}  // namespace

class ApplicationControllerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppSession> session;

    ApplicationController& controller() { return session->controller(); }
    DeviceController* selected() { return controller().selectedDeviceController(); }

    // One more preferences update than before reached the agent, with the file as given.
    void expectOneUpdate(size_t before) {
        QTRY_COMPARE(session->agent().count(kPrefsUpdate), before + 1);
    }

    // Adds a Max profile through the window and waits until the selection lists it.
    void addMaxProfile(const QString& name) {
        controller().addProfile(name);
        QTRY_VERIFY(selected()->profilesNames().contains(name));
    }

    ProfileController* activateMaxProfile(const QString& name) {
        addMaxProfile(name);
        controller().setActiveProfile(maxProfileKey(name));
        AppSession::settle();
        return selected()->selectedProfileController();
    }

    // Has button 1 of the selected profile type the text in the named configuration.
    bool bindTextInContext(const QString& text, const QString& context) {
        ButtonController* button = selected()->selectedProfileController()->button(0);
        if (button == nullptr) {
            return false;
        }
        button->prepareForButtonEdit();
        button->setEditActionType(ButtonController::Action_TypeText);
        button->setEditCommandAndCommandArgs(text, "");
        return button->applyEditSettings(context) == ButtonController::Refusal_None;
    }

    QString shownTextOfButtonOne() {
        ProfileController* profile = selected()->selectedProfileController();
        ButtonController* button = profile ? profile->button(0) : nullptr;
        return button ? button->getTypeText() : QString("none");
    }

    void useWriterContext() {
        QCOMPARE(controller().addApplicationContextConfiguration("Writer", "/usr/bin/writer"), 0);
        QTRY_COMPARE(controller().appContextList(), QStringList{"Writer"});
        controller().setSelectedAppContext("Writer");
    }

    // The edit was saved and then told to the agent once: the one new preferences update
    // found the file as it now stands.
    void expectOneUpdateAfterTheSave(size_t& updates) {
        ++updates;
        QTRY_COMPARE(session->agent().count(kPrefsUpdate), updates);
        AppSession::settle();
        QCOMPARE(session->agent().count(kPrefsUpdate), updates);
        const auto frames = session->agent().received();
        const auto last = std::find_if(frames.rbegin(), frames.rend(), [](const auto& frame) {
            return frame.type == kPrefsUpdate;
        });
        QVERIFY(last != frames.rend());
        QCOMPARE(last->defaultFile, readFileBytes(defaultPreferencesFilePath()));
    }

    void startSession(const std::string& defaultFile = std::string()) {
        session = std::make_unique<AppSession>(std::vector<std::string>{}, defaultFile);
        QVERIFY(session->start());
        QTRY_VERIFY(selected() != nullptr && selected()->selectedProfileController() != nullptr);
        QCOMPARE(selected()->modelType(), 1);
    }

private slots:
    void cleanup() { session.reset(); }

    void aProfileIsAddedAndRenamedButNotOntoATakenName() {
        startSession();
        const size_t before = session->agent().count(kPrefsUpdate);

        addMaxProfile("Work");
        expectOneUpdate(before);
        const auto sent = session->agent().received().back();
        QVERIFY(sent.defaultFile.find("\"Work\"") != std::string::npos);
        addMaxProfile("Play");
        expectOneUpdate(before + 1);

        controller().renameProfile(maxProfileKey("Work"), "Play");
        controller().renameProfile(maxProfileKey("Work"), "Studio");
        expectOneUpdate(before + 2);
        QVERIFY(savedProfile(savedPreferences(), "Studio"));
        QVERIFY(savedProfile(savedPreferences(), "Play"));
        QVERIFY(!savedProfile(savedPreferences(), "Work"));
        const auto sortedNames = [this] {
            QStringList names = selected()->profilesNames();
            names.sort();
            return names;
        };
        QTRY_COMPARE(sortedNames(), (QStringList{"Play", "Studio", "default"}));
    }

    void deletingAProfileDropsItsBindingsButTheDefaultProfileStays() {
        startSession();
        addMaxProfile("Work");
        controller().setActiveProfile(maxProfileKey("Work"));
        QVERIFY(bindingsName(maxProfileKey("Work")));
        // The announcement, the new profile and the binding.
        const size_t before = 3;
        QTRY_COMPARE(session->agent().count(kPrefsUpdate), before);

        controller().deleteProfile(kMaxDefault);
        controller().deleteProfile(maxProfileKey("Work"));
        expectOneUpdate(before);
        QVERIFY(!savedProfile(savedPreferences(), "Work"));
        QVERIFY(savedProfile(savedPreferences(), "default"));
        QVERIFY(!bindingsName(maxProfileKey("Work")));
        // The device falls back on its model's default profile.
        QTRY_COMPARE(selected()->selectedProfileKey(), kMaxDefault);
    }

    void anEditAfterSwitchingProfilesLandsInTheNewProfile() {
        startSession();
        ProfileController* work = activateMaxProfile("Work");
        QVERIFY(work != nullptr);
        QCOMPARE(work->profileKey(), maxProfileKey("Work"));
        QCOMPARE(selected()->selectedProfileKey(), maxProfileKey("Work"));
        const auto defaultBefore = savedAction("default", "DeviceButton_1");

        ButtonController* button = work->button(0);
        QVERIFY(button != nullptr);
        button->prepareForButtonEdit();
        button->setEditActionType(ButtonController::Action_TypeText);
        button->setEditCommandAndCommandArgs("typed", "");
        button->applyEditSettings();

        const auto edited = savedAction("Work", "DeviceButton_1");
        QVERIFY(edited);
        QCOMPARE((*edited)["ActionType"].get<std::string>(), std::string("typetext"));
        QCOMPARE(savedAction("default", "DeviceButton_1"), defaultBefore);
    }

    void aDialToggleSavesOnceAndReadsBackAfterARestart() {
        startSession();
        ProfileController* work = activateMaxProfile("Work");
        // Only the last control of the dial is bound.
        ButtonController* right = work->button(ButtonController::Button_DialRight);
        right->prepareForButtonEdit();
        right->setEditActionType(ButtonController::Action_TypeText);
        right->setEditCommandAndCommandArgs("right", "");
        right->applyEditSettings();
        const size_t before = 4;
        QTRY_COMPARE(session->agent().count(kPrefsUpdate), before);
        QSignalSpy toggled(work, &ProfileController::isDialToggledUpdated);
        FileReplacements saves("pelvane_default.json");

        work->toggleDial();
        QCOMPARE(saves.count(), 1);

        QVERIFY(work->isDialToggled());
        QCOMPARE(toggled.count(), 1);
        expectOneUpdate(before);
        QCOMPARE((*savedAction("Work", "DeviceDialRight"))["Toggle"].get<bool>(), true);
        QVERIFY(!savedAction("Work", "DeviceDialLeft"));

        const std::string saved = readFileBytes(defaultPreferencesFilePath());
        session.reset();
        startSession(saved);
        QTRY_VERIFY(selected()->profilesNames().contains("Work"));
        controller().setActiveProfile(maxProfileKey("Work"));
        QTRY_VERIFY(selected()->selectedProfileController()->isDialToggled());
    }

    void aJogWheelToggleOfUnboundControlsDisablesTheFirstOne() {
        startSession();
        ProfileController* work = activateMaxProfile("Work");
        const size_t before = 3;
        QTRY_COMPARE(session->agent().count(kPrefsUpdate), before);
        FileReplacements saves("pelvane_default.json");

        work->toggleJogWheel();
        QCOMPARE(saves.count(), 1);

        QVERIFY(work->isJogWheelToggled());
        expectOneUpdate(before);
        const auto first = savedAction("Work", "DeviceJogWheelZone-7");
        QVERIFY(first);
        QCOMPARE((*first)["ActionType"].get<std::string>(), std::string("disabled"));
        QCOMPARE((*first)["Toggle"].get<bool>(), true);

        // A second bound control: the batch flips both, with one save and one message.
        QTRY_VERIFY(!work->button(ButtonController::Button_JogWheelZone0)->isDefault());
        ButtonController* zone = work->button(ButtonController::Button_JogWheelZone3);
        zone->prepareForButtonEdit();
        zone->setEditActionType(ButtonController::Action_TypeText);
        zone->setEditCommandAndCommandArgs("zone", "");
        zone->applyEditSettings();
        expectOneUpdate(before + 1);
        QCOMPARE(saves.count(), 2);

        work->toggleJogWheel();
        QCOMPARE(saves.count(), 3);
        QVERIFY(!work->isJogWheelToggled());
        expectOneUpdate(before + 2);
        QCOMPARE((*savedAction("Work", "DeviceJogWheelZone-7"))["Toggle"].get<bool>(), false);
        QCOMPARE((*savedAction("Work", "DeviceJogWheelZone-4"))["Toggle"].get<bool>(), false);
        QVERIFY(!savedAction("Work", "DeviceJogWheelZone-6"));

        work->toggleJogWheel();
        QCOMPARE(saves.count(), 4);
        QVERIFY(work->isJogWheelToggled());
        expectOneUpdate(before + 3);
        QCOMPARE((*savedAction("Work", "DeviceJogWheelZone-7"))["Toggle"].get<bool>(), true);
        QCOMPARE((*savedAction("Work", "DeviceJogWheelZone-4"))["Toggle"].get<bool>(), true);
    }

    void aToggleOnAProfileWithoutButtonsDoesNothing() {
        startSession();
        ProfileController profile(session->manager());
        QSignalSpy toggled(&profile, &ProfileController::isDialToggledUpdated);
        const std::string file = readFileBytes(defaultPreferencesFilePath());

        profile.toggleDial();
        profile.toggleJogWheel();

        QCOMPARE(toggled.count(), 0);
        QVERIFY(!profile.isDialToggled());
        QCOMPARE(readFileBytes(defaultPreferencesFilePath()), file);
    }

    void macrosGroupsAndStepsAreSavedMovedAndDeleted() {
        startSession();
        size_t updates = session->agent().count(kPrefsUpdate);
        controller().addMacro("Greet");
        expectOneUpdateAfterTheSave(updates);
        QTRY_COMPARE(controller().listMacroNames(), QStringList{"Greet"});
        MacroController* macro = controller().getMacroController("Greet");
        QVERIFY(macro != nullptr);

        macro->addNewMacroGroup();
        expectOneUpdateAfterTheSave(updates);
        macro->addNewMacroGroup();
        expectOneUpdateAfterTheSave(updates);
        auto groups = macro->listMacroGroupControllers();
        QTRY_COMPARE(groups.count(&groups), qsizetype{2});
        QPointer<MacroGroupController> first = groups.at(&groups, 0);
        QPointer<MacroGroupController> second = groups.at(&groups, 1);

        first->generateNewMacroActionInEdit();
        MacroGroupActionController* text = first->editMacroAction();
        QCOMPARE(text->editActionType(),
                 int(MacroGroupActionController::MacroAction_MouseAndSystemControls));
        text->setEditActionType(MacroGroupActionController::MacroAction_TypeText);
        text->setEditCommandAndCommandArgs("hello", "");
        first->applyEditSettings();
        expectOneUpdateAfterTheSave(updates);
        first->generateNewMacroActionInEdit();
        first->editMacroAction()->setEditActionType(
            MacroGroupActionController::MacroAction_TypeKeystroke);
        first->applyEditSettings();
        expectOneUpdateAfterTheSave(updates);
        QVERIFY(first->editMacroAction() == nullptr);

        auto steps = first->listMacroGroupActionControllers();
        QTRY_COMPARE(steps.count(&steps), qsizetype{2});
        QPointer<MacroGroupActionController> typed = steps.at(&steps, 0);
        auto savedSteps = [] {
            std::vector<std::string> types;
            const auto document = savedPreferences();
            for (const auto& group : document["Macros"][0]["MacroGroups"]) {
                for (const auto& step : group["Actions"]) {
                    types.push_back(step["ActionType"].get<std::string>());
                }
                types.push_back("|");
            }
            return types;
        };
        QCOMPARE(savedSteps(), (std::vector<std::string>{"typetext", "keypress", "|", "|"}));

        first->moveActionFromToIndex(0, 1);
        QCOMPARE(savedSteps(), (std::vector<std::string>{"keypress", "typetext", "|", "|"}));
        expectOneUpdateAfterTheSave(updates);
        QTRY_COMPARE(steps.at(&steps, 1), typed.data());

        macro->moveGroupFromToIndex(0, 1);
        QCOMPARE(savedSteps(), (std::vector<std::string>{"|", "keypress", "typetext", "|"}));
        expectOneUpdateAfterTheSave(updates);
        QTRY_COMPARE(groups.at(&groups, 1), first.data());
        QCOMPARE(groups.at(&groups, 0), second.data());
        QVERIFY(!typed.isNull());

        first->deleteActionController(typed);
        QCOMPARE(savedSteps(), (std::vector<std::string>{"|", "keypress", "|"}));
        expectOneUpdateAfterTheSave(updates);
        macro->deleteMacroGroup(2);
        macro->deleteMacroGroup(-1);
        macro->deleteMacroGroup(0);
        QCOMPARE(savedSteps(), (std::vector<std::string>{"keypress", "|"}));
        expectOneUpdateAfterTheSave(updates);
        QTRY_COMPARE(groups.count(&groups), qsizetype{1});
        QCOMPARE(groups.at(&groups, 0), first.data());
    }

    void aMacroIsRenamedAndDeletedAndTheAgentIsToldEachTime() {
        startSession();
        controller().addMacro("Alpha");
        controller().addMacro("beta");
        QTRY_COMPARE(controller().listMacroNames(), (QStringList{"Alpha", "beta"}));
        QTRY_COMPARE(controller().listMacroNameIndex(), 1);
        MacroController* alpha = controller().getMacroController("Alpha");
        const size_t before = 3;
        QTRY_COMPARE(session->agent().count(kPrefsUpdate), before);

        controller().renameMacro("Alpha", "beta");
        controller().renameMacro("Alpha", "Gamma");
        expectOneUpdate(before);
        QTRY_COMPARE(controller().listMacroNames(), (QStringList{"beta", "Gamma"}));
        QCOMPARE(controller().getMacroController("Gamma"), alpha);
        QTRY_COMPARE(controller().listMacroNameIndex(), 1);

        controller().deleteMacro("Gamma");
        expectOneUpdate(before + 1);
        QTRY_COMPARE(controller().listMacroNames(), QStringList{"beta"});
        QVERIFY(controller().getMacroController("Gamma") == nullptr);
    }

    // A handler of the controllers' signals may call back into the application controller.
    void signalsOfARebuildMayCallBackIntoTheController() {
        startSession();
        controller().addMacro("Alpha");
        QTRY_VERIFY(controller().getMacroController("Alpha") != nullptr);
        MacroController* alpha = controller().getMacroController("Alpha");
        int found = 0;
        connect(alpha, &MacroController::macroChanged, this,
                [&] { found += controller().getMacroController("Alpha") == alpha ? 1 : 0; });
        controller().addMacro("Beta");
        QTRY_VERIFY(found >= 1);
    }

    void waitTimeRowsMapToPresetsBothWays_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("row");
        for (const auto& [preset, row] : std::vector<std::pair<int, int>>{
                 {0, 0}, {1, 2}, {2, 3}, {3, 4}, {4, 6}, {7, 10}, {13, 18}}) {
            QTest::addRow("preset %d", preset) << preset << row;
        }
    }

    void waitTimeRowsMapToPresetsBothWays() {
        QFETCH(int, preset);
        QFETCH(int, row);
        QCOMPARE(MacroGroupActionController::waitTimeRow(static_cast<uint32_t>(preset)), row);
        QCOMPARE(MacroGroupActionController::waitTimePreset(row), static_cast<uint32_t>(preset));
    }

    void waitTimeRowsOfSeparatorsAndUnknownTimings() {
        QCOMPARE(MacroGroupActionController::waitTimeRow(14), 0);
        QCOMPARE(MacroGroupActionController::waitTimePreset(5), 3u);
        QCOMPARE(MacroGroupActionController::waitTimePreset(-3), 0u);
    }

    void settingsAreWrittenAndOnlyTheUpdateCheckIsToldToTheAgent() {
        startSession();
        ApplicationSettings& settings = session->manager().settings();
        const size_t before = session->agent().count(kSettingsUpdate);

        controller().setDownloadPermission(!controller().downloadPermission());
        controller().setInstallPermission(!controller().installPermission());
        controller().setConfigSyncPermission(!controller().configSyncPermission());
        controller().setCurrentUiThemeIndex(1 - controller().currentUiThemeIndex());
        QSignalSpy theme(&controller(), &ApplicationController::currentThemeIndexChanged);
        controller().setCurrentUiThemeIndex(2);
        QCOMPARE(theme.count(), 0);
        controller().setCheckUpdatesInterval(4);
        controller().setCheckUpdatesInterval(-1);
        controller().setCheckUpdatesInterval(controller().checkUpdatesInterval());
        AppSession::settle();
        QCOMPARE(session->agent().count(kSettingsUpdate), before);

        const int interval = (controller().checkUpdatesInterval() + 1) % 4;
        controller().setCheckUpdatesInterval(interval);
        controller().setCheckUpdatesPermission(!controller().checkUpdatesPermission());
        QTRY_COMPARE(session->agent().count(kSettingsUpdate), before + 2);

        ApplicationSettings reread(settings.settingsFilePath());
        QVERIFY(reread.load());
        QCOMPARE(reread.downloadPermission(), controller().downloadPermission());
        QCOMPARE(reread.installPermission(), controller().installPermission());
        QCOMPARE(reread.softwareConfigSyncPermission(), controller().configSyncPermission());
        QCOMPARE(reread.uiTheme(), controller().currentUiThemeIndex());
        QCOMPARE(reread.softwareCheckForUpdatesPermission(), controller().checkUpdatesPermission());
        QCOMPARE(reread.softwareCheckForUpdatesInterval(),
                 reread.softwareCheckForUpdatesIntervals()[static_cast<size_t>(interval)]);
        QCOMPARE(controller().checkUpdatesIntervals(),
                 (QStringList{"12 h", "24 h", "48 h", "72 h"}));
        QCOMPARE(controller().checkNotificationsIntervals(),
                 (QStringList{"OFF", "5 min", "10 min", "15 min", "20 min"}));
    }

    void applicationContextsFollowTheStore() {
        startSession();
        QCOMPARE(controller().addApplicationContextConfiguration("Editor", "/usr/bin/editor"), 0);
        QCOMPARE(controller().addApplicationContextConfiguration("Editor", "/usr/bin/other"),
                 1 << ApplicationController::NameAlreadyExists);
        QCOMPARE(controller().addApplicationContextConfiguration("Other", "/usr/bin/editor"),
                 1 << ApplicationController::ProgramPathAlreadyExists);
        QCOMPARE(controller().appContextList(), QStringList{"Editor"});
        controller().setSelectedAppContext("Editor");
        QCOMPARE(controller().indexSelectedAppContext(), 1);

        QSignalSpy context(&controller(), &ApplicationController::selectedAppContextUpdated);
        controller().deleteConfiguration("Editor");
        QCOMPARE(controller().selectedAppContext(), QString());
        QCOMPARE(context.count(), 1);
        QCOMPARE(controller().indexSelectedAppContext(), 0);
    }

    // Back on the general bindings, the list shows them again, not the application's.
    void leavingAContextShowsTheGeneralBindingsAgain() {
        startSession();
        const int generalType = selected()->selectedProfileController()->button(0)->getActionType();
        useWriterContext();
        QVERIFY(bindTextInContext("in writer", "Writer"));
        QTRY_COMPARE(shownTextOfButtonOne(), QString("in writer"));

        controller().setSelectedAppContext("");
        AppSession::settle();
        QTRY_COMPARE(selected()->selectedProfileController()->button(0)->getActionType(),
                     generalType);
        QCOMPARE(shownTextOfButtonOne(), QString());
        QCOMPARE(savedContextText("default", "DeviceButton_1", "Writer"), std::string("in writer"));
    }

    // The entry that takes the selection from an unplugged device shows and edits the
    // application's configuration that was chosen.
    void theSelectionAfterAnUnplugKeepsTheChosenContext() {
        startSession();
        session->setUptime(2);
        ConnectedDevice device(1, 1, true, "m1", "dummy", "dummy");
        QVERIFY(session->agent().report({device}));
        QTRY_VERIFY(!selected()->isConfiguration());
        useWriterContext();
        QVERIFY(bindTextInContext("in writer", "Writer"));
        QTRY_COMPARE(shownTextOfButtonOne(), QString("in writer"));

        QVERIFY(session->agent().report({}));
        QTRY_VERIFY(selected()->isConfiguration());
        QCOMPARE(controller().selectedAppContext(), QString("Writer"));
        QTRY_COMPARE(shownTextOfButtonOne(), QString("in writer"));
        QVERIFY(bindTextInContext("edited", "Writer"));
        QCOMPARE(savedContextText("default", "DeviceButton_1", "Writer"), std::string("edited"));
    }

    // A file that cannot be read is told of once, with the name it is then set aside under.
    void aDamagedFileIsToldOfOnceAndSetAsideAtTheNextSave() {
        const std::string keptAs = defaultPreferencesFilePath() + ".damaged";
        std::filesystem::remove(keptAs);
        const std::string damaged = "{\"MajorVersion\": 1, \"MinorVersion\": 1, \"Profiles";
        session = std::make_unique<AppSession>(std::vector<std::string>{}, damaged);
        QSignalSpy told(&controller(), &ApplicationController::preferencesDamaged);
        QVERIFY(session->start());
        QTRY_COMPARE(told.count(), 1);
        QCOMPARE(told.at(0).at(0).toString(), QString::fromStdString(keptAs));
        controller().forceUpdatePrefs();
        QCOMPARE(told.count(), 1);

        addMaxProfile("Work");
        QCOMPARE(readFileBytes(keptAs), damaged);
        QVERIFY(savedProfile(savedPreferences(), "Work"));
        controller().forceUpdatePrefs();
        QCOMPARE(told.count(), 1);
        std::filesystem::remove(keptAs);
    }

    void aReceiverClosesItsOwnAlertFromItsButton() {
        startSession();
        AlertsController& alerts = *controller().alertsController();
        ClosingReceiver receiver(alerts);
        auto alert = std::make_shared<UiAlert>("hash-1", "Title", &receiver);
        alert->addButton(std::make_shared<UiAlertButton>("OK", &receiver));
        QSignalSpy shown(&alerts, &AlertsController::showAlertToUi);
        QVERIFY(alerts.showAlert(alert));
        QTRY_COMPARE(shown.count(), 1);
        const auto buttons = shown.at(0).at(5).toList();
        QCOMPARE(buttons.at(0).toMap().value("txt").toString(), QString("OK"));

        alerts.callbackAlertButton("hash-1", "");
        alerts.callbackAlertButton("hash-1", "OK");
        QCOMPARE(receiver.pressed, QStringList{"OK"});
        QCOMPARE(receiver.closed, QStringList{"hash-1"});
        alerts.callbackAlertButton("hash-1", "OK");
        QCOMPARE(receiver.pressed, QStringList{"OK"});
    }

    void onPreferencesUpdatedRunsOnTheMainThreadAfterTheAgentsReload() {
        startSession();
        QSignalSpy prefs(&controller(), &ApplicationController::prefsUpdated);
        bool offMainThread = false;
        connect(
            &controller(), &ApplicationController::prefsUpdated, this,
            [&] { offMainThread |= QThread::currentThread() != thread(); }, Qt::DirectConnection);
        const std::vector<uint8_t> reload = {'#', '_', 3, 0, 0, 0, 2, 0, 0, 0, '{', '}'};
        QVERIFY(session->agent().connection() >= 0);
        QVERIFY(ipctest::sendRaw(session->agent().connection(), reload));
        QTRY_VERIFY(prefs.count() >= 1);
        QVERIFY(!offMainThread);
    }
};

WHIRLEN_QT_TEST_MAIN(ApplicationControllerTest)
#include "ApplicationControllerTest.moc"
