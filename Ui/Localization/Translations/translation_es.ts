<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Strings</name>
    <message>
        <source>Pelvane Multimedia Controller Device Configuration</source>
        <extracomment>Title of the main window</extracomment>
        <translation>Controlador multimedia Pelvane – Configuración del dispositivo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Importing a configuration replaces your current settings.</source>
        <translation>Al importar una configuración se reemplazan sus ajustes actuales.</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>La operación se ha completado correctamente.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>No se ha podido completar la operación.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>© 2026 Pelvane Design. All rights reserved.</source>
        <extracomment>Rights notice at the bottom of the window</extracomment>
        <translation>© 2026 Pelvane Design. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Connect a device or create a configuration</source>
        <translation>Conecte un dispositivo o cree una configuración</translation>
    </message>
    <message>
        <source>Create a configuration</source>
        <translation>Crear una configuración</translation>
    </message>
    <message>
        <source>Global Settings</source>
        <translation>Ajustes globales</translation>
    </message>
    <message>
        <source>Choose what each control does in every application.</source>
        <translation>Elija qué hace cada control en todas las aplicaciones.</translation>
    </message>
    <message>
        <source>Application specific</source>
        <translation>Por aplicación</translation>
    </message>
    <message>
        <source>Choose what each control does while a given application is in front.</source>
        <translation>Elija qué hace cada control mientras una aplicación concreta está en primer plano.</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Get your controller ready.</source>
        <translation>Prepare su controlador.</translation>
    </message>
    <message>
        <source>About &amp; Support</source>
        <translation>Info &amp; soporte</translation>
    </message>
    <message>
        <source>Software version, updates and help.</source>
        <translation>Versión del software, actualizaciones y ayuda.</translation>
    </message>
    <message>
        <source>Use as Dial</source>
        <translation>Usar como dial</translation>
    </message>
    <message>
        <source>Use as Jog</source>
        <translation>Usar como jog</translation>
    </message>
    <message>
        <source>Use Jog Wheel Zones</source>
        <translation>Usar zonas de rueda jog</translation>
    </message>
    <message>
        <source>Use for scrolling</source>
        <translation>Usar para desplazar</translation>
    </message>
    <message>
        <source>Click to edit</source>
        <translation>Clic para editar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Choose an application</source>
        <translation>Elegir una aplicación</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Type Keystroke</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Press Modifier Keys</source>
        <translation>Pulsar modificadores</translation>
    </message>
    <message>
        <source>Run Program</source>
        <translation>Ejecutar programa</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Escribir texto</translation>
    </message>
    <message>
        <source>Run Macro</source>
        <translation>Ejecutar macro</translation>
    </message>
    <message>
        <source>Mouse &amp; System Controls</source>
        <translation>Ratón &amp; sistema</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Texto que se escribirá</translation>
    </message>
    <message>
        <source>Select modifiers</source>
        <translation>Seleccionar modificadores</translation>
    </message>
    <message>
        <source>The modifier keys held while the action runs.</source>
        <translation>Las teclas modificadoras que se mantienen pulsadas mientras se ejecuta la acción.</translation>
    </message>
    <message>
        <source>Add key</source>
        <translation>Añadir tecla</translation>
    </message>
    <message>
        <source>Press a key, or pick one from the key list.</source>
        <translation>Pulse una tecla o elija una de la lista de teclas.</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Select item</source>
        <translation>Seleccionar elemento</translation>
    </message>
    <message>
        <source>Choose the program or file to open.</source>
        <translation>Elija el programa o el archivo que se abrirá.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Choose a mouse or system action.</source>
        <translation>Elija una acción del ratón o del sistema.</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Scroll the window under the pointer.</source>
        <translation>Desplaza la ventana que está bajo el puntero.</translation>
    </message>
    <message>
        <source>Mouse click</source>
        <translation>Clic de ratón</translation>
    </message>
    <message>
        <source>Click with a mouse button.</source>
        <translation>Hace clic con un botón del ratón.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Change the sound volume.</source>
        <translation>Cambia el volumen del sonido.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Change the screen brightness.</source>
        <translation>Cambia el brillo de la pantalla.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Seleccionar una macro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Add macro</source>
        <translation>Añadir macro</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <translation>Eliminar macro</translation>
    </message>
    <message>
        <source>Macro name already exists</source>
        <translation>Ya existe una macro con ese nombre</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Application specific settings are on</source>
        <translation>Los ajustes por aplicación están activados</translation>
    </message>
    <message>
        <source>Application specific settings are off</source>
        <translation>Los ajustes por aplicación están desactivados</translation>
    </message>
    <message>
        <source>Enter the profile name</source>
        <translation>Introduzca el nombre del perfil</translation>
    </message>
    <message>
        <source>Delete this profile?</source>
        <translation>¿Eliminar este perfil?</translation>
    </message>
    <message>
        <source>Profile name Default is reserved!</source>
        <translation>¡El nombre de perfil Default está reservado!</translation>
    </message>
    <message>
        <source>Profile name already exists</source>
        <translation>Ya existe un perfil con ese nombre</translation>
    </message>
    <message>
        <source>General properties</source>
        <translation>Propiedades generales</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Action sequence</source>
        <translation>Secuencia de acciones</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>Add action</source>
        <translation>Añadir acción</translation>
    </message>
    <message>
        <source>Edit action</source>
        <translation>Editar acción</translation>
    </message>
    <message>
        <source>Remove action</source>
        <translation>Quitar acción</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save the latest changes?</source>
        <translation>¿Guardar los últimos cambios?</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Not assigned</source>
        <translation>Sin asignar</translation>
    </message>
    <message>
        <source>Press any key</source>
        <translation>Pulse cualquier tecla</translation>
    </message>
    <message>
        <source>Key list</source>
        <translation>Lista de teclas</translation>
    </message>
    <message>
        <source>Function keys</source>
        <translation>Teclas de función</translation>
    </message>
    <message>
        <source>Program to run</source>
        <translation>Programa que se ejecutará</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Motion and editing keys</source>
        <translation>Teclas de navegación y edición</translation>
    </message>
    <message>
        <source>Numeric pad keys</source>
        <translation>Teclas del teclado numérico</translation>
    </message>
    <message>
        <source>Multimedia keys</source>
        <translation>Teclas multimedia</translation>
    </message>
    <message>
        <source>Special keys</source>
        <translation>Teclas especiales</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>NumPad %1</source>
        <extracomment>%1 is a digit or an operator of the numeric pad</extracomment>
        <translation>Num %1</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Internet browser</source>
        <translation>Navegador web</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <source>Mail application</source>
        <translation>Aplicación de correo</translation>
    </message>
    <message>
        <source>Visit our site</source>
        <translation>Visite nuestro sitio web</translation>
    </message>
    <message>
        <source>Set up your controller</source>
        <translation>Configure su controlador</translation>
    </message>
    <message>
        <source>Follow the getting-started guide to set up your controller.</source>
        <translation>Siga la guía de primeros pasos para configurar su controlador.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Driver v. %1</source>
        <extracomment>%1 is the driver&apos;s version</extracomment>
        <translation>Controlador v. %1</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Solucionar problemas</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contacte con nosotros</translation>
    </message>
    <message>
        <source>We are here to help</source>
        <translation>Estamos aquí para ayudarle</translation>
    </message>
    <message>
        <source>Provide feedback to Pelvane</source>
        <translation>Enviar comentarios a Pelvane</translation>
    </message>
    <message>
        <source>Reset to factory settings</source>
        <translation>Restablecer ajustes de fábrica</translation>
    </message>
    <message>
        <source>Reset this key</source>
        <translation>Restablecer esta tecla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>All settings were reset to their factory values.</source>
        <translation>Todos los ajustes se han restablecido a los valores de fábrica.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Welcome, </source>
        <translation>Le damos la bienvenida, </translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Account information</source>
        <translation>Información de la cuenta</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>¿Ha olvidado su contraseña?</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Synchronise configuration</source>
        <translation>Sincronizar configuración</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete your account for good?</source>
        <translation>¿Eliminar su cuenta definitivamente?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>or sign in with</source>
        <translation>o inicie sesión con</translation>
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
        <translation>Crear una cuenta nueva</translation>
    </message>
    <message>
        <source>Your account was deleted.</source>
        <translation>Se ha eliminado su cuenta.</translation>
    </message>
    <message>
        <source>You need to choose an action to apply</source>
        <translation>Debe elegir una acción para aplicar</translation>
    </message>
    <message>
        <source>Required field is empty</source>
        <translation>El campo obligatorio está vacío</translation>
    </message>
    <message>
        <source>Reset to the default settings?</source>
        <translation>¿Restablecer los ajustes predeterminados?</translation>
    </message>
    <message>
        <source>The profile of this control no longer exists, so the change was not saved.</source>
        <translation>El perfil de este control ya no existe, así que el cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>This control already has another action here, so the change was not saved.</source>
        <translation>Este control ya tiene otra acción aquí, así que el cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>“Disabled” cannot replace an action that this control takes from another binding, so the change was not saved.</source>
        <translation>«Desactivado» no puede sustituir una acción que este control toma de otra asignación, así que el cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>Your preferences could not be read, so the defaults are shown. The damaged file is set aside as %1 before anything is saved over it.</source>
        <translation>No se han podido leer sus ajustes, así que se muestran los predeterminados. El archivo dañado se guarda aparte como %1 antes de que se guarde nada encima.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>The update check timed out.</source>
        <translation>Se ha agotado el tiempo de espera al buscar actualizaciones.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>No se han podido buscar actualizaciones.</translation>
    </message>
    <message>
        <source>A new version is available. Download it now?</source>
        <translation>Hay una nueva versión disponible. ¿Descargarla ahora?</translation>
    </message>
    <message>
        <source>The new version is downloaded. Install it now?</source>
        <translation>Se ha descargado la nueva versión. ¿Instalarla ahora?</translation>
    </message>
    <message>
        <source>Your software is up to date.</source>
        <translation>Su software está actualizado.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Descargando la actualización...</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Se ha cancelado la actualización.</translation>
    </message>
    <message>
        <source>Your cloud configuration (saved %1, version %2) differs from this one. Which one do you want to keep?</source>
        <extracomment>%1 is the date and time the cloud copy was saved, %2 its version number</extracomment>
        <translation>Su configuración en la nube (guardada el %1, versión %2) es distinta de esta. ¿Cuál desea conservar?</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nube</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Upload your configuration to the cloud?</source>
        <translation>¿Subir su configuración a la nube?</translation>
    </message>
    <message>
        <source>Reset the configuration in the cloud to the default?</source>
        <translation>¿Restablecer la configuración de la nube a los valores predeterminados?</translation>
    </message>
    <message>
        <source>The configuration in the cloud is invalid. Replace it with this one?</source>
        <translation>La configuración de la nube no es válida. ¿Reemplazarla por esta?</translation>
    </message>
    <message>
        <source>This configuration is invalid. Reset it to the default?</source>
        <translation>Esta configuración no es válida. ¿Restablecer los valores predeterminados?</translation>
    </message>
    <message>
        <source>Downloading the configuration...</source>
        <translation>Descargando la configuración...</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Se ha cancelado la descarga.</translation>
    </message>
    <message>
        <source>Uploading the configuration...</source>
        <translation>Subiendo la configuración...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Se ha cancelado la subida.</translation>
    </message>
    <message>
        <source>The configuration was reset.</source>
        <translation>Se ha restablecido la configuración.</translation>
    </message>
    <message>
        <source>Synchronisation failed.</source>
        <translation>No se ha podido sincronizar.</translation>
    </message>
    <message>
        <source>The upload failed.</source>
        <translation>No se ha podido completar la subida.</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>No se ha podido completar la descarga.</translation>
    </message>
    <message>
        <source>Your settings are synchronised.</source>
        <translation>Sus ajustes están sincronizados.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Seleccionar un perfil</translation>
    </message>
    <message>
        <source>Change profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Pick the profile the controller uses, or create a new one.</source>
        <translation>Elija el perfil que usa el controlador o cree uno nuevo.</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Apply to controller</source>
        <translation>Aplicar al controlador</translation>
    </message>
    <message>
        <source>Create new profile</source>
        <translation>Crear perfil nuevo</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Elegir una acción</translation>
    </message>
    <message>
        <source>Switch To Profile</source>
        <translation>Cambiar de perfil</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Perfil de destino</translation>
    </message>
    <message>
        <source>Add an application to give the controls their own actions while it is in front.</source>
        <translation>Añada una aplicación para asignar a los controles acciones propias mientras esté en primer plano.</translation>
    </message>
    <message>
        <source>The application configuration was deleted.</source>
        <translation>Se ha eliminado la configuración de la aplicación.</translation>
    </message>
    <message>
        <source>The device configuration was deleted.</source>
        <translation>Se ha eliminado la configuración del dispositivo.</translation>
    </message>
    <message>
        <source>Select a program</source>
        <translation>Seleccionar un programa</translation>
    </message>
    <message>
        <source>Allow the program to control your computer</source>
        <translation>Permita que el programa controle su ordenador</translation>
    </message>
    <message>
        <source>Open System Preferences.</source>
        <translation>Abra Preferencias del Sistema.</translation>
    </message>
    <message>
        <source>Choose Security &amp; Privacy.</source>
        <translation>Elija Seguridad &amp; privacidad.</translation>
    </message>
    <message>
        <source>Open the Privacy tab.</source>
        <translation>Abra la pestaña Privacidad.</translation>
    </message>
    <message>
        <source>Select Accessibility.</source>
        <translation>Seleccione Accesibilidad.</translation>
    </message>
    <message>
        <source>Tick the box beside the program.</source>
        <translation>Marque la casilla junto al programa.</translation>
    </message>
    <message>
        <source>Open Security &amp; Privacy</source>
        <translation>Abrir Seguridad &amp; privacidad</translation>
    </message>
    <message>
        <source>Move the program to Applications</source>
        <translation>Mover el programa a Aplicaciones</translation>
    </message>
    <message>
        <source>The program works best from the Applications folder.</source>
        <translation>El programa funciona mejor desde la carpeta Aplicaciones.</translation>
    </message>
    <message>
        <source>Delete this configuration?</source>
        <translation>¿Eliminar esta configuración?</translation>
    </message>
    <message>
        <source>Configuration details</source>
        <translation>Detalles de la configuración</translation>
    </message>
    <message>
        <source>Configuration name already exists</source>
        <translation>Ya existe una configuración con ese nombre</translation>
    </message>
    <message>
        <source>A configuration for this program already exists</source>
        <translation>Ya existe una configuración para este programa</translation>
    </message>
    <message>
        <source>Configuration name</source>
        <translation>Nombre de la configuración</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>I understand!</source>
        <translation>¡Entendido!</translation>
    </message>
    <message>
        <source>The update is installed. Restart your computer to finish.</source>
        <translation>La actualización está instalada. Reinicie el ordenador para terminar.</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Restart later</source>
        <translation>Reiniciar más tarde</translation>
    </message>
    <message>
        <source>Download updates without asking</source>
        <translation>Descargar actualizaciones sin preguntar</translation>
    </message>
    <message>
        <source>Install updates without asking</source>
        <translation>Instalar actualizaciones sin preguntar</translation>
    </message>
    <message>
        <source>Synchronise the configuration with the cloud</source>
        <translation>Sincronizar la configuración con la nube</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Update check interval</source>
        <translation>Intervalo de búsqueda de actualizaciones</translation>
    </message>
    <message>
        <source>Notification check interval</source>
        <translation>Intervalo de comprobación de notificaciones</translation>
    </message>
    <message>
        <source>This macro is in use. Delete it anyway?</source>
        <translation>Esta macro está en uso. ¿Eliminarla de todos modos?</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>GDPR compliance</source>
        <translation>Cumplimiento del RGPD</translation>
    </message>
    <message>
        <source>Multimedia Controller Max</source>
        <translation>Controlador multimedia Max</translation>
    </message>
    <message>
        <source>Multimedia Controller Lite</source>
        <translation>Controlador multimedia Lite</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Use Default Profile Settings</source>
        <translation>Perfil predeterminado</translation>
    </message>
    <message>
        <source>Same as Lower Value</source>
        <translation>Igual al valor inferior</translation>
    </message>
    <message>
        <source>Type Key: </source>
        <translation>Pulsar tecla: </translation>
    </message>
    <message>
        <source>Press </source>
        <translation>Pulsar </translation>
    </message>
    <message>
        <source>Run Program </source>
        <translation>Ejecutar programa </translation>
    </message>
    <message>
        <source>Run Macro  </source>
        <translation>Ejecutar macro  </translation>
    </message>
    <message>
        <source>Do </source>
        <translation>Acción: </translation>
    </message>
    <message>
        <source>Switch Profile to </source>
        <translation>Cambiar al perfil </translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Middle Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Fourth Click</source>
        <translation>Clic del botón 4</translation>
    </message>
    <message>
        <source>Fifth Click</source>
        <translation>Clic del botón 5</translation>
    </message>
    <message>
        <source>Double Click</source>
        <translation>Doble clic</translation>
    </message>
    <message>
        <source>Triple Click</source>
        <translation>Triple clic</translation>
    </message>
    <message>
        <source>Click Lock</source>
        <translation>Bloqueo de clic</translation>
    </message>
    <message>
        <source>Right Double Click</source>
        <translation>Doble clic derecho</translation>
    </message>
    <message>
        <source>Right Click Lock</source>
        <translation>Bloqueo de clic derecho</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Brightness Up</source>
        <translation>Subir brillo</translation>
    </message>
    <message>
        <source>Brightness Down</source>
        <translation>Bajar brillo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <source>Use Default Setting</source>
        <translation>Usar ajuste predeterminado</translation>
    </message>
    <message>
        <source>Same As Lower Value</source>
        <translation>Igual al valor inferior</translation>
    </message>
    <message>
        <source>Switch Settings</source>
        <translation>Cambiar ajustes</translation>
    </message>
    <message>
        <source>Mouse and System Controls</source>
        <translation>Controles de ratón y sistema</translation>
    </message>
    <message>
        <source>Custom action...</source>
        <translation>Acción personalizada...</translation>
    </message>
    <message>
        <source>Once Only</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Hold Down</source>
        <translation>Mantener pulsado</translation>
    </message>
    <message>
        <source>As Fast as Possible</source>
        <translation>Lo más rápido posible</translation>
    </message>
    <message>
        <source>60 Times per Second</source>
        <translation>60 veces por segundo</translation>
    </message>
    <message>
        <source>45 Times per Second</source>
        <translation>45 veces por segundo</translation>
    </message>
    <message>
        <source>30 Times per Second</source>
        <translation>30 veces por segundo</translation>
    </message>
    <message>
        <source>15 Times per Second</source>
        <translation>15 veces por segundo</translation>
    </message>
    <message>
        <source>10 Times per Second</source>
        <translation>10 veces por segundo</translation>
    </message>
    <message>
        <source>5 Times per Second</source>
        <translation>5 veces por segundo</translation>
    </message>
    <message>
        <source>2 Times per Second</source>
        <translation>2 veces por segundo</translation>
    </message>
    <message>
        <source>Once Every Second</source>
        <translation>Una vez por segundo</translation>
    </message>
    <message>
        <source>Once Every Two Seconds</source>
        <translation>Cada dos segundos</translation>
    </message>
    <message>
        <source>Once Every Three Seconds</source>
        <translation>Cada tres segundos</translation>
    </message>
    <message>
        <source>Once Every Four Seconds</source>
        <translation>Cada cuatro segundos</translation>
    </message>
    <message>
        <source>Don&apos;t Wait</source>
        <translation>Sin espera</translation>
    </message>
    <message>
        <source>Wait 1ms</source>
        <translation>Espera 1 ms</translation>
    </message>
    <message>
        <source>Wait 2ms</source>
        <translation>Espera 2 ms</translation>
    </message>
    <message>
        <source>Wait 5ms</source>
        <translation>Espera 5 ms</translation>
    </message>
    <message>
        <source>Wait 10ms</source>
        <translation>Espera 10 ms</translation>
    </message>
    <message>
        <source>Wait 20ms</source>
        <translation>Espera 20 ms</translation>
    </message>
    <message>
        <source>Wait 50ms</source>
        <translation>Espera 50 ms</translation>
    </message>
    <message>
        <source>Wait 100ms</source>
        <translation>Espera 100 ms</translation>
    </message>
    <message>
        <source>Wait 200ms</source>
        <translation>Espera 200 ms</translation>
    </message>
    <message>
        <source>Wait 500ms</source>
        <translation>Espera 500 ms</translation>
    </message>
    <message>
        <source>Wait 1s</source>
        <translation>Espera 1 s</translation>
    </message>
    <message>
        <source>Wait 2s</source>
        <translation>Espera 2 s</translation>
    </message>
    <message>
        <source>Wait 5s</source>
        <translation>Espera 5 s</translation>
    </message>
    <message>
        <source>Wait 10s</source>
        <translation>Espera 10 s</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
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
        <translation>Opción</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Cmd</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>%1 is the number of a button of the controller</extracomment>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Giro izq.</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Giro der.</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <extracomment>%1 is a zone of the jog wheel, -7 to 7; %1 to %2 a move between two zones</extracomment>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>Transition %1 to %2</source>
        <translation>Transición de %1 a %2</translation>
    </message>
    <message>
        <source>BUTTONS</source>
        <translation>BOTONES</translation>
    </message>
    <message>
        <source>DIAL</source>
        <translation>DIAL</translation>
    </message>
    <message>
        <source>JOG WHEEL</source>
        <translation>RUEDA JOG</translation>
    </message>
    <message>
        <source>Choose Language</source>
        <translation>Elegir idioma</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>The window shows its texts in the language you choose.</source>
        <translation>La ventana muestra sus textos en el idioma que elija.</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Applications Key</source>
        <translation>Tecla de aplicación</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr Pant</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>The sign-in could not start: another program is using port %1, to which the browser returns the sign-in. Close that program and try again.</source>
        <extracomment>%1 is the number of the port on this computer to which the browser returns the sign-in</extracomment>
        <translation>No se pudo iniciar la sesión: otro programa está usando el puerto %1, al que el navegador devuelve el inicio de sesión. Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Your change could not be saved to %1: %2. It stays in this window, and the next change you make that can be saved saves it too. If the program ends before then, the change is lost.</source>
        <extracomment>%1 is the path of the preference file, %2 why it could not be written (one of the reasons below, or the system&apos;s own words)</extracomment>
        <translation>No se pudo guardar el cambio en %1: %2. Se mantiene en esta ventana, y el próximo cambio que se pueda guardar lo guardará también. Si el programa se cierra antes, el cambio se perderá.</translation>
    </message>
    <message>
        <source>there is no room left on the disk</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>no tiene permiso para escribir ahí</translation>
    </message>
    <message>
        <source>a file or folder is in the way</source>
        <translation>un archivo o una carpeta lo impide</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>falta su carpeta</translation>
    </message>
</context>
</TS>
