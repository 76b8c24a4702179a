<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Contrôleur multimédia Pelvane – Configuration de l’appareil</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>L’importation d’une configuration remplace vos paramètres actuels.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L’opération a réussi.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>L’opération a échoué.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Connectez un appareil ou créez une configuration</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Créer une configuration</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Paramètres globaux</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Choisissez l’action de chaque commande dans toutes les applications.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Par application</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Choisissez l’action de chaque commande lorsqu’une application donnée est au premier plan.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Mise en route</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Préparez votre contrôleur.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Infos &amp; assistance</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Version du logiciel, mises à jour et aide.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Mode molette</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Mode jog</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Mode zones</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Mode défilement</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Cliquer pour modifier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Frappe de touche</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Touches de modification</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Lancer un programme</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Saisir du texte</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Lancer une macro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Souris &amp; système</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Texte à saisir</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Choisir les modificateurs</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>Les touches de modification maintenues pendant l’action.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Ajouter une touche</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Appuyez sur une touche ou choisissez-en une dans la liste des touches.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Choisir un élément</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Choisissez le programme ou le fichier à ouvrir.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Choisissez une action de la souris ou du système.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Défilement</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Fait défiler la fenêtre sous le pointeur.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Clic de souris</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Clique avec un bouton de la souris.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Modifie le volume du son.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Modifie la luminosité de l’écran.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrou</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Choisir une macro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Ajouter une macro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Supprimer la macro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Ce nom de macro existe déjà</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Les paramètres par application sont activés</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Les paramètres par application sont désactivés</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Entrez le nom du profil</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>Supprimer ce profil ?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>Le nom de profil Default est réservé !</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Ce nom de profil existe déjà</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Propriétés générales</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Séquence d’actions</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Ajouter une action</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Modifier l’action</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Retirer l’action</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>Enregistrer les dernières modifications ?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Que souhaitez-vous faire ?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Non attribué</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Liste des touches</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Touches de fonction</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Programme à exécuter</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Navigation et édition</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Pavé numérique</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Touches multimédias</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Touches spéciales</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Pavé num. %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Navigateur Internet</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>Messagerie</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Visitez notre site</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Préparez votre contrôleur</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Suivez le guide de démarrage pour configurer votre contrôleur.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Pilote v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contactez-nous</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Nous sommes là pour vous aider</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Envoyer vos commentaires à Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Rétablir les paramètres d’usine</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Réinitialiser cette touche</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Tous les paramètres ont été rétablis aux valeurs d’usine.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Bienvenue, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Informations du compte</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Synchroniser la configuration</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>Supprimer définitivement votre compte ?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>ou se connecter avec</translation>
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
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Votre compte a été supprimé.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Vous devez choisir une action à appliquer</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>Le champ obligatoire est vide</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>Rétablir les paramètres par défaut ?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>Le profil de cette commande n’existe plus, la modification n’a donc pas été enregistrée.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Cette commande a déjà une autre action ici, la modification n’a donc pas été enregistrée.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>«&#xa0;Désactivé&#xa0;» ne peut pas remplacer une action que cette commande tient d’une autre affectation, la modification n’a donc pas été enregistrée.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>Vos paramètres n’ont pas pu être lus, les paramètres par défaut sont donc affichés. Le fichier endommagé est mis de côté sous le nom %1 avant tout enregistrement par-dessus.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Le délai de recherche des mises à jour a expiré.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>La recherche de mises à jour a échoué.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Une nouvelle version est disponible. La télécharger maintenant ?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>La nouvelle version est téléchargée. L’installer maintenant ?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Votre logiciel est à jour.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>La mise à jour a été annulée.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Votre configuration dans le cloud (enregistrée le %1, version %2) diffère de celle-ci. Laquelle voulez-vous conserver ?</translation>
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
        <translation>Envoyer votre configuration vers le cloud ?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>Rétablir la configuration par défaut dans le cloud ?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>La configuration dans le cloud n’est pas valide. La remplacer par celle-ci ?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Cette configuration n’est pas valide. Rétablir la configuration par défaut ?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Téléchargement de la configuration...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Envoi de la configuration...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>L’envoi a été annulé.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>La configuration a été réinitialisée.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>La synchronisation a échoué.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>L’envoi a échoué.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Le téléchargement a échoué.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Vos paramètres sont synchronisés.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Choisir un profil</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Choisissez le profil utilisé par le contrôleur ou créez-en un nouveau.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Appliquer au contrôleur</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Créer un profil</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Choisir une action</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Passer à un profil</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil à activer</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Ajoutez une application pour attribuer aux commandes leurs propres actions lorsqu’elle est au premier plan.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>La configuration de l’application a été supprimée.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>La configuration de l’appareil a été supprimée.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Autorisez le programme à contrôler votre ordinateur</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Ouvrez Préférences Système.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Choisissez Sécurité &amp; confidentialité.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Ouvrez l’onglet Confidentialité.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Sélectionnez Accessibilité.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Cochez la case à côté du programme.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Ouvrir Sécurité &amp; confidentialité</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Déplacer le programme dans Applications</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>Le programme fonctionne mieux depuis le dossier Applications.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>Supprimer cette configuration ?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Détails de la configuration</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Ce nom de configuration existe déjà</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Une configuration existe déjà pour ce programme</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Nom de la configuration</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>J’ai compris !</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>La mise à jour est installée. Redémarrez votre ordinateur pour terminer.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Redémarrer plus tard</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Télécharger les mises à jour sans demander</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Installer les mises à jour sans demander</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Synchroniser la configuration avec le cloud</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervalle de recherche des mises à jour</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervalle de vérification des notifications</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Cette macro est utilisée. La supprimer quand même ?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>Conformité au RGPD</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Contrôleur multimédia Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Contrôleur multimédia Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Profil par défaut</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Comme valeur inférieure</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Touche : </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Appuyer </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Lancer le programme </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Lancer la macro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Action : </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Passer au profil </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic milieu</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Clic bouton 4</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Clic bouton 5</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Double-clic</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Triple-clic</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Clic verrouillé</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Double-clic droit</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Clic droit verrouillé</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Appuyer sur une touche</translation>
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
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défilement haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défilement bas</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Défilement gauche</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Défilement droite</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Paramètre par défaut</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Comme la valeur inférieure</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Changer de paramètres</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Commandes souris et système</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Action personnalisée...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Une seule fois</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Maintenir enfoncé</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Aussi vite que possible</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 fois par seconde</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 fois par seconde</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 fois par seconde</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 fois par seconde</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 fois par seconde</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 fois par seconde</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 fois par seconde</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Une fois par seconde</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Toutes les deux secondes</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Toutes les trois secondes</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Toutes les quatre secondes</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Délai 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Délai 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Délai 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Délai 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Délai 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Délai 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Délai 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Délai 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Délai 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Délai 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Délai 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Délai 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Délai 10 s</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
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
        <translation>N° %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Transition de %1 à %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>BOUTONS</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>MOLETTE</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>ROUE JOG</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>La fenêtre affiche ses textes dans la langue choisie.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pg. préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pg. suiv.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Touche Application</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr. écran</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>La connexion n’a pas pu démarrer : un autre programme utilise le port %1, par lequel le navigateur renvoie la connexion. Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>Votre modification n’a pas pu être enregistrée dans %1 : %2. Elle reste dans cette fenêtre, et la prochaine modification qui pourra être enregistrée l’enregistrera aussi. Si le programme se ferme avant, la modification est perdue.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>il n’y a plus de place sur le disque</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>vous n’avez pas le droit d’y écrire</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>un fichier ou un dossier fait obstacle</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>son dossier n’existe pas</translation>
    </message>
</context>
</TS>
