<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 se actualiza con el resto del software de tu sistema</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>Buscar la versión más reciente</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Actualizaciones automáticas</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>Preguntas, errores o ideas</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contactar con soporte</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Más información sobre %1</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visitar el sitio web</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1 nunca guarda ni envía lo que escribes</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>Software de código abierto usado en %1</translation>
    </message>
    <message>
        <source>© %1 %2</source>
        <comment>the year, then who publishes Kestrel</comment>
        <translation>© %1 %2</translation>
    </message>
</context>
<context>
    <name>AppearanceSection</name>
    <message>
        <source>Key Color</source>
        <translation>Color de las teclas</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>Pronto habrá más colores y temas</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>Etiquetas de las teclas</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>Nombres en las teclas: como en un Mac (⌃ control, ⌘ comando) o en un PC (Ctrl, Super)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>El tamaño con el que aparecen las teclas en pantalla</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Duración en pantalla</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Cuánto tiempo permanecen las teclas después de soltarlas</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>seconds, as short as a unit can be written</comment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>open the settings window, starting Kestrel if needed</source>
        <translation>abre la ventana de ajustes e inicia Kestrel si hace falta</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>muestra las teclas en pantalla o deja de mostrarlas (como el atajo)</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>cierra el Kestrel en ejecución</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>elige solo una de --settings, --toggle y --quit. Prueba kestrel --help.</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>opción desconocida %1. Prueba kestrel --help.</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>argumento inesperado %1. Prueba kestrel --help.</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Uso: %1 [opción]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>Muestra en pantalla las teclas que pulsas como teclas dibujadas. Sin opciones,
