<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane Multimedia-Controller – Gerätekonfiguration</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>Beim Import einer Konfiguration werden Ihre aktuellen Einstellungen ersetzt.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Schließen Sie ein Gerät an oder erstellen Sie eine Konfiguration</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Konfiguration erstellen</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Globale Einstellungen</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Legen Sie fest, was jedes Bedienelement in allen Anwendungen tut.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Anwendungsspezifisch</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Legen Sie fest, was jedes Bedienelement tut, während eine bestimmte Anwendung im Vordergrund ist.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Machen Sie Ihren Controller startklar.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Info &amp; Support</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Softwareversion, Updates und Hilfe.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Als Drehregler verwenden</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Als Jog verwenden</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Jog-Wheel-Zonen verwenden</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Zum Scrollen verwenden</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Zum Bearbeiten klicken</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Anwendung wählen</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Tastenanschlag</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Sondertasten drücken</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Programm ausführen</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Makro ausführen</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Maus- &amp; Systemsteuerung</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Einzugebender Text</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Sondertasten wählen</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>Die Sondertasten, die während der Aktion gehalten werden.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Taste hinzufügen</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Drücken Sie eine Taste oder wählen Sie eine aus der Tastenliste.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Element wählen</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Wählen Sie das Programm oder die Datei, die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Wählen Sie eine Maus- oder Systemaktion.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scrollen</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Scrollt das Fenster unter dem Mauszeiger.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Mausklick</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Klickt mit einer Maustaste.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Ändert die Lautstärke.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Ändert die Bildschirmhelligkeit.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Dreifach</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Feststellen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Makro wählen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Makro hinzufügen</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Makro löschen</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Der Makroname ist bereits vorhanden</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Anwendungsspezifische Einstellungen sind aktiv</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Anwendungsspezifische Einstellungen sind inaktiv</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Geben Sie den Profilnamen ein</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Dieses Profil löschen?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Der Profilname Default ist reserviert!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Der Profilname ist bereits vorhanden</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Allgemeine Eigenschaften</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Aktionsfolge</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Aktion hinzufügen</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Aktion bearbeiten</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Aktion entfernen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Die letzten Änderungen speichern?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Möchten Sie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Nicht belegt</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Beliebige Taste drücken</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Tastenliste</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Funktionstasten</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Auszuführendes Programm</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Navigations- und Bearbeitungstasten</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Ziffernblocktasten</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Multimediatasten</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Sondertasten</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Ziffernblock %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Internetbrowser</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>E-Mail-Programm</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Besuchen Sie unsere Website</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Richten Sie Ihren Controller ein</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Folgen Sie der Einstiegsanleitung, um Ihren Controller einzurichten.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Treiber v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Fehlerbehebung</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontaktieren Sie uns</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Wir helfen Ihnen gern</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Feedback an Pelvane senden</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Auf Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Diese Taste zurücksetzen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Alle Einstellungen wurden auf die Werkseinstellungen zurückgesetzt.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Willkommen, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Kontoinformationen</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Konfiguration synchronisieren</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Ihr Konto endgültig löschen?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>oder anmelden mit</translation>
    </message>
    <message>
        <source>Microsoft</source>
        <translation>Microsoft</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>Create a new account</source>
        <translation>Neues Konto erstellen</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Ihr Konto wurde gelöscht.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Sie müssen eine Aktion zum Anwenden auswählen</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Pflichtfeld ist leer</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Auf die Standardeinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Das Profil dieses Bedienelements existiert nicht mehr, daher wurde die Änderung nicht gespeichert.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Dieses Bedienelement hat hier bereits eine andere Aktion, daher wurde die Änderung nicht gespeichert.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>„Deaktiviert“ kann keine Aktion ersetzen, die dieses Bedienelement aus einer anderen Zuweisung übernimmt, daher wurde die Änderung nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Ihre Einstellungen konnten nicht gelesen werden, daher werden die Standardeinstellungen angezeigt. Die beschädigte Datei wird als %1 beiseitegelegt, bevor etwas darüber gespeichert wird.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Die Suche nach Updates hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Eine neue Version ist verfügbar. Jetzt herunterladen?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>Die neue Version ist heruntergeladen. Jetzt installieren?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Ihre Software ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Das Update wird heruntergeladen...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Das Update wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Ihre Cloud-Konfiguration (gespeichert am %1, Version %2) weicht von dieser ab. Welche möchten Sie behalten?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Ihre Konfiguration in die Cloud hochladen?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Die Konfiguration in der Cloud auf den Standard zurücksetzen?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>Die Konfiguration in der Cloud ist ungültig. Durch diese ersetzen?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Diese Konfiguration ist ungültig. Auf den Standard zurücksetzen?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Die Konfiguration wird heruntergeladen...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Die Konfiguration wird hochgeladen...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Der Upload wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>Die Konfiguration wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Die Synchronisierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Der Upload ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Der Download ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Ihre Einstellungen sind synchronisiert.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Profil wählen</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Wählen Sie das Profil, das der Controller verwendet, oder erstellen Sie ein neues.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Auf Controller anwenden</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Neues Profil erstellen</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Aktion wählen</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Zu Profil wechseln</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil, zu dem gewechselt wird</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Fügen Sie eine Anwendung hinzu, um den Bedienelementen eigene Aktionen zu geben, während sie im Vordergrund ist.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>Die Anwendungskonfiguration wurde gelöscht.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>Die Gerätekonfiguration wurde gelöscht.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Erlauben Sie dem Programm, Ihren Computer zu steuern</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Öffnen Sie die Systemeinstellungen.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Wählen Sie Sicherheit &amp; Datenschutz.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Öffnen Sie den Reiter Datenschutz.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Wählen Sie Bedienungshilfen.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Setzen Sie das Häkchen neben dem Programm.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Sicherheit &amp; Datenschutz öffnen</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Programm in den Ordner Programme verschieben</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Das Programm funktioniert am besten aus dem Ordner Programme.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Diese Konfiguration löschen?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Konfigurationsdetails</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Der Konfigurationsname ist bereits vorhanden</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Für dieses Programm gibt es bereits eine Konfiguration</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Konfigurationsname</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>Verstanden!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>Das Update ist installiert. Starten Sie Ihren Computer neu, um abzuschließen.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Später neu starten</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Updates ohne Nachfrage herunterladen</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Updates ohne Nachfrage installieren</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Konfiguration mit der Cloud synchronisieren</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervall der Update-Suche</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervall der Benachrichtigungssuche</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Dieses Makro wird verwendet. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>DSGVO-Konformität</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Multimedia-Controller Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Multimedia-Controller Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Standardprofil</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Wie der untere Wert</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Taste eingeben: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Drücke </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Programm ausführen </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Makro ausführen  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Führe aus: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Wechsle Profil zu </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Vierter Klick</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Fünfter Klick</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Doppelklick</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Dreifachklick</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Klick feststellen</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Rechts-Doppelklick</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Rechtsklick feststellen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Nach links scrollen</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Nach rechts scrollen</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Standardeinstellung verwenden</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Wie unterer Wert</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Einstellungen wechseln</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Maus- und Systemsteuerung</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Eigene Aktion...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Nur einmal</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Gedrückt halten</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>So schnell wie möglich</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60-mal pro Sekunde</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45-mal pro Sekunde</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30-mal pro Sekunde</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15-mal pro Sekunde</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10-mal pro Sekunde</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5-mal pro Sekunde</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2-mal pro Sekunde</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Einmal pro Sekunde</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Alle zwei Sekunden</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Alle drei Sekunden</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Alle vier Sekunden</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Nicht warten</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>1 ms warten</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>2 ms warten</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>5 ms warten</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>10 ms warten</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>20 ms warten</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>50 ms warten</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>100 ms warten</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>200 ms warten</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>500 ms warten</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>1 s warten</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>2 s warten</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>5 s warten</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>10 s warten</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Wahl</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Übergang %1 nach %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>DREHREGLER</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>JOG WHEEL</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>Das Fenster zeigt seine Texte in der Sprache, die Sie wählen.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Anwendungstaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translation>Erase EOF</translation>
    </message>
    <message>
        <source>Attn</source>
        <translation>Attn</translation>
    </message>
    <message>
        <source>CrSel</source>
        <translation>CrSel</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>PA1</source>
        <translation>PA1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Die Anmeldung konnte nicht gestartet werden: Ein anderes Programm verwendet Port %1, über den der Browser die Anmeldung zurückgibt. Schließen Sie dieses Programm, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Ihre Änderung konnte nicht in %1 gespeichert werden: %2. Sie bleibt in diesem Fenster erhalten, und die nächste Änderung, die sich speichern lässt, speichert sie mit. Wird das Programm vorher beendet, geht die Änderung verloren.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>auf dem Datenträger ist kein Platz mehr frei</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>Sie dürfen dort nicht schreiben</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>eine Datei oder ein Ordner steht im Weg</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>der zugehörige Ordner fehlt</translation>
    </message>
</context>
</TS>
