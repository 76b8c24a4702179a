<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane Multimediakontroller – enhetskonfiguration</translation>
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
        <translation>När du importerar en konfiguration ersätts dina nuvarande inställningar.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Åtgärden har slutförts.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Åtgärden misslyckades.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Välj en mapp</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Anslut en enhet eller skapa en konfiguration</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Skapa en konfiguration</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Globalt</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Välj vad varje reglage gör i alla appar.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Appspecifikt</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Välj vad varje reglage gör medan en viss app är i förgrunden.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Kom igång</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Gör din kontroller redo att användas.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Om och support</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Programversion, uppdateringar och hjälp.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Använd som ratt</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Använd som jog</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Använd jog-hjulszoner</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Använd för rullning</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Klicka och ändra</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Välj en app</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Tangenttryckning</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Tryck modifierartangenter</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Kör program</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Skriv text</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Kör makro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Mus &amp; system</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Text att skriva</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Välj modifierartangenter</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>Modifierartangenterna som hålls nedtryckta medan åtgärden körs.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Lägg till tangent</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Tryck på en tangent eller välj en i tangentlistan.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Upprepningar</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Välj objekt</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Välj programmet eller filen som ska öppnas.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Välj en mus- eller systemåtgärd.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rulla</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Rullar fönstret under pekaren.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Musklick</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Klickar med en musknapp.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volym</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Ändrar ljudvolymen.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Ljusstyrka</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Ändrar skärmens ljusstyrka.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dubbel</translation>
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
        <translation>Ljud av</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Välj ett makro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nytt</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Lägg till makro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Ta bort makro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Makronamnet finns redan</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Appspecifika inställningar är på</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Appspecifika inställningar är av</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Ange profilnamnet</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Vill du ta bort den här profilen?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Profilnamnet Default är reserverat!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Profilnamnet finns redan</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Allmänna egenskaper</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Åtgärdssekvens</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Lägg till grupp</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Ta bort grupp</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Lägg till åtgärd</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Redigera åtgärd</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Ta bort åtgärd</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Spara de senaste ändringarna?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Vill du</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tillbaka</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Inte tilldelad</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Tryck på en tangent</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Tangentlista</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Funktionstangenter</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Program som ska köras</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argument</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Navigering och redigering</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Numeriska tangenter</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Multimediatangenter</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Specialtangenter</translation>
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
        <translation>Retur</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Webbläsare</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Mediaspelare</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>E-postapp</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Besök vår webbplats</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Konfigurera din kontroller</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Följ kom igång-guiden för att konfigurera din kontroller.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Drivrutin v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Felsökning</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakta oss</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Vi hjälper dig gärna</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Ge feedback till Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Återställ till fabriksinställningar</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Återställ den här knappen</translation>
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
        <translation>Alla inställningar har återställts till fabriksvärdena.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Välkommen, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Kontoinformation</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-postadress</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Förnamn</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Efternamn</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Glömt lösenordet?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Synkronisera konfigurationen</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Ta bort konto</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Vill du ta bort ditt konto permanent?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Logga ut</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>eller logga in med</translation>
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
        <translation>Skapa ett nytt konto</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Ditt konto har tagits bort.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Du måste välja en åtgärd att tillämpa</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Obligatoriskt fält är tomt</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Vill du återställa till standardinställningarna?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Profilen för det här reglaget finns inte längre, så ändringen sparades inte.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Det här reglaget har redan en annan åtgärd här, så ändringen sparades inte.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>”Inaktiverad” kan inte ersätta en åtgärd som det här reglaget får från en annan tilldelning, så ändringen sparades inte.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Dina inställningar kunde inte läsas, så standardinställningarna visas. Den skadade filen läggs undan som %1 innan något sparas över den.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Söker efter uppdateringar...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Sökningen efter uppdateringar tog för lång tid.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Sökningen efter uppdateringar misslyckades.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>En ny version finns tillgänglig. Vill du ladda ned den nu?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>Den nya versionen har laddats ned. Vill du installera den nu?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Din programvara är uppdaterad.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Laddar ned uppdateringen...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Uppdateringen avbröts.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Din konfiguration i molnet (sparad %1, version %2) skiljer sig från den här. Vilken vill du behålla?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Molnet</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Vill du ladda upp din konfiguration till molnet?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Vill du återställa konfigurationen i molnet till standard?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>Konfigurationen i molnet är ogiltig. Vill du ersätta den med den här?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Den här konfigurationen är ogiltig. Vill du återställa den till standard?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Laddar ned konfigurationen...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Nedladdningen avbröts.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Laddar upp konfigurationen...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Uppladdningen avbröts.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>Konfigurationen har återställts.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Synkroniseringen misslyckades.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Uppladdningen misslyckades.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Nedladdningen misslyckades.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Dina inställningar är synkroniserade.</translation>
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
        <translation>Välj en profil</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Byt profil</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Välj vilken profil kontrollern ska använda, eller skapa en ny.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Redigera profil</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Använd på kontrollern</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Skapa ny profil</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Välj en åtgärd</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Byt till profil</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil att byta till</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Lägg till en app för att ge reglagen egna åtgärder medan appen är i förgrunden.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>Appkonfigurationen har tagits bort.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>Enhetskonfigurationen har tagits bort.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Välj ett program</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Ge programmet behörighet att styra datorn</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Öppna Systeminställningar.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Välj Säkerhet och integritet.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Öppna fliken Integritet.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Välj Hjälpmedel.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Markera rutan bredvid programmet.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Öppna Säkerhet och integritet</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Flytta programmet till mappen Program</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Programmet fungerar bäst från mappen Program.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Vill du ta bort den här konfigurationen?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Konfigurationsdetaljer</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Konfigurationsnamnet finns redan</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Det finns redan en konfiguration för det här programmet</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Konfigurationsnamn</translation>
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
        <translation>Jag förstår!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>Uppdateringen har installerats. Starta om datorn för att slutföra.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Starta om nu</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Starta om senare</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Ladda ned uppdateringar utan att fråga</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Installera uppdateringar utan att fråga</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Synkronisera konfigurationen med molnet</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Sök efter uppdateringar automatiskt</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervall för sökning efter uppdateringar</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervall för sökning efter aviseringar</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Det här makrot används. Vill du ta bort det ändå?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Integritetspolicy</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>Efterlevnad av GDPR</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Multimediakontroller Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Multimediakontroller Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Inaktiverad</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Använd standardprofilen</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Samma som undre värde</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Skriv tangent: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Tryck </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Kör program </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Kör makro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Utför: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Byt profil till </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Vänsterklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Högerklick</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Mittenklick</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Fjärde klick</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Femte klick</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Dubbelklick</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Trippelklick</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Klicklås</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Dubbelt högerklick</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Högerklicklås</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Kommando</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tryck tangent</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volym upp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volym ned</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Ljusstyrka upp</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Ljusstyrka ned</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rulla upp</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rulla ned</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rulla vänster</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rulla höger</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Använd standardinställning</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Samma som undre värde</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Byt inställningar</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Mus- och systemfunktioner</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Anpassad åtgärd...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Bara en gång</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Håll ned</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Så snabbt som möjligt</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 gånger per sekund</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 gånger per sekund</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 gånger per sekund</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 gånger per sekund</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 gånger per sekund</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 gånger per sekund</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 gånger per sekund</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>En gång per sekund</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Varannan sekund</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Var tredje sekund</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Var fjärde sekund</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Vänta inte</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Vänta 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Vänta 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Vänta 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Vänta 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Vänta 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Vänta 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Vänta 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Vänta 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Vänta 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Vänta 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Vänta 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Vänta 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Vänta 10 s</translation>
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
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Vrid vänster</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Vrid höger</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zon %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Övergång %1 till %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>KNAPPAR</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>RATT</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>JOG-HJUL</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Välj språk</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugisiska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finska</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danska</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>Fönstret visar sina texter på det språk du väljer.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Uppil</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Nedpil</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Vänsterpil</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Högerpil</translation>
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
        <translation>Backsteg</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Blanksteg</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spela upp</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nästa spår</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Föregående spår</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Menytangent</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabb</translation>
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
        <translation>Paus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Kör</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
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
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimera</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Inloggningen kunde inte starta: ett annat program använder port %1, som webbläsaren skickar tillbaka inloggningen till. Stäng det programmet och försök igen.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Din ändring kunde inte sparas i %1: %2. Den finns kvar i det här fönstret, och nästa ändring som kan sparas sparar den också. Om programmet avslutas innan dess går ändringen förlorad.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>det finns inget utrymme kvar på disken</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disken är skrivskyddad</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>du har inte behörighet att skriva där</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>en fil eller mapp står i vägen</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>mappen saknas</translation>
    </message>
</context>
</TS>