inicia Kestrel o abre la ventana de ajustes del Kestrel que ya está en ejecución.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1, así que Qt dibuja la superposición.</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1. Kestrel no puede mostrar teclas aquí; sus ajustes indican lo que falta.</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1, así que se muestran las teclas escritas en la pantalla de bloqueo.</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1, así que no se pueden detectar los campos de contraseña y se muestran las teclas escritas en ellos; las solicitudes que capturan todo el teclado siguen ocultas.</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>el panel se abre como ventana: %1.</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>%1 lo usa otro programa, así que no muestra las teclas ni deja de mostrarlas; el interruptor y «kestrel --toggle» siguen haciéndolo (asígnalo a otro atajo del escritorio).</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>no hay bandeja del sistema. %1 muestra las teclas o deja de mostrarlas; vuelve a ejecutar kestrel para abrir los ajustes.</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>no hay bandeja del sistema. kestrel --toggle muestra las teclas o deja de mostrarlas (asígnalo a un atajo del escritorio); vuelve a ejecutar kestrel para abrir los ajustes.</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>no se puede volver a iniciar Kestrel: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>este usuario no tiene permiso para leer los teclados de %1</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>no hay ningún teclado en %1</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>Pantalla con el puntero</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>Pantalla desconectada</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>Esa pantalla está desconectada. Las teclas aparecen en la pantalla con el puntero hasta que vuelva</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>Mostrar en</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>Elige en qué pantalla se muestran tus teclas</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>Haz clic en un punto o arrastra las teclas a cualquier lugar</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>Mostrar teclas en pantalla</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Abrir Ajustes del Sistema</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>Monitorización de entrada</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>Abrir %1 al iniciar sesión</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>«Solo teclas especiales» oculta la escritura normal. Las contraseñas nunca se muestran</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>Campos de contraseña</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>Mostrar clics y desplazamiento</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>Mostrar ⇧ en las mayúsculas</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Muestra ⇧ H en lugar de H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>No permitido</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>Necesario para mostrar las teclas que pulsas</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>Accesibilidad para todo el escritorio</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT es «%1», que no es ni «x11» ni «evdev»; se elige según la sesión.</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>«Permitir…» pide la contraseña de un administrador; después, un pequeño lector lee el teclado y el ratón para %1 solo mientras se ejecuta. O únete al grupo input: es permanente, requiere volver a iniciar sesión y permite que cualquier programa que ejecutes lea todas las teclas.</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>Esperando a que el sistema pida una contraseña…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>Se ha cancelado la autenticación. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>El sistema no lo ha permitido. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>No se pudo iniciar el lector del teclado. No se ha cambiado nada; la otra opción es el grupo input.</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>El sistema no puede pedir una contraseña aquí. Usa el grupo input.</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>El lector del teclado se ha detenido, así que no se muestran las teclas. Elige «Permitir…» para iniciarlo de nuevo.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Permitir…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>Usar el grupo input…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>la ruta %1 es demasiado larga para un socket</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>no se puede usar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 no es una carpeta privada de este usuario</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>el Kestrel en ejecución no respondió</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>no se puede contactar con el Kestrel en ejecución: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>no se puede escuchar en %1: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>no se puede leer el archivo de preferencias %1: %2. Kestrel usa los ajustes que leyó por última vez y no modificará el archivo.</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>no se pueden guardar las preferencias en %1: %2. Los cambios se conservan hasta que Kestrel se cierre.</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>no se puede apartar el archivo de preferencias %1, que no tenía sentido: %2. Los cambios se conservan hasta que Kestrel se cierre.</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>el archivo de preferencias %1 no tenía sentido; se guardó como %2 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>es más grande de lo que puede ser un archivo de preferencias</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>tiene un anidamiento más profundo que el de un archivo de preferencias</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>las preferencias serían más grandes de lo que puede ser un archivo de preferencias</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>no se puede leer el archivo de estado %1: %2. Kestrel usa el estado que leyó por última vez y no modificará el archivo.</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>no se puede guardar el estado en %1: %2. Los cambios se conservan hasta que Kestrel se cierre.</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>no se puede apartar el archivo de estado %1, que no tenía sentido: %2. Los cambios se conservan hasta que Kestrel se cierre.</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>el archivo de estado %1 no tenía sentido; se guardó como %2 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>es más grande de lo que puede ser un archivo de estado</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>tiene un anidamiento más profundo que el de un archivo de estado</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>el estado sería más grande de lo que puede ser un archivo de estado</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>todos los nombres posibles ya están ocupados</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Actívalo o desactívalo cuando quieras con %1</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>no hay ninguna pantalla X en la que mostrar teclas: DISPLAY no está definida.</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>la pantalla X %1 ha vuelto.</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>el Kestrel que inició este sigue en ejecución.</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrel no está en ejecución.</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>no se puede garantizar que solo se ejecute un Kestrel: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1; se deja de intentar.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>MenuPanel</name>
    <message>
        <source>Shows your keys and clicks on screen</source>
        <translation>Muestra en pantalla las teclas que pulsas y tus clics</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>Permitir la monitorización de entrada…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>Actualización disponible…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 se actualiza con el resto del software del sistema</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Salir de %1</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>Panel de %1</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>Te damos la bienvenida a %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>Muestra tus teclas y clics en pantalla mientras presentas, enseñas o grabas.</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Permiso</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>Necesario para mostrar las teclas que pulsas. %1 nunca guarda ni envía lo que escribes.</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>Necesario para mostrar las teclas que pulsas. %1 nunca guarda ni envía lo que escribes. %1 puede reiniciarse después de que lo permitas.</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>¡Todo listo!</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>Abrir Ajustes del Sistema…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>no hay ningún bus de sesión</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>el bus de sesión ha desaparecido</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>no se puede acceder al bus de sesión</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>el bus de accesibilidad ha desaparecido</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>no hay ningún bus de accesibilidad (AT-SPI)</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>no se pudo cargar el módulo de accesibilidad de Kestrel (%1)</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>el bus de accesibilidad no respondió</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Se ocultan las solicitudes que capturan todo el teclado; buscando el bus de accesibilidad para encontrar los campos de contraseña</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Solo se ocultan las solicitudes que capturan todo el teclado: sin un bus de accesibilidad, los campos de contraseña de otras ventanas no se pueden distinguir y sus teclas se muestran</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Ocultas en los campos de contraseña de las aplicaciones que informan al bus de accesibilidad, y en las solicitudes que capturan todo el teclado</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ocultas en los campos de contraseña de las aplicaciones GTK y en las solicitudes que capturan todo el teclado. Activa la accesibilidad para incluir las aplicaciones Qt y Chromium que se abran después (un cambio para todo el escritorio)</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Se oculta la pantalla de bloqueo; buscando el bus de accesibilidad para encontrar los campos de contraseña. Las pantallas de bloqueo que no avisan a systemd-logind (swaylock) y otras solicitudes de contraseña (sudo en un terminal, diálogos del sistema) se muestran</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Solo se oculta la pantalla de bloqueo: sin un bus de accesibilidad, los campos de contraseña de otras ventanas no se pueden distinguir y sus teclas se muestran. Las pantallas de bloqueo que no avisan a systemd-logind (swaylock) y otras solicitudes de contraseña (sudo en un terminal, diálogos del sistema) se muestran</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Ocultas en los campos de contraseña de las aplicaciones que informan al bus de accesibilidad, y en la pantalla de bloqueo. Las pantallas de bloqueo que no avisan a systemd-logind (swaylock) y otras solicitudes de contraseña (sudo en un terminal, diálogos del sistema) se muestran</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ocultas en los campos de contraseña de las aplicaciones GTK y en la pantalla de bloqueo. Las pantallas de bloqueo que no avisan a systemd-logind (swaylock) y otras solicitudes de contraseña (sudo en un terminal, diálogos del sistema) se muestran. Activa la accesibilidad para incluir las aplicaciones Qt y Chromium que se abran después (un cambio para todo el escritorio)</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Buscando el bus de accesibilidad para encontrar los campos de contraseña. La pantalla de bloqueo y otras solicitudes de contraseña se muestran: Kestrel no puede preguntar a systemd-logind si la sesión está bloqueada</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>No se oculta nada: sin un bus de accesibilidad, los campos de contraseña no se pueden distinguir y sus teclas se muestran. La pantalla de bloqueo y otras solicitudes de contraseña se muestran: Kestrel no puede preguntar a systemd-logind si la sesión está bloqueada</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Ocultas en los campos de contraseña de las aplicaciones que informan al bus de accesibilidad. La pantalla de bloqueo y otras solicitudes de contraseña se muestran: Kestrel no puede preguntar a systemd-logind si la sesión está bloqueada</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ocultas en los campos de contraseña de las aplicaciones GTK. La pantalla de bloqueo y otras solicitudes de contraseña se muestran: Kestrel no puede preguntar a systemd-logind si la sesión está bloqueada. Activa la accesibilidad para incluir las aplicaciones Qt y Chromium que se abran después (un cambio para todo el escritorio)</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>Todas las teclas</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>Solo teclas especiales</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
