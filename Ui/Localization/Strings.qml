pragma Singleton
import QtQuick
import PlatformInfo 1.0

// Every text the window shows. Properties are bindings on qsTr(), so a newly installed
// catalogue re-translates every document at once; arrays indexed by the controllers' enums
// keep the enums' order.
Item {
    id: strings
    visible: false

    // Links and the maker's names: never translated.
    readonly property string webSiteUrl: "https://www.pelvane.example"
    readonly property string webSiteUrlSupport: "https://shop.pelvane.example/pages/support"
    readonly property string webSitePrivacyUrl: "https://shop.pelvane.example/policies/privacy-policy"
    readonly property string webSiteGDPRUrl: "https://eu.pelvane.example/pages/gdpr-compliance"
    readonly property string newSetUpLinkWhirlenMax: "https://shop.pelvane.example/pages/getting-started-with-pelvane-multimedia-controller"
    readonly property string provideFeedbackEmail: "mailto:feedback@pelvane.example"
    readonly property string webSiteLabel: "www.pelvane.example"
    readonly property string webSiteLabelSupport: "www.pelvane.example/support"

    //: Title of the main window
    readonly property string windowTitleName: qsTr("Pelvane Multimedia Controller Device Configuration")
    readonly property string contactButtonLabel: qsTr("Contact")
    readonly property string closeLabel: qsTr("Close")
    readonly property string minimizeLabel: qsTr("Minimise")
    readonly property string themeLabel: qsTr("Theme")
    readonly property string settingsLabel: qsTr("Settings")
    readonly property string supportButtonLabel: qsTr("Support")
    readonly property string importWarningMessage: qsTr("Importing a configuration replaces your current settings.")
    readonly property string operationSuccess: qsTr("The operation completed successfully.")
    readonly property string operationError: qsTr("The operation failed.")
    readonly property string chooseADirectory: qsTr("Choose a folder")
    //: Rights notice at the bottom of the window
    readonly property string copyRightLabel: qsTr("© 2026 Pelvane Design. All rights reserved.")
    readonly property string connectADeviceTxt: qsTr("Connect a device or create a configuration")
    readonly property string createAConfTxt: qsTr("Create a configuration")

    readonly property string globalSettingsTabTitle: qsTr("Global Settings")
    readonly property string globalSettingsTabDescription: qsTr("Choose what each control does in every application.")
    readonly property string appSpecificTabTitle: qsTr("Application specific")
    readonly property string appSpecificTabDescription: qsTr("Choose what each control does while a given application is in front.")
    readonly property string setUpTabTitle: qsTr("Set up")
    readonly property string setUpTabDescription: qsTr("Get your controller ready.")
    readonly property string aboutTabTitle: qsTr("About & Support")
    readonly property string aboutTabDescription: qsTr("Software version, updates and help.")

    readonly property string dialModeToggleOption1: qsTr("Use as Dial")
    readonly property string dialModeToggleOption2: qsTr("Use as Jog")
    readonly property string whirlenModeToggleOption1: qsTr("Use Jog Wheel Zones")
    readonly property string whirlenModeToggleOption2: qsTr("Use for scrolling")

    readonly property string clickToEditText: qsTr("Click to edit")
    readonly property string editText: qsTr("Edit")
    readonly property string choseAnApp: qsTr("Choose an application")
    readonly property string addCommentText: qsTr("Comment")
    readonly property string typeKeyTitleText: qsTr("Type Keystroke")
    readonly property string pressModifKeysTitleText: qsTr("Press Modifier Keys")
    readonly property string openFileOrFolderTitleText: qsTr("Run Program")
    readonly property string typeTextTitleText: qsTr("Type Text")
    readonly property string macroTitleText: qsTr("Run Macro")
    readonly property string mouseAndSystemTitleText: qsTr("Mouse & System Controls")
    readonly property string addTypeTextLabel: qsTr("Text to type")
    readonly property string selectModifText: qsTr("Select modifiers")
    readonly property string selectModifDescText: qsTr("The modifier keys held while the action runs.")
    readonly property string addKeyText: qsTr("Add key")
    readonly property string addKeyDescText: qsTr("Press a key, or pick one from the key list.")
    readonly property string repetitionsText: qsTr("Repetitions")
    readonly property string selectItemText: qsTr("Select item")
    readonly property string selectItemDescText: qsTr("Choose the program or file to open.")
    readonly property string selectItemButtonText: qsTr("Select")
    readonly property string mouseAndSystemDescText: qsTr("Choose a mouse or system action.")
    readonly property string scrollText: qsTr("Scroll")
    readonly property string scrollDescText: qsTr("Scroll the window under the pointer.")
    readonly property string mouseClickText: qsTr("Mouse click")
    readonly property string mouseClickDescText: qsTr("Click with a mouse button.")
    readonly property string volumeText: qsTr("Volume")
    readonly property string volumeDescText: qsTr("Change the sound volume.")
    readonly property string brightnessText: qsTr("Brightness")
    readonly property string brightnessDescText: qsTr("Change the screen brightness.")
    readonly property string upText: qsTr("Up")
    readonly property string downText: qsTr("Down")
    readonly property string leftText: qsTr("Left")
    readonly property string rightText: qsTr("Right")
    readonly property string oneText: qsTr("One")
    readonly property string doubleText: qsTr("Double")
    readonly property string tripleText: qsTr("Triple")
    readonly property string lockText: qsTr("Lock")
    readonly property string muteText: qsTr("Mute")

    readonly property string macroSelectionText: qsTr("Select a macro")
    readonly property string newText: qsTr("New")
    readonly property string addMacroText: qsTr("Add macro")
    readonly property string deleteMacroText: qsTr("Delete macro")
    readonly property string macroNameAlreadyExists: qsTr("Macro name already exists")
    readonly property string renameText: qsTr("Rename")
    readonly property string deleteText: qsTr("Delete")
    readonly property string appSpecificFunctionalityEnabled: qsTr("Application specific settings are on")
    readonly property string appSpecificFunctionalityDisabled: qsTr("Application specific settings are off")
    readonly property string addProfileText: qsTr("Enter the profile name")
    readonly property string deleteProfileText: qsTr("Delete this profile?")
    readonly property string defaultProfileIsReserved: qsTr("Profile name Default is reserved!")
    readonly property string profileNameAlreadyExists: qsTr("Profile name already exists")
    readonly property string generalPropertiesText: qsTr("General properties")
    readonly property string descriptionText: qsTr("Description")
    readonly property string actionSequenceText: qsTr("Action sequence")
    readonly property string addGroupText: qsTr("Add group")
    readonly property string delGroupText: qsTr("Delete group")
    readonly property string addActionText: qsTr("Add action")
    readonly property string editActionText: qsTr("Edit action")
    readonly property string removeActionText: qsTr("Remove action")
    readonly property string applyText: qsTr("Apply")
    readonly property string discardText: qsTr("Discard")
    readonly property string saveLatestChangesText: qsTr("Save the latest changes?")
    readonly property string wouldYouLikeToText: qsTr("Would you like to")
    readonly property string saveText: qsTr("Save")
    readonly property string goBackText: qsTr("Go back")
    readonly property string noneText: qsTr("None")
    readonly property string searchText: qsTr("Search")
    readonly property string notAssignedLabel: qsTr("Not assigned")
    readonly property string pressAnyKeyLabel: qsTr("Press any key")
    readonly property string keyListLabel: qsTr("Key list")
    readonly property string functionKeysLabel: qsTr("Function keys")
    readonly property string programPathToRun: qsTr("Program to run")
    readonly property string programArguments: qsTr("Arguments")
    readonly property string browseLabel: qsTr("Browse")
    readonly property string motionAndEditingKeysLabel: qsTr("Motion and editing keys")
    readonly property string numericPadKeysLabel: qsTr("Numeric pad keys")
    readonly property string multimediaKeysLabel: qsTr("Multimedia keys")
    readonly property string specialKeysLabel: qsTr("Special keys")
    readonly property string numLockLabel: qsTr("Num Lock")
    //: %1 is a digit or an operator of the numeric pad
    readonly property string numPadFormated: qsTr("NumPad %1")
    readonly property string decimalLabel: qsTr("Decimal")
    readonly property string enterLabel: qsTr("Enter")
    readonly property string internetBrowserLabel: qsTr("Internet browser")
    readonly property string mediaPlayerLabel: qsTr("Media player")
    readonly property string mailApplicationLabel: qsTr("Mail application")

    readonly property string visitOurSiteLabel: qsTr("Visit our site")
    readonly property string setUpTitle: qsTr("Set up your controller")
    readonly property string newSetUpInstructions: qsTr("Follow the getting-started guide to set up your controller.")
    readonly property string aboutTitle: qsTr("About")
    readonly property string aboutAndSupportLabel: qsTr("About & Support")
    //: %1 is the driver's version
    readonly property string driverDescription: qsTr("Driver v. %1")
    readonly property string troubleshootLabel: qsTr("Troubleshoot")
    readonly property string contactUsLabel: qsTr("Contact us")
    readonly property string hereToHelpLabel: qsTr("We are here to help")
    readonly property string provideFeedbackLabel: qsTr("Provide feedback to Pelvane")
    readonly property string resetToFactoryBtnLabel: qsTr("Reset to factory settings")
    readonly property string resetThisKeyToFactoryBtnLabel: qsTr("Reset this key")
    readonly property string yesLabel: qsTr("Yes")
    readonly property string noLabel: qsTr("No")
    readonly property string resetConfirmationText: qsTr("All settings were reset to their factory values.")
    readonly property string confirmationButtonText: qsTr("Ok")

    readonly property string welcomeText: qsTr("Welcome, ")
    readonly property string emailText: qsTr("Email")
    readonly property string accountInfoText: qsTr("Account information")
    readonly property string accountUsernameText: qsTr("User name")
    readonly property string accountEmailText: qsTr("Email address")
    readonly property string accountFirstNameText: qsTr("First name")
    readonly property string accountLastNameText: qsTr("Last name")
    readonly property string forgotPass: qsTr("Forgot your password?")
    readonly property string passwordText: qsTr("Password")
    readonly property string syncConfigText: qsTr("Synchronise configuration")
    readonly property string deleteAccountText: qsTr("Delete account")
    readonly property string deleteAccountConfirmQuestion: qsTr("Delete your account for good?")
    readonly property string loginText: qsTr("Sign in")
    readonly property string logoutText: qsTr("Sign out")
    readonly property string orSignInWithText: qsTr("or sign in with")
    readonly property string microsoftText: qsTr("Microsoft")
    readonly property string googleText: qsTr("Google")
    readonly property string createNewAccountText: qsTr("Create a new account")
    //: %1 is the number of the port on this computer to which the browser returns the sign-in
    readonly property string signInCannotStartText: qsTr("The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.")
    readonly property string acountDeletedText: qsTr("Your account was deleted.")
    readonly property string noActionChosenText: qsTr("You need to choose an action to apply")
    readonly property string fieldIsEmptyText: qsTr("Required field is empty")
    readonly property string resetToDefaultQ: qsTr("Reset to the default settings?")
    readonly property string bindingProfileGoneText: qsTr("The profile of this control no longer exists, so the change was not saved.")
    readonly property string bindingAlreadyExistsText: qsTr("This control already has another action here, so the change was not saved.")
    readonly property string bindingDisabledForApplicationText: qsTr("“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.")
    readonly property string preferencesDamagedText: qsTr("Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.")
    //: %1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system's own words)
    readonly property string preferencesNotSavedText: qsTr("Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.")
    // Why a change could not be saved, by the cause the program gives (SaveResult::Cause);
    // an empty entry stands for the system's own words.
    readonly property var saveFailureCausesText: ["", qsTr("there is no room left on the disk"), qsTr("the disk is read-only"), qsTr("you may not write there"), qsTr("a file or folder is in the way"), qsTr("its folder is missing")]

    readonly property string checkForUpdatesLabel: qsTr("Check for updates")
    readonly property string checkingForUpdatesLabel: qsTr("Checking for updates...")
    readonly property string timeoutCheckingForUpdatesLabel: qsTr("The update check timed out.")
    readonly property string updateCheckFailedLabel: qsTr("The update check failed.")
    readonly property string newSoftwareUpdateFoundWantToDownloadLabel: qsTr("A new version is available. Download it now?")
    readonly property string wantToInstallLabel: qsTr("The new version is downloaded. Install it now?")
    readonly property string softwareUpToDate: qsTr("Your software is up to date.")
    readonly property string downloadingSoftwareUpdate: qsTr("Downloading the update...")
    readonly property string softwareUpdateCanceledLabel: qsTr("The update was cancelled.")
    //: %1 is the date and time the cloud copy was saved, %2 its version number
    readonly property string cloudOrLocalConfigQuestion: qsTr("Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?")
    readonly property string cloudOrLocalConfigYesMsgQuestion: qsTr("Cloud")
    readonly property string cloudOrLocalConfigNoMsgQuestion: qsTr("Local")
    readonly property string cloudUploadConfigQuestion: qsTr("Upload your configuration to the cloud?")
    readonly property string cloudSyncResetToDefaultQuestion: qsTr("Reset the configuration in the cloud to the default?")
    readonly property string cloudDownloadInvalidConfigQuestion: qsTr("The configuration in the cloud is invalid. Replace it with this one?")
    readonly property string cloudUploadInvalidConfigQuestion: qsTr("This configuration is invalid. Reset it to the default?")
    readonly property string downloadingConfigCloud: qsTr("Downloading the configuration...")
    readonly property string configDownloadCanceledLabel: qsTr("The download was cancelled.")
    readonly property string uploadingConfigCloud: qsTr("Uploading the configuration...")
    readonly property string configUploadCanceledLabel: qsTr("The upload was cancelled.")
    readonly property string configResetCompletedLabel: qsTr("The configuration was reset.")
    readonly property string configSyncFailedLabel: qsTr("Synchronisation failed.")
    readonly property string configUploadFailedLabel: qsTr("The upload failed.")
    readonly property string configDownloadFailedLabel: qsTr("The download failed.")
    readonly property string settingsSyncedLabel: qsTr("Your settings are synchronised.")
    readonly property string cancelBtnLabel: qsTr("Cancel")

    readonly property string profilesBtnLabel: qsTr("Profiles")
    readonly property string selectProfilesLabel: qsTr("Select a profile")
    readonly property string changeProfileTooltip: qsTr("Change profile")
    readonly property string goBackToHome: qsTr("Go back")
    readonly property string profileMenuDescription: qsTr("Pick the profile the controller uses, or create a new one.")
    readonly property string editProfile: qsTr("Edit Profile")
    readonly property string applyToController: qsTr("Apply to controller")
    readonly property string createNewProfile: qsTr("Create new profile")
    readonly property string chooseAnActionText: qsTr("Choose an action")
    readonly property string switchToProfileTitleText: qsTr("Switch To Profile")
    readonly property string addSwitchToProfileLabel: qsTr("Profile to switch to")
    readonly property string applicationSpecificTitle: qsTr("Application specific")
    readonly property string applicationSpecificDescription: qsTr("Add an application to give the controls their own actions while it is in front.")
    readonly property string applicationConfigurationDeletedText: qsTr("The application configuration was deleted.")
    readonly property string deviceConfigurationDeletedText: qsTr("The device configuration was deleted.")
    readonly property string selectProgram: qsTr("Select a program")
    readonly property string macSecurityText: qsTr("Allow the program to control your computer")
    readonly property string macSecurityTutorial1: qsTr("Open System Preferences.")
    readonly property string macSecurityTutorial2: qsTr("Choose Security & Privacy.")
    readonly property string macSecurityTutorial3: qsTr("Open the Privacy tab.")
    readonly property string macSecurityTutorial4: qsTr("Select Accessibility.")
    readonly property string macSecurityTutorial5: qsTr("Tick the box beside the program.")
    readonly property string macOpenSecurityAndPrivacy: qsTr("Open Security & Privacy")
    readonly property string macMoveApp: qsTr("Move the program to Applications")
    readonly property string macMoveAppDetails: qsTr("The program works best from the Applications folder.")
    readonly property string deleteConfQ: qsTr("Delete this configuration?")
    readonly property string configDetails: qsTr("Configuration details")
    readonly property string configNameAlreadyExists: qsTr("Configuration name already exists")
    readonly property string configPathAlreadyExists: qsTr("A configuration for this program already exists")
    readonly property string configName: qsTr("Configuration name")
    readonly property string configurationText: qsTr("Configuration")
    readonly property string profileText: qsTr("Profile")
    readonly property string progContext: qsTr("Program")
    readonly property string confirmAlertTxt: qsTr("I understand!")
    readonly property string softwareUpdateCompleteLabel: qsTr("The update is installed. Restart your computer to finish.")
    readonly property string restartNowLabel: qsTr("Restart now")
    readonly property string restartLater: qsTr("Restart later")
    readonly property string allowDownloadWithoutPermissionLabel: qsTr("Download updates without asking")
    readonly property string allowInstallWithoutPermissionLabel: qsTr("Install updates without asking")
    readonly property string configSyncPermissionLabel: qsTr("Synchronise the configuration with the cloud")
    readonly property string allowCheckForUpdatesWithoutPermissionLabel: qsTr("Check for updates automatically")
    readonly property string checkForUpdatesIntervalLabel: qsTr("Update check interval")
    readonly property string checkForNotificationsIntervalLabel: qsTr("Notification check interval")
    readonly property string usedMacroDeleteQuestion: qsTr("This macro is in use. Delete it anyway?")
    readonly property string webSitePrivacyLabel: qsTr("Privacy policy")
    readonly property string webSiteGDPRLabel: qsTr("GDPR compliance")

    readonly property var deviceModelNames: ["", qsTr("Multimedia Controller Max"), qsTr(
            "Multimedia Controller Lite")]
    readonly property var mainActionsText: [qsTr("Disabled"), "", qsTr(
            "Use Default Profile Settings"), qsTr("Same as Lower Value"), "", qsTr(
            "Type Keystroke"), qsTr("Press Modifier Keys"), qsTr("Run Program"), qsTr(
            "Run Macro"), qsTr("Mouse & System Controls"), "", qsTr("Type Text"), qsTr(
            "Switch To Profile")]
    readonly property var mainMacroActionsText: [qsTr("Type Keystroke"), qsTr(
            "Press Modifier Keys"), qsTr("Type Text"), qsTr("Run Program"), qsTr(
            "Mouse & System Controls")]
    readonly property var mainActionDescriptionText: [qsTr("Type Key: "), qsTr("Press "), qsTr(
            "Run Program "), qsTr("Run Macro  "), qsTr("Do "), qsTr("Type Text"), qsTr(
            "Switch Profile to ")]
    readonly property var realActionDescriptionText: [qsTr("Disabled"), qsTr("Left Click"), qsTr(
            "Right Click"), qsTr("Middle Click"), qsTr("Fourth Click"), qsTr("Fifth Click"), qsTr(
            "Double Click"), qsTr("Triple Click"), qsTr("Click Lock"), qsTr(
            "Right Double Click"), qsTr("Right Click Lock"), qsTr("Command"), qsTr(
            "Press Key"), qsTr("Volume Up"), qsTr("Volume Down"), qsTr("Mute"), qsTr(
            "Brightness Up"), qsTr("Brightness Down"), qsTr("Scroll Up"), qsTr(
            "Scroll Down"), qsTr("Scroll Left"), qsTr("Scroll Right"), qsTr(
            "Use Default Setting"), qsTr("Same As Lower Value"), qsTr("Switch Settings"), qsTr(
            "Run Program"), qsTr("Run Macro"), qsTr("Mouse and System Controls"), qsTr(
            "Type Text"), qsTr("Custom action...")]
    readonly property var repetitionsOptionsLabels: [qsTr("Once Only"), qsTr("Hold Down"), qsTr(
            "As Fast as Possible"), "", qsTr("60 Times per Second"), qsTr(
            "45 Times per Second"), qsTr("30 Times per Second"), qsTr(
            "15 Times per Second"), qsTr("10 Times per Second"), qsTr(
            "5 Times per Second"), qsTr("2 Times per Second"), "", qsTr(
            "Once Every Second"), qsTr("Once Every Two Seconds"), qsTr(
            "Once Every Three Seconds"), qsTr("Once Every Four Seconds")]
    readonly property var macroActionWaitTypes: [qsTr("Don't Wait"), "", qsTr("Wait 1ms"), qsTr(
            "Wait 2ms"), qsTr("Wait 5ms"), "", qsTr("Wait 10ms"), qsTr("Wait 20ms"), qsTr(
            "Wait 50ms"), "", qsTr("Wait 100ms"), qsTr("Wait 200ms"), qsTr("Wait 500ms"), "", qsTr(
            "Wait 1s"), qsTr("Wait 2s"), qsTr("Wait 5s"), "", qsTr("Wait 10s")]
    readonly property var keyModifiersLabels: [qsTr("Shift"), qsTr("Alt"), qsTr("Ctrl"), qsTr(
            "Win")]
    readonly property var keyModifiersLabelsMacOS: [qsTr("Shift"), qsTr("Option"), qsTr(
            "Ctrl"), qsTr("Cmd")]
    //: %1 is the number of a button of the controller
    readonly property var buttonKeys: numbered(qsTr("No. %1"), 1, 15)
    readonly property var dialButtonKeys: [qsTr("Turn Left"), qsTr("Turn Right")]
    //: %1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones
    readonly property var jogWheelButtonKeys: numbered(qsTr("Zone %1"), -7, 7).concat(
                                                  transitions(qsTr("Transition %1 to %2"), 1),
                                                  transitions(qsTr("Transition %1 to %2"), -1))
    readonly property var menuTabsText: [qsTr("Global Settings"), qsTr(
            "Application specific"), qsTr("Set up"), qsTr("About & Support")]
    readonly property var buttonsMenuTabsText: [qsTr("BUTTONS"), qsTr("DIAL"), qsTr("JOG WHEEL")]
    readonly property var availableThemesNames: ["Monochrome", "Miracle Mist"]
    readonly property var selectLanguagesList: [qsTr("Choose Language"), "", languageEntry(
            "English", qsTr("English")), languageEntry("French", qsTr("French")), languageEntry(
            "German", qsTr("German")), languageEntry("Italian", qsTr("Italian")), languageEntry(
            "Japanese", qsTr("Japanese")), languageEntry("Dutch", qsTr("Dutch")), languageEntry(
            "Portuguese", qsTr("Portuguese")), languageEntry("Spanish", qsTr(
                                                                 "Spanish")), languageEntry(
            "Norwegian", qsTr("Norwegian")), languageEntry("Swedish", qsTr(
                                                               "Swedish")), languageEntry(
            "Finnish", qsTr("Finnish")), languageEntry("Danish", qsTr("Danish"))]
    readonly property var selectLanguageDescription: qsTr("The window shows its texts in the language you choose.")

    // Key lists of the key-list menu: each label list in step with its code list. Codes are
    // the window's key codes (ui/app/KeyCodeConversion.h), so each entry names one key.
    readonly property var motionAndEditingKeysOptionsLabels: [qsTr("Caps Lock"), qsTr(
            "Up Arrow"), qsTr("Down Arrow"), qsTr("Left Arrow"), qsTr("Right Arrow"), qsTr(
            "Page Up"), qsTr("Page Down"), qsTr("Home"), qsTr("End"), qsTr("Insert"), qsTr(
            "Delete"), qsTr("Backspace"), qsTr("Space")]
    readonly property var motionKeysQt: [Qt.Key_CapsLock, Qt.Key_Up, Qt.Key_Down, Qt.Key_Left, Qt.Key_Right, Qt.Key_PageUp, Qt.Key_PageDown, Qt.Key_Home, Qt.Key_End, Qt.Key_Insert, Qt.Key_Delete, Qt.Key_Backspace, Qt.Key_Space]
    readonly property var internetBrowserOptionsLabels: [qsTr("Back"), qsTr("Forward"), qsTr(
            "Refresh"), qsTr("Stop"), qsTr("Search"), qsTr("Favorites")]
    readonly property var internetBrowserKeysQt: [Qt.Key_Back, Qt.Key_Forward, Qt.Key_Refresh, Qt.Key_Stop, Qt.Key_Search, Qt.Key_Favorites]
    readonly property var mediaPlayerOptionsLabels: [qsTr("Play"), qsTr("Stop"), qsTr(
            "Next track"), qsTr("Previous track")]
    readonly property var mediaKeysQt: [Qt.Key_MediaPlay, Qt.Key_MediaStop, Qt.Key_MediaNext, Qt.Key_MediaPrevious]
    readonly property var specialKeysOptionsLabels: [qsTr("Applications Key"), qsTr(
            "Tab"), qsTr("Enter"), qsTr("Scroll Lock"), qsTr("Escape"), qsTr(
            "Print Screen"), qsTr("Pause"), qsTr("Help"), qsTr("Execute"), qsTr(
            "Select"), qsTr("Clear"), qsTr("Play"), qsTr("Volume Up"), qsTr(
            "Volume Down"), qsTr("Mute"), qsTr("Zoom"), qsTr("Erase EOF"), qsTr(
            "Attn"), qsTr("CrSel"), qsTr("ExSel"), qsTr("PA1")]
    // The last five are virtual keys Qt has no name for: 20000000 plus the key.
    readonly property var specialKeysQt: [Qt.Key_Menu, Qt.Key_Tab, Qt.Key_Return, Qt.Key_ScrollLock, Qt.Key_Escape, Qt.Key_Print, Qt.Key_Pause, Qt.Key_Help, Qt.Key_Execute, Qt.Key_Select, Qt.Key_Clear, Qt.Key_Play, Qt.Key_VolumeUp, Qt.Key_VolumeDown, Qt.Key_VolumeMute, Qt.Key_Zoom, 20000249, 20000246, 20000247, 20000248, 20000253]
    // The numeric pad as the key capture field reports it: digits 134-143, operators
    // 128-133 (the key plus 86), "=" as the plain character, Enter as Qt's keypad Enter.
    readonly property int numPadDigitBase: 134
    readonly property var aritmeticOp: [132, 129, 131, 128, 133, 61, Qt.Key_Enter]
    readonly property var aritmeticOpSigns: ["+", "-", "*", "/"]

    function numbered(pattern, first, last) {
        var texts = []
        for (var n = first; n <= last; ++n)
            texts.push(pattern.arg(n))
        return texts
    }

    function transitions(pattern, step) {
        var texts = []
        var from = step > 0 ? -7 : 7
        for (var i = 0; i < 14; ++i, from += step)
            texts.push(pattern.arg(from).arg(from + step))
        return texts
    }

    function languageEntry(englishName, translatedName) {
        var padded = englishName
        while (padded.length < 10)
            padded += " "
        return padded + "\t- " + translatedName
    }

    function generateFunctionButtons() {
        return numbered("F%1", 1, 24)
    }

    function generateFunctionQtKeys() {
        var keys = []
        for (var i = 0; i < 24; ++i)
            keys.push(Qt.Key_F1 + i)
        return keys
    }

    function generateNumlockButtons() {
        var names = [numLockLabel].concat(numbered(numPadFormated, 0, 9))
        names.push(decimalLabel)
        for (var i = 0; i < aritmeticOpSigns.length; ++i)
            names.push(numPadFormated.arg(aritmeticOpSigns[i]))
        names.push("=", enterLabel)
        return names
    }

    function generateNumLockQtKeys() {
        var keys = [keyCodeNumLock()]
        for (var i = 0; i < 10; ++i)
            keys.push(numPadDigitBase + i)
        return keys.concat(aritmeticOp)
    }

    function getStrRepetitionNames() {
        return repetitionsOptionsLabels.filter(function (name) {
            return name !== ""
        })
    }

    function getStrFromRepetition(n) {
        return getStrRepetitionNames()[n]
    }

    function keyCodeNumLock() {
        return PlatformInfo.platformType === PlatformInfo.MacOS ? Qt.Key_Clear : Qt.Key_NumLock
    }

    function labelOf(code, codes, labels) {
        var index = codes.indexOf(code)
        return index >= 0 ? labels[index] : ""
    }

    function getKeyStrFromKeyCode(code) {
        if (code >= 33 && code <= 127)
            return String.fromCharCode(code)
        // A character that the preference files also name by its punctuation key ("KEY_;"
        // beside "KEY_SEMICOLON") comes with a code of its own, 30000000 + the character.
        if (code >= 30000033 && code <= 30000126)
            return String.fromCharCode(code - 30000000)
        var lists = [[motionKeysQt, motionAndEditingKeysOptionsLabels], [internetBrowserKeysQt, internetBrowserOptionsLabels], [mediaKeysQt, mediaPlayerOptionsLabels], [specialKeysQt, specialKeysOptionsLabels], [generateNumLockQtKeys(), generateNumlockButtons()], [generateFunctionQtKeys(), generateFunctionButtons()]]
        for (var i = 0; i < lists.length; ++i) {
            var name = labelOf(code, lists[i][0], lists[i][1])
            if (name !== "")
                return name
        }
        return ""
    }

    function keyQtKeyFromSelectedOption(category, index) {
        var lists = [motionKeysQt, internetBrowserKeysQt, mediaKeysQt, specialKeysQt, generateFunctionQtKeys(
                         ), generateNumLockQtKeys(), [Qt.Key_LaunchMail]]
        if (category < 0 || category >= lists.length || index < 0
                || index >= lists[category].length)
            return 0
        return lists[category][index]
    }
}
