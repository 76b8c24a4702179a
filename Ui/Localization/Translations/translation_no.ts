<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane Multimediekontroller – enhetskonfigurasjon</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Støtte</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>Når du importerer en konfigurasjon, blir de gjeldende innstillingene dine erstattet.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Operasjonen er fullført.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operasjonen mislyktes.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Velg en mappe</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Med enerett.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Koble til en enhet eller opprett en konfigurasjon</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Opprett en konfigurasjon</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Globalt</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Velg hva hver kontroll gjør i alle apper.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Appspesifikt</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Velg hva hver kontroll gjør mens en bestemt app er i forgrunnen.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Gjør kontrolleren din klar til bruk.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Om og støtte</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Programvareversjon, oppdateringer og hjelp.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Bruk som knott</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Bruk som jog</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Bruk soner på jog-hjulet</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Bruk til rulling</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Klikk for å endre</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Velg en app</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Skriv tastetrykk</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Trykk modifikatortaster</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Kjør program</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Skriv tekst</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Kjør makro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Mus- og systemfunksjoner</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Tekst som skal skrives</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Velg modifikatortaster</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>Modifikatortastene som holdes nede mens handlingen kjører.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Legg til tast</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Trykk på en tast, eller velg en fra tastelisten.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Gjentakelser</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Velg element</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Velg programmet eller filen som skal åpnes.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Velg en mus- eller systemhandling.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rull</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Ruller vinduet under pekeren.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Museklikk</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Klikker med en museknapp.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Endrer lydvolumet.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Endrer lysstyrken på skjermen.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Opp</translation>
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
        <translation>Høyre</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dobbel</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Trippel</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lås</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Demp</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Velg en makro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Legg til makro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Slett makro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Makronavnet finnes allerede</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Appspesifikke innstillinger er på</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Appspesifikke innstillinger er av</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Skriv inn profilnavnet</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Vil du slette denne profilen?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Profilnavnet Default er reservert!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Profilnavnet finnes allerede</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Generelle egenskaper</translation>
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
        <translation>Legg til gruppe</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Slett gruppe</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Legg til handling</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Lagre de siste endringene?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Hva vil du gjøre?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Ikke tilordnet</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Trykk på en tast</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Tasteliste</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Funksjonstaster</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Program som skal kjøres</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumenter</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bla gjennom</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Navigering og redigering</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Numeriske taster</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Multimedietaster</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Spesialtaster</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Num %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Nettleser</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Mediespiller</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>E-postapp</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Besøk nettstedet vårt</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Sett opp kontrolleren din</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Følg kom-i-gang-veiledningen for å sette opp kontrolleren din.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Driverversjon %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Feilsøking</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt oss</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Vi hjelper deg gjerne</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Gi tilbakemelding til Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Tilbakestill til fabrikkinnstillinger</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Tilbakestill denne knappen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Alle innstillinger er tilbakestilt til fabrikkverdiene.</translation>
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
        <translation>E-post</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Kontoinformasjon</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-postadresse</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Fornavn</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Etternavn</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Glemt passordet?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Synkroniser konfigurasjonen</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Slett konto</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Vil du slette kontoen din for godt?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logg på</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logg av</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>eller logg på med</translation>
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
        <translation>Opprett en ny konto</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Kontoen din er slettet.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Du må velge en handling som skal brukes</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Obligatorisk felt er tomt</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Vil du tilbakestille til standardinnstillingene?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Profilen for denne kontrollen finnes ikke lenger, så endringen ble ikke lagret.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Denne kontrollen har allerede en annen handling her, så endringen ble ikke lagret.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>«Deaktivert» kan ikke erstatte en handling som denne kontrollen får fra en annen tilordning, så endringen ble ikke lagret.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Innstillingene dine kunne ikke leses, så standardinnstillingene vises. Den skadde filen legges til side som %1 før noe lagres over den.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Se etter oppdateringer</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Ser etter oppdateringer...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Søket etter oppdateringer tok for lang tid.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Søket etter oppdateringer mislyktes.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>En ny versjon er tilgjengelig. Vil du laste den ned nå?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>Den nye versjonen er lastet ned. Vil du installere den nå?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Programvaren din er oppdatert.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Laster ned oppdateringen...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Oppdateringen ble avbrutt.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Konfigurasjonen din i skyen (lagret %1, versjon %2) er forskjellig fra denne. Hvilken vil du beholde?</translation>
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
        <translation>Vil du laste opp konfigurasjonen din til skyen?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Vil du tilbakestille konfigurasjonen i skyen til standard?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>Konfigurasjonen i skyen er ugyldig. Vil du erstatte den med denne?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Denne konfigurasjonen er ugyldig. Vil du tilbakestille den til standard?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Laster ned konfigurasjonen...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Nedlastingen ble avbrutt.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Laster opp konfigurasjonen...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Opplastingen ble avbrutt.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>Konfigurasjonen er tilbakestilt.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Synkroniseringen mislyktes.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Opplastingen mislyktes.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Nedlastingen mislyktes.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Innstillingene dine er synkronisert.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiler</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Velg en profil</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Bytt profil</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Velg profilen kontrolleren skal bruke, eller opprett en ny.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Rediger profil</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Bruk på kontrolleren</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Opprett ny profil</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Velg en handling</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Bytt til profil</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil det skal byttes til</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Legg til en app for å gi kontrollene egne handlinger mens appen er i forgrunnen.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>Appkonfigurasjonen er slettet.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>Enhetskonfigurasjonen er slettet.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Velg et program</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Gi programmet tillatelse til å styre datamaskinen din</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Åpne Systemvalg.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Velg Sikkerhet og personvern.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Åpne fanen Personvern.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Velg Tilgjengelighet.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Kryss av i boksen ved siden av programmet.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Åpne Sikkerhet og personvern</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Flytt programmet til Programmer-mappen</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Programmet fungerer best fra Programmer-mappen.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Vil du slette denne konfigurasjonen?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Konfigurasjonsdetaljer</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Konfigurasjonsnavnet finnes allerede</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Det finnes allerede en konfigurasjon for dette programmet</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Konfigurasjonsnavn</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurasjon</translation>
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
        <translation>Jeg forstår!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>Oppdateringen er installert. Start datamaskinen på nytt for å fullføre.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Omstart nå</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Omstart senere</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Last ned oppdateringer uten å spørre</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Installer oppdateringer uten å spørre</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Synkroniser konfigurasjonen med skyen</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Se etter oppdateringer automatisk</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervall for søk etter oppdateringer</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervall for søk etter varsler</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Denne makroen er i bruk. Vil du slette den likevel?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Personvernerklæring</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>Samsvar med GDPR</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Multimediekontroller Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Multimediekontroller Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Bruk standardprofilen</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Samme som nedre verdi</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Skriv tast: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Trykk </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Kjør program </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Kjør makro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Utfør: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Bytt profil til </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Venstreklikk</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Høyreklikk</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Midtklikk</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Fjerde klikk</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Femte klikk</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Dobbeltklikk</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Trippelklikk</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Klikklås</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Dobbelt høyreklikk</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Høyreklikklås</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Kommando</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Trykk tast</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volum opp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volum ned</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Lysstyrke opp</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Lysstyrke ned</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rull ned</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rull venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rull høyre</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Bruk standardinnstilling</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Samme som nedre verdi</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Bytt innstillinger</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Mus- og systemfunksjoner</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Egendefinert handling...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Bare én gang</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Hold nede</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Så raskt som mulig</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 ganger per sekund</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 ganger per sekund</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 ganger per sekund</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 ganger per sekund</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 ganger per sekund</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 ganger per sekund</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 ganger per sekund</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Én gang per sekund</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Hvert andre sekund</translation>
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
        <translation>Ikke vent</translation>
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
        <translation>Tilvalg</translation>
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
        <translation>Vri venstre</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Vri høyre</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Sone %1</translation>
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
        <translation>KNOTT</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>JOG-HJUL</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Velg språk</translation>
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
        <translation>Vinduet viser tekstene sine på språket du velger.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pil opp</translation>
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
        <translation>Pil høyre</translation>
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
        <translation>Tilbaketast</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fremover</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spill av</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Neste spor</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Forrige spor</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Menytast</translation>
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
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Utfør</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
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
        <translation>Lukk</translation>
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
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Påloggingen kunne ikke starte: et annet program bruker port %1, som nettleseren sender påloggingen tilbake til. Lukk det programmet, og prøv igjen.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Endringen din kunne ikke lagres i %1: %2. Den blir værende i dette vinduet, og den neste endringen som kan lagres, lagrer den også. Hvis programmet avsluttes før det, går endringen tapt.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>det er ikke mer plass på disken</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disken er skrivebeskyttet</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>du har ikke lov til å skrive der</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>en fil eller mappe er i veien</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>mappen mangler</translation>
    </message>
</context>
</TS>
