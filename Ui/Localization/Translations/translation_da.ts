<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane Multimediecontroller – Enhedskonfiguration</translation>
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
        <translation>Hvis du importerer en konfiguration, erstattes dine nuværende indstillinger.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Handlingen blev fuldført.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Handlingen mislykkedes.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Vælg en mappe</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Tilslut en enhed, eller opret en konfiguration</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Opret en konfiguration</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Vælg, hvad hvert betjeningselement gør i alle apps.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Pr. app</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Vælg, hvad hvert betjeningselement gør, mens en bestemt app er i forgrunden.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Opsætning</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Gør din controller klar.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Om &amp; support</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Softwareversion, opdateringer og hjælp.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Som drejeknap</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Som joghjul</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Brug joghjulszoner</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Brug til rulning</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Klik for at redigere</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Vælg en app</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Tastetryk</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Tryk ændringstaster</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Kør program</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Skriv tekst</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Kør makro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Muse- og systemstyring</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Tekst, der skal skrives</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Vælg ændringstaster</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>De ændringstaster, der holdes nede, mens handlingen kører.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Tilføj tast</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Tryk på en tast, eller vælg en fra tastelisten.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Gentagelser</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Vælg element</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Vælg det program eller den fil, der skal åbnes.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Vælg en muse- eller systemhandling.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rul</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Ruller vinduet under markøren.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Museklik</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Klikker med en museknap.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lydstyrke</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Ændrer lydstyrken.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Ændrer skærmens lysstyrke.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Op</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Højre</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Enkelt</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dobbelt</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Tredobbelt</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Fastlås</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Lyd fra</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Vælg en makro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Tilføj makro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Slet makro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Makronavnet findes allerede</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Indstillinger pr. app er slået til</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Indstillinger pr. app er slået fra</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Angiv profilnavnet</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Vil du slette denne profil?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Profilnavnet Default er reserveret!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Profilnavnet findes allerede</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Generelle egenskaber</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Handlingssekvens</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Tilføj gruppe</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Slet gruppe</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Tilføj handling</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Rediger handling</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Fjern handling</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Kassér</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Vil du gemme de seneste ændringer?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Hvad vil du gøre?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Ikke tildelt</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Tryk på en tast</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Tasteliste</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Funktionstaster</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Program, der skal køres</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumenter</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gennemse</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Navigations- og redigeringstaster</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Taster på det numeriske tastatur</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Multimedietaster</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Specialtaster</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Numerisk %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimaltegn</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Internetbrowser</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Medieafspiller</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>E-mailprogram</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Besøg vores websted</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Opsæt din controller</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Følg vejledningen Kom godt i gang for at opsætte din controller.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Driverversion %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Fejlfinding</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt os</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Vi er her for at hjælpe</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Giv Pelvane feedback</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Nulstil til fabriksindstillinger</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Nulstil denne tast</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Alle indstillinger er nulstillet til fabriksværdierne.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Velkommen, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Kontooplysninger</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailadresse</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Fornavn</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Efternavn</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Glemt adgangskode?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Synkroniser konfiguration</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Slet konto</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Vil du slette din konto permanent?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Log på</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Log af</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>eller log på med</translation>
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
        <translation>Opret en ny konto</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Din konto er slettet.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Du skal vælge en handling, der skal anvendes</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Obligatorisk felt er tomt</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Vil du nulstille til standardindstillingerne?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Profilen for dette betjeningselement findes ikke længere, så ændringen blev ikke gemt.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Dette betjeningselement har allerede en anden handling her, så ændringen blev ikke gemt.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>»Deaktiveret« kan ikke erstatte en handling, som dette betjeningselement får fra en anden tildeling, så ændringen blev ikke gemt.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Dine indstillinger kunne ikke læses, så standardindstillingerne vises. Den beskadigede fil lægges til side som %1, før der gemmes noget over den.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Søg efter opdateringer</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Søger efter opdateringer...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Søgningen efter opdateringer tog for lang tid.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Søgningen efter opdateringer mislykkedes.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Der er en ny version tilgængelig. Vil du downloade den nu?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>Den nye version er downloadet. Vil du installere den nu?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Din software er opdateret.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Opdateringen downloades...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Opdateringen blev annulleret.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Din konfiguration i skyen (gemt %1, version %2) afviger fra denne. Hvilken vil du beholde?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Skyen</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Vil du uploade din konfiguration til skyen?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Vil du nulstille konfigurationen i skyen til standard?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>Konfigurationen i skyen er ugyldig. Vil du erstatte den med denne?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Denne konfiguration er ugyldig. Vil du nulstille den til standard?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Konfigurationen downloades...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Downloaden blev annulleret.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Konfigurationen uploades...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Uploaden blev annulleret.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>Konfigurationen blev nulstillet.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Synkroniseringen mislykkedes.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Uploaden mislykkedes.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Downloaden mislykkedes.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Dine indstillinger er synkroniseret.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiler</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Vælg en profil</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Skift profil</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Vælg den profil, controlleren bruger, eller opret en ny.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Rediger profil</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Anvend på controller</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Opret ny profil</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Vælg en handling</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Skift til profil</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil, der skal skiftes til</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Tilføj en app for at give betjeningselementerne deres egne handlinger, mens appen er i forgrunden.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>Konfigurationen for appen blev slettet.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>Enhedskonfigurationen blev slettet.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Vælg et program</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Giv programmet tilladelse til at styre din computer</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Åbn Systemindstillinger.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Vælg Sikkerhed og anonymitet.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Åbn fanen Anonymitet.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Vælg Tilgængelighed.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Markér afkrydsningsfeltet ud for programmet.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Åbn Sikkerhed og anonymitet</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Flyt programmet til Programmer</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Programmet fungerer bedst fra mappen Programmer.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Vil du slette denne konfiguration?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Konfigurationsdetaljer</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Konfigurationsnavnet findes allerede</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Der findes allerede en konfiguration til dette program</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Konfigurationsnavn</translation>
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
        <translation>Program</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>Forstået!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>Opdateringen er installeret. Genstart computeren for at fuldføre.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Genstart nu</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Genstart senere</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Download opdateringer uden at spørge</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Installer opdateringer uden at spørge</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Synkroniser konfigurationen med skyen</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Søg automatisk efter opdateringer</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Opdateringsinterval</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Meddelelsesinterval</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Denne makro er i brug. Vil du slette den alligevel?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Privatlivspolitik</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>GDPR-overholdelse</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Multimediecontroller Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Multimediecontroller Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiveret</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Brug standardprofil</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Samme som lavere værdi</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Tastetryk: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Tryk på </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Kør </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Kør makro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Udfør: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Skift profil til </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Venstreklik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Højreklik</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Midterklik</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Fjerde klik</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Femte klik</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Dobbeltklik</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Tredobbeltklik</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Fastlås klik</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Højre dobbeltklik</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Fastlås højreklik</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Kommando</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tryk på tast</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lydstyrke op</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Lydstyrke ned</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Lysstyrke op</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Lysstyrke ned</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rul op</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rul ned</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rul til venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rul til højre</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Brug standard</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Samme som lavere værdi</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Skift indstillinger</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Muse- og systemstyring</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Tilpasset handling...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Kun én gang</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Hold nede</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Så hurtigt som muligt</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 gange i sekundet</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 gange i sekundet</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 gange i sekundet</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 gange i sekundet</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 gange i sekundet</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 gange i sekundet</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 gange i sekundet</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Én gang i sekundet</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Hvert andet sekund</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Hvert tredje sekund</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Hvert fjerde sekund</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Vent ikke</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Vent 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Vent 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Vent 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Vent 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Vent 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Vent 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Vent 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Vent 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Vent 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Vent 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Vent 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Vent 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Vent 10 s</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Cmd</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Venstre om</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Højre om</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Overgang %1 til %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>KNAPPER</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>DREJEKNAP</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>JOGHJUL</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Vælg sprog</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engelsk</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransk</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tysk</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiensk</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japansk</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlandsk</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugisisk</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spansk</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norsk</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svensk</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finsk</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dansk</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>Vinduet viser sine tekster på det sprog, du vælger.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pil op</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pil ned</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pil venstre</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pil højre</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellemrum</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Frem</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspil</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Næste nummer</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Forrige nummer</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Programtast</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Udfør</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ryd</translation>
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
        <translation>Luk</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimer</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Logonet kunne ikke startes: et andet program bruger port %1, som browseren sender logonet tilbage til. Luk det program, og prøv igen.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Din ændring kunne ikke gemmes i %1: %2. Den bliver i dette vindue, og den næste ændring, der kan gemmes, gemmer den også. Hvis programmet lukkes inden da, går ændringen tabt.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>der er ikke mere plads på disken</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disken er skrivebeskyttet</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>du har ikke tilladelse til at skrive der</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>en fil eller mappe står i vejen</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>mappen mangler</translation>
    </message>
</context>
</TS>
