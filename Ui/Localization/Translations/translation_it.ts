<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Controller multimediale Pelvane – Configurazione del dispositivo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>L'importazione di una configurazione sostituisce le impostazioni correnti.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Operazione completata correttamente.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operazione non riuscita.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Collegare un dispositivo o creare una configurazione</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Crea una configurazione</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Impostazioni globali</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Scegliere cosa fa ogni controllo in tutte le applicazioni.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Per applicazione</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Scegliere cosa fa ogni controllo mentre una determinata applicazione è in primo piano.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Preparare il controller all'uso.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Info &amp; supporto</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Versione del software, aggiornamenti e guida.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Usa come manopola</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Usa come jog</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Usa le zone jog</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Usa per scorrere</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Clic per modificare</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Scegli un'applicazione</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Digita tasto</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Premi tasti modificatori</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Esegui programma</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Digita testo</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Esegui macro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Controlli mouse &amp; sistema</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Testo da digitare</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Seleziona modificatori</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>I tasti modificatori tenuti premuti durante l'azione.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Aggiungi tasto</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Premere un tasto o sceglierne uno dall'elenco dei tasti.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Seleziona elemento</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Scegliere il programma o il file da aprire.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Scegliere un'azione del mouse o del sistema.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Scorre la finestra sotto il puntatore.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Clic del mouse</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Fa clic con un pulsante del mouse.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Modifica il volume dell'audio.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Modifica la luminosità dello schermo.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppio</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triplo</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Seleziona una macro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Aggiungi macro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Elimina macro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Il nome della macro esiste già</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Le impostazioni per applicazione sono attive</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Le impostazioni per applicazione sono disattivate</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Immettere il nome del profilo</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Eliminare questo profilo?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Il nome di profilo Default è riservato!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Il nome del profilo esiste già</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Proprietà generali</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Sequenza di azioni</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Aggiungi gruppo</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Elimina gruppo</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Aggiungi azione</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Modifica azione</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Rimuovi azione</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Salvare le ultime modifiche?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Cosa si desidera fare?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Non assegnato</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Premere un tasto</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Elenco tasti</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Tasti funzione</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Programma da eseguire</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argomenti</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Tasti di spostamento e modifica</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Tastierino numerico</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Tasti multimediali</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Tasti speciali</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Tastierino %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimale</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Browser Internet</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Lettore multimediale</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>Posta elettronica</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Visita il nostro sito</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Installare il controller</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Seguire la guida introduttiva per installare il controller.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Driver v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Risoluzione dei problemi</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Siamo qui per aiutare</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Invia un feedback a Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Ripristina impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Ripristina questo tasto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Tutte le impostazioni sono state ripristinate ai valori di fabbrica.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Benvenuto, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Informazioni sull'account</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Password dimenticata?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Sincronizza configurazione</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Elimina account</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Eliminare definitivamente l'account?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>oppure accedi con</translation>
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
        <translation>Crea un nuovo account</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>L'account è stato eliminato.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>È necessario scegliere un’azione da applicare</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Il campo obbligatorio è vuoto</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Ripristinare le impostazioni predefinite?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Il profilo di questo controllo non esiste più, quindi la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Questo controllo ha già un'altra azione qui, quindi la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>«Disattivato» non può sostituire un'azione che questo controllo riceve da un'altra assegnazione, quindi la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Non è stato possibile leggere le impostazioni, quindi vengono mostrate quelle predefinite. Il file danneggiato viene messo da parte come %1 prima che vi venga salvato sopra qualcosa.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Verifica degli aggiornamenti in corso...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Tempo scaduto per la verifica degli aggiornamenti.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Verifica degli aggiornamenti non riuscita.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>È disponibile una nuova versione. Scaricarla ora?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>La nuova versione è stata scaricata. Installarla ora?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Il software è aggiornato.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Download dell'aggiornamento in corso...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>L'aggiornamento è stato annullato.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>La configurazione nel cloud (salvata il %1, versione %2) è diversa da questa. Quale mantenere?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>Caricare la configurazione nel cloud?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Ripristinare la configurazione predefinita nel cloud?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>La configurazione nel cloud non è valida. Sostituirla con questa?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Questa configurazione non è valida. Ripristinare quella predefinita?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Download della configurazione in corso...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Il download è stato annullato.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Caricamento della configurazione in corso...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Il caricamento è stato annullato.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>La configurazione è stata ripristinata.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>Sincronizzazione non riuscita.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>Caricamento non riuscito.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Download non riuscito.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Le impostazioni sono sincronizzate.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Seleziona un profilo</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Scegliere il profilo usato dal controller o crearne uno nuovo.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Applica al controller</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Crea nuovo profilo</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Scegli un'azione</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Passa a un profilo</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profilo da attivare</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Aggiungere un'applicazione per assegnare ai controlli azioni proprie mentre è in primo piano.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>La configurazione dell'applicazione è stata eliminata.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>La configurazione del dispositivo è stata eliminata.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Seleziona un programma</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Consentire al programma di controllare il computer</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Aprire Preferenze di Sistema.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Scegliere Sicurezza &amp; Privacy.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Aprire la scheda Privacy.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Selezionare Accessibilità.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Selezionare la casella accanto al programma.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Apri Sicurezza &amp; Privacy</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Sposta il programma in Applicazioni</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Il programma funziona meglio dalla cartella Applicazioni.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Eliminare questa configurazione?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Dettagli della configurazione</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Il nome della configurazione esiste già</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Esiste già una configurazione per questo programma</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Nome della configurazione</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>Ho capito!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>L'aggiornamento è installato. Riavviare il computer per completare.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Riavvia più tardi</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Scarica gli aggiornamenti senza chiedere</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Installa gli aggiornamenti senza chiedere</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Sincronizza la configurazione con il cloud</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Verifica automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervallo di verifica degli aggiornamenti</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervallo di verifica delle notifiche</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Questa macro è in uso. Eliminarla comunque?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>Conformità al GDPR</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Controller multimediale Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Controller multimediale Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Profilo predefinito</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Come il valore inferiore</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Tasto: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Premi </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Esegui programma </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Esegui macro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Azione: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Passa al profilo </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Clic pulsante 4</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Clic pulsante 5</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Doppio clic</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Triplo clic</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Blocco clic</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Doppio clic destro</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Blocco clic destro</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premi tasto</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Scorri a sinistra</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Scorri a destra</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Impostazione predefinita</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Come il valore inferiore</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Cambia impostazioni</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Controlli mouse e sistema</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Azione personalizzata...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Una sola volta</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Tieni premuto</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Alla massima velocità</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 volte al secondo</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 volte al secondo</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 volte al secondo</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 volte al secondo</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 volte al secondo</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 volte al secondo</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 volte al secondo</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Una volta al secondo</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Ogni due secondi</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Ogni tre secondi</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Ogni quattro secondi</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Nessuna attesa</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Attesa 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Attesa 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Attesa 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Attesa 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Attesa 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Attesa 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Attesa 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Attesa 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Attesa 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Attesa 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Attesa 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Attesa 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Attesa 10 s</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
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
        <translation>Opzione</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Cmd</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Transizione da %1 a %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>PULSANTI</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>MANOPOLA</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>ROTELLA JOG</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Scegli la lingua</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>La finestra mostra i testi nella lingua scelta.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Freccia su</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pag Su</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag Giù</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresta</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Tasto Applicazioni</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloc Scorr</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>Impossibile avviare l'accesso: un altro programma sta usando la porta %1, a cui il browser restituisce l'accesso. Chiudere quel programma e riprovare.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Impossibile salvare la modifica in %1: %2. La modifica rimane in questa finestra, e la prossima modifica che si potrà salvare la salverà insieme. Se il programma si chiude prima, la modifica va persa.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>non c’è più spazio sul disco</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>non si dispone dell’autorizzazione a scrivere lì</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>un file o una cartella è d’intralcio</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>manca la sua cartella</translation>
    </message>
</context>
</TS>
