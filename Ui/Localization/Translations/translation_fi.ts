<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Pelvane-multimediaohjaimen laitemääritys</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Yhteystiedot</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Tuki</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>Määrityksen tuominen korvaa nykyiset asetuksesi.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Toiminto onnistui.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Toiminto epäonnistui.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Kaikki oikeudet pidätetään.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Liitä laite tai luo määritys</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Luo määritys</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Valitse, mitä kukin näppäin ja säädin tekee kaikissa sovelluksissa.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Sovelluskohtaiset</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Valitse, mitä kukin näppäin ja säädin tekee, kun tietty sovellus on etualalla.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Asennus</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Valmistele ohjain käyttöä varten.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Tietoja ja tuki</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Ohjelmistoversio, päivitykset ja ohjeet.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Käytä säätimenä</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Käytä jogina</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Käytä jog-kiekon alueita</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Käytä vieritykseen</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Avaa muokkaus</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Valitse sovellus</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentti</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Näppäinpainallus</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Paina muuntonäppäimiä</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Suorita ohjelma</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Syötä teksti</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Suorita makro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Hiiri ja järjestelmä</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Syötettävä teksti</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Valitse muuntonäppäimet</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>Muuntonäppäimet, joita pidetään painettuina toiminnon aikana.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Lisää näppäin</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Paina näppäintä tai valitse näppäin luettelosta.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Toistot</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Valitse kohde</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Valitse avattava ohjelma tai tiedosto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Valitse hiiren tai järjestelmän toiminto.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Vieritys</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Vierittää osoittimen alla olevaa ikkunaa.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Napsautus</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Napsauttaa hiiren painikkeella.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ääni</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Muuttaa äänenvoimakkuutta.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Kirkkaus</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Muuttaa näytön kirkkautta.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Ylös</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Alas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Kerran</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Kahdesti</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Kolmesti</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lukitus</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mykistä</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Valitse makro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Lisää makro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Poista makro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Makron nimi on jo käytössä</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Sovelluskohtaiset asetukset ovat käytössä</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Sovelluskohtaiset asetukset eivät ole käytössä</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Kirjoita profiilin nimi</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Poistetaanko tämä profiili?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Profiilin nimi Default on varattu!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Profiilin nimi on jo käytössä</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Yleiset ominaisuudet</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Kuvaus</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Toimintosarja</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Lisää ryhmä</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Poista ryhmä</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Lisää toiminto</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Muokkaa toimintoa</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Poista toiminto</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hylkää</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Tallennetaanko viimeisimmät muutokset?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Mitä haluat tehdä?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Ei määritetty</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Paina näppäintä</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Näppäimet</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Toimintonäppäimet</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Suoritettava ohjelma</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumentit</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Selaa</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Siirto- ja muokkausnäppäimet</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Numeronäppäimistö</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Multimedianäppäimet</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Erikoisnäppäimet</translation>
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
        <translation>Pilkku</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Verkkoselain</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Mediasoitin</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>Sähköpostisovellus</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Käy sivustollamme</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Ota ohjain käyttöön</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Ota ohjain käyttöön aloitusoppaan ohjeiden mukaan.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Ajuri v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Vianmääritys</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Ota yhteyttä</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Autamme mielellämme</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Lähetä palautetta Pelvanelle</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Palauta tehdasasetukset</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Palauta tämä näppäin</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Kaikki asetukset on palautettu tehdasarvoihin.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Tervetuloa, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Tilin tiedot</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Käyttäjänimi</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Sähköpostiosoite</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Etunimi</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sukunimi</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Unohditko salasanasi?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Synkronoi määritys</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Poista tili</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Poistetaanko tilisi pysyvästi?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Kirjaudu</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Kirjaudu ulos</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>tai kirjaudu palvelulla</translation>
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
        <translation>Luo uusi tili</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Tilisi on poistettu.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Sinun on valittava käytettävä toiminto</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Pakollinen kenttä on tyhjä</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Palautetaanko oletusasetukset?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Tämän säätimen profiilia ei ole enää olemassa, joten muutosta ei tallennettu.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Tällä säätimellä on jo toinen toiminto tässä, joten muutosta ei tallennettu.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>”Ei käytössä” ei voi korvata toimintoa, jonka tämä säädin saa toisesta määrityksestä, joten muutosta ei tallennettu.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Asetuksiasi ei voitu lukea, joten näytetään oletusasetukset. Vioittunut tiedosto siirretään talteen nimellä %1 ennen kuin sen päälle tallennetaan mitään.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Tarkistetaan päivityksiä...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Päivitysten tarkistus kesti liian kauan.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Päivitysten tarkistus epäonnistui.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Uusi versio on saatavilla. Ladataanko se nyt?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>Uusi versio on ladattu. Asennetaanko se nyt?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Ohjelmistosi on ajan tasalla.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Ladataan päivitystä...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Päivitys peruutettiin.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Pilvessä oleva määrityksesi (tallennettu %1, versio %2) eroaa tästä. Kumman haluat säilyttää?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Pilvi</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Paikallinen</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Lähetetäänkö määrityksesi pilveen?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Palautetaanko pilvessä oleva määritys oletusarvoihin?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>Pilvessä oleva määritys on virheellinen. Korvataanko se tällä?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Tämä määritys on virheellinen. Palautetaanko se oletusarvoihin?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Ladataan määritystä...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Lataus peruutettiin.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Lähetetään määritystä...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Lähetys peruutettiin.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>Määritys palautettiin oletusarvoihin.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Synkronointi epäonnistui.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Lähetys epäonnistui.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Lataus epäonnistui.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Asetuksesi on synkronoitu.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiilit</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Valitse profiili</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Vaihda profiilia</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Valitse ohjaimen käyttämä profiili tai luo uusi.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Muokkaa profiilia</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Käytä ohjaimessa</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Luo uusi profiili</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Valitse toiminto</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Vaihda profiiliin</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profiili, johon vaihdetaan</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Lisää sovellus, niin näppäimet ja säätimet saavat omat toimintonsa, kun se on etualalla.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>Sovelluksen määritys poistettiin.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>Laitteen määritys poistettiin.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Valitse ohjelma</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Salli ohjelman ohjata tietokonettasi</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Avaa Järjestelmäasetukset.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Valitse Suojaus ja yksityisyys.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Avaa Yksityisyys-välilehti.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Valitse Käyttöapu.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Valitse ohjelman vieressä oleva valintaruutu.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Avaa Suojaus ja yksityisyys</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Siirrä ohjelma Ohjelmat-kansioon</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Ohjelma toimii parhaiten Ohjelmat-kansiosta.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Poistetaanko tämä määritys?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Määrityksen tiedot</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Määrityksen nimi on jo käytössä</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Tälle ohjelmalle on jo määritys</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Määrityksen nimi</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Määritys</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiili</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Ohjelma</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>Selvä!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>Päivitys on asennettu. Viimeistele asennus käynnistämällä tietokone uudelleen.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Käynnistä nyt</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Lataa päivitykset kysymättä</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Asenna päivitykset kysymättä</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Synkronoi määritys pilven kanssa</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Tarkista päivitykset automaattisesti</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Päivitysten tarkistusväli</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Ilmoitusten tarkistusväli</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Makro on käytössä. Poistetaanko se silti?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Tietosuojakäytäntö</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>GDPR-vaatimustenmukaisuus</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Multimediaohjain Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Multimediaohjain Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Oletusprofiili</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Sama kuin alempi arvo</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Näppäin: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Paina </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Suorita ohjelma </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Suorita makro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Toiminto: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Vaihda profiiliin </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Vasen napsautus</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Oikea napsautus</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Keskinapsautus</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Painike 4</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Painike 5</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Kaksoisnapsautus</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Kolmoisnapsautus</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Napsautuslukitus</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Oikea kaksoisnapsautus</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Oikea napsautuslukitus</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Komento</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Paina näppäintä</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Ääni ylös</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ääni alas</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Kirkkaus ylös</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Kirkkaus alas</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Vieritä ylös</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Vieritä alas</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Vieritä vasemmalle</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Vieritä oikealle</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Käytä oletusasetusta</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Sama kuin alempi arvo</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Vaihda asetuksia</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Hiiri ja järjestelmä</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Mukautettu toiminto...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Vain kerran</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Painettuna</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Mahdollisimman nopeasti</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 kertaa sekunnissa</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Kerran sekunnissa</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Kahden sekunnin välein</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Kolmen sekunnin välein</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Neljän sekunnin välein</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Älä odota</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Odota 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Odota 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Odota 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Odota 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Odota 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Odota 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Odota 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Odota 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Odota 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Odota 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Odota 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Odota 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Odota 10 s</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Vaihto</translation>
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
        <translation>Optio</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Cmd</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>Nro %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Vasemmalle</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Oikealle</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Alue %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Siirtymä %1 → %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>NÄPPÄIMET</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>SÄÄDIN</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>JOG-KIEKKO</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Valitse kieli</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englanti</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Ranska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Saksa</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japani</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Hollanti</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugali</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanja</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norja</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Ruotsi</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Tanska</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>Ikkunan tekstit näytetään valitsemallasi kielellä.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Ylänuoli</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Alanuoli</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Vasen nuoli</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Oikea nuoli</translation>
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
        <translation>Askelpalautin</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Välilyönti</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Eteenpäin</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Suosikit</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Toista</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Seuraava</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Edellinen</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Sovellusnäppäin</translation>
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
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Suorita</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
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
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Pienennä</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Teema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Kirjautumista ei voitu aloittaa: toinen ohjelma käyttää porttia %1, johon selain palauttaa kirjautumisen. Sulje se ohjelma ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Muutostasi ei voitu tallentaa tiedostoon %1: %2. Se säilyy tässä ikkunassa, ja seuraava muutos, joka voidaan tallentaa, tallentaa myös sen. Jos ohjelma suljetaan ennen sitä, muutos menetetään.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>levyllä ei ole enää tilaa</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>levy on vain luku -tilassa</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>sinulla ei ole oikeutta kirjoittaa sinne</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>tiedosto tai kansio on tiellä</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>sen kansio puuttuu</translation>
    </message>
</context>
</TS>
