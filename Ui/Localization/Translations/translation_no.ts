<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset every setting to the factory values?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No action chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cloud configuration differs from this one. Which one do you want to keep?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase EOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CrSel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExSel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PA1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
