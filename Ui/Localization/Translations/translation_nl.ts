<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane Multimediacontroller – Apparaatconfiguratie</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>Als je een configuratie importeert, worden je huidige instellingen vervangen.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>De bewerking is voltooid.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>De bewerking is mislukt.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Kies een map</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Sluit een apparaat aan of maak een configuratie</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Configuratie maken</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Kies wat elk bedieningselement doet in alle toepassingen.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Per toepassing</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Kies wat elk bedieningselement doet terwijl een bepaalde toepassing op de voorgrond staat.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Maak je controller klaar voor gebruik.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Info &amp; support</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Softwareversie, updates en hulp.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Als draaiknop</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Als jogwiel</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Jogwielzones gebruiken</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Om te scrollen</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Klik om te bewerken</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Kies een toepassing</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Toetsaanslag</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Modificatietoetsen</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Programma starten</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Tekst typen</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Macro starten</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Muis &amp; systeem</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Te typen tekst</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Modificatietoetsen kiezen</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>De modificatietoetsen die ingedrukt blijven terwijl de actie wordt uitgevoerd.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Toets toevoegen</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Druk op een toets of kies er een uit de toetsenlijst.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Item selecteren</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Kies het programma of bestand dat je wilt openen.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Kies een muis- of systeemactie.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scrollen</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Scrolt het venster onder de aanwijzer.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Muisklik</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Klikt met een muisknop.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Wijzigt het geluidsvolume.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Wijzigt de helderheid van het scherm.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
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
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dubbel</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Drievoudig</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Vast</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Dempen</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Kies een macro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Macro toevoegen</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Macro verwijderen</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Macronaam bestaat al</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Instellingen per toepassing zijn aan</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Instellingen per toepassing zijn uit</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Voer de profielnaam in</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Dit profiel verwijderen?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>De profielnaam Default is gereserveerd!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Profielnaam bestaat al</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Algemene eigenschappen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Actiereeks</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Groep toevoegen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Groep verwijderen</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Actie toevoegen</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Actie bewerken</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Actie verwijderen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>De laatste wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Wat wil je doen?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Teruggaan</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Niet toegewezen</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Druk op een toets</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Toetsenlijst</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Functietoetsen</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Uit te voeren programma</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumenten</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Navigatie- en bewerkingstoetsen</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Toetsen van numeriek toetsenblok</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Multimediatoetsen</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Speciale toetsen</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Numeriek %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimaal</translation>
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
        <translation>Mediaspeler</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>E-mailprogramma</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Bezoek onze website</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Je controller instellen</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Volg de introductiegids om je controller in te stellen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Stuurprogramma v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Problemen oplossen</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Neem contact op</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>We helpen je graag</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Feedback geven aan Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Fabrieksinstellingen herstellen</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Deze toets herstellen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Alle instellingen zijn teruggezet naar de fabriekswaarden.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Welkom, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Accountgegevens</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Achternaam</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Wachtwoord vergeten?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Configuratie synchroniseren</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Account verwijderen</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Je account definitief verwijderen?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Afmelden</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>of aanmelden met</translation>
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
        <translation>Nieuw account maken</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Je account is verwijderd.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Je moet een actie kiezen om toe te passen</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Verplicht veld is leeg</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Terugzetten naar de standaardinstellingen?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Het profiel van dit bedieningselement bestaat niet meer, dus de wijziging is niet opgeslagen.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Dit bedieningselement heeft hier al een andere actie, dus de wijziging is niet opgeslagen.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>‘Uitgeschakeld’ kan geen actie vervangen die dit bedieningselement uit een andere toewijzing krijgt, dus de wijziging is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Je instellingen konden niet worden gelezen, dus de standaardinstellingen worden getoond. Het beschadigde bestand wordt als %1 apart gezet voordat er iets overheen wordt opgeslagen.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Controleren op updates...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Het controleren op updates duurde te lang.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Het controleren op updates is mislukt.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Er is een nieuwe versie beschikbaar. Nu downloaden?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>De nieuwe versie is gedownload. Nu installeren?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Je software is up-to-date.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>De update wordt gedownload...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>De update is geannuleerd.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Je configuratie in de cloud (opgeslagen op %1, versie %2) verschilt van deze. Welke wil je behouden?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokaal</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Je configuratie naar de cloud uploaden?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>De configuratie in de cloud terugzetten naar de standaard?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>De configuratie in de cloud is ongeldig. Vervangen door deze?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Deze configuratie is ongeldig. Terugzetten naar de standaard?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>De configuratie wordt gedownload...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Het downloaden is geannuleerd.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>De configuratie wordt geüpload...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Het uploaden is geannuleerd.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>De configuratie is teruggezet.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Synchronisatie mislukt.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Het uploaden is mislukt.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Het downloaden is mislukt.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Je instellingen zijn gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profielen</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Kies een profiel</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Profiel wijzigen</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Kies het profiel dat de controller gebruikt, of maak een nieuw profiel.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profiel bewerken</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Toepassen op controller</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Nieuw profiel maken</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Kies een actie</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Naar profiel wisselen</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profiel om naar te wisselen</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Voeg een toepassing toe om de bedieningselementen eigen acties te geven terwijl die toepassing op de voorgrond staat.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>De toepassingsconfiguratie is verwijderd.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>De apparaatconfiguratie is verwijderd.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Kies een programma</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Geef het programma toestemming om je computer te bedienen</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Open Systeemvoorkeuren.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Kies Beveiliging en privacy.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Open het tabblad Privacy.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Selecteer Toegankelijkheid.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Vink het vakje naast het programma aan.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Beveiliging en privacy openen</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Programma naar de map Programma's verplaatsen</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Het programma werkt het best vanuit de map Programma's.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Deze configuratie verwijderen?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Configuratiegegevens</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Configuratienaam bestaat al</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Er bestaat al een configuratie voor dit programma</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Configuratienaam</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuratie</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>Begrepen!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>De update is geïnstalleerd. Start je computer opnieuw op om te voltooien.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Nu opnieuw opstarten</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Later opnieuw opstarten</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Updates downloaden zonder te vragen</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Updates installeren zonder te vragen</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Configuratie synchroniseren met de cloud</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch controleren op updates</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Interval voor updatecontrole</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Interval voor meldingencontrole</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Deze macro is in gebruik. Toch verwijderen?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>AVG-naleving</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Multimediacontroller Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Multimediacontroller Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Standaardprofiel</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Gelijk aan lagere waarde</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Toetsaanslag: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Druk op </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Start </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Start macro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Voer uit: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Wissel naar profiel </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linkerklik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechterklik</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Middelklik</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Vierde klik</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Vijfde klik</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Dubbelklik</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Drievoudige klik</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Klik vastzetten</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Rechter dubbelklik</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Rechterklik vastzetten</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Toets indrukken</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Harder</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Zachter</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Donkerder</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Omhoog scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Omlaag scrollen</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Links scrollen</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rechts scrollen</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Standaard gebruiken</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Gelijk aan lagere waarde</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Instellingen wisselen</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Muis- en systeembediening</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Aangepaste actie...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Eenmalig</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Vasthouden</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Zo snel mogelijk</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 keer per seconde</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 keer per seconde</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 keer per seconde</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 keer per seconde</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 keer per seconde</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 keer per seconde</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 keer per seconde</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Elke seconde</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Elke twee seconden</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Elke drie seconden</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Elke vier seconden</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Niet wachten</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>1 ms wachten</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>2 ms wachten</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>5 ms wachten</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>10 ms wachten</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>20 ms wachten</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>50 ms wachten</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>100 ms wachten</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>200 ms wachten</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>500 ms wachten</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>1 s wachten</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>2 s wachten</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>5 s wachten</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>10 s wachten</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
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
        <translation>Option</translation>
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
        <translation>Linksom</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Rechtsom</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Overgang %1 naar %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>KNOPPEN</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>DRAAIKNOP</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>JOGWIEL</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Taal kiezen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fins</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>Het venster toont zijn teksten in de taal die je kiest.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pijl-omhoog</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pijl-omlaag</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pijl-links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pijl-rechts</translation>
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
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Volgend nummer</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Vorig nummer</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Toepassingstoets</translation>
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
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Uitvoeren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
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
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Het aanmelden kon niet starten: een ander programma gebruikt poort %1, waarop de browser de aanmelding teruggeeft. Sluit dat programma en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Uw wijziging kon niet worden opgeslagen in %1: %2. Ze blijft in dit venster staan, en de volgende wijziging die wel kan worden opgeslagen, slaat ook deze op. Wordt het programma eerder afgesloten, dan gaat de wijziging verloren.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>er is geen ruimte meer op de schijf</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>u mag daar niet schrijven</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>er staat een bestand of map in de weg</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>de map ervan ontbreekt</translation>
    </message>
</context>
</TS>