</context>
<context>
    <name>ReaderPermission</name>
    <message>
        <source>%1, so the keyboard cannot be read through the system&apos;s authentication.</source>
        <translation>%1, así que no se puede leer el teclado mediante la autenticación del sistema.</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>el sistema no permitió leer el teclado y el ratón, así que no se muestran las teclas.</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>el lector del teclado se detuvo, así que no se muestran las teclas; elige «Permitir…» en los ajustes para volver a iniciarlo.</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>el lector del teclado terminó antes de poder leer el teclado.</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Asigna «kestrel --toggle» a un atajo en los ajustes de teclado de tu escritorio para activarlo o desactivarlo cuando quieras</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>no hay ningún bus del sistema al que preguntar si la pantalla está bloqueada</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logind no conoce ninguna sesión de este usuario a la que preguntar si la pantalla está bloqueada</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>Esenciales</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
</context>
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1, actualización disponible</translation>
    </message>
</context>
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>Notas de la versión…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>¡Estás al día!</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>Error de actualización</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>¡Hay una nueva versión de %1!</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 está disponible. ¿Quieres instalarlo ahora?</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>Instalando la actualización</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrel no pudo buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>El canal de actualizaciones no indica ninguna versión que Kestrel pueda leer, así que Kestrel no puede saber si es más reciente.</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>Esta actualización no está firmada y Kestrel solo instala actualizaciones firmadas.</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>El canal de actualizaciones anuncia un paquete de %1 MiB, mucho mayor que Kestrel; no se ha descargado.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>No se pudo descargar la actualización: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>La actualización descargada se ha eliminado porque no es la que describe el canal: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>No se pudo instalar la actualización: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 se ha entregado al instalador del sistema. Sal de Kestrel y vuelve a abrirlo cuando esté instalado.</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>el canal de actualizaciones no es XML bien formado (línea %1: %2)</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>el canal de actualizaciones no es un canal RSS</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>este Kestrel se compiló sin una clave para comprobar las actualizaciones</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>la firma del canal de actualizaciones no es una firma Ed25519</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>no se puede leer el paquete: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>el paquete ocupa %1 bytes, no %2</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>no se puede leer el paquete</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>no se pudo comprobar la firma: libcrypto 3 de OpenSSL no está instalada</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>no se pudo comprobar la firma</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>la firma no coincide con el paquete</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>no se pudo cargar el módulo de red de Kestrel (%1)</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>nada en este sistema puede instalarlo; el paquete está en %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>no se puede escribir el paquete: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>el servidor respondió HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>el servidor redirige demasiadas veces</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>el servidor redirige a una dirección que no es segura</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>el certificado del servidor no es de confianza (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>el servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>la dirección del canal de actualizaciones no empieza por https://</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>el canal de actualizaciones es más grande de lo que puede ser un canal de actualizaciones</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>la dirección del paquete no empieza por https://</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>no hay ninguna carpeta de caché en la que descargar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>el paquete es más largo de lo que indica el canal de actualizaciones</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>ningún compositor de Wayland responde</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>el compositor de Wayland no ofrece superficies de capa (zwlr_layer_shell_v1)</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>el compositor de Wayland terminó, y la sesión con él.</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>el compositor de Wayland rechazó las peticiones de Kestrel (%1).</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>a la pantalla X le falta XInput 2.2, a través de la cual Kestrel ve las teclas</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>el atajo perdió su conexión con la pantalla X y está desactivado hasta que Kestrel vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>el teclado cambió y no se pudo volver a capturar el atajo (puede que otro programa lo esté usando o que al teclado le falte una de sus teclas); se volverá a intentar en el próximo cambio de teclado.</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>al servidor X le falta RENDER 0.10</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>al servidor X le falta SHAPE 1.1</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>el servidor X no ofrece ningún visual de 32 bits</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>el servidor X no tiene ningún formato de imagen ARGB</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>el servidor X rechazó la ventana de superposición</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>la pantalla X %1 no tiene la pantalla %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>no se puede abrir la pantalla X %1</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>la pantalla X %1 desapareció; se espera a que vuelva.</translation>
    </message>
</context>
</TS>
