<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 wird mit der übrigen Software deines Systems aktualisiert</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>Nach der neuesten Version suchen</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatische Updates</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>Fragen, Fehler oder Ideen</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Mehr über %1 erfahren</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1 speichert oder sendet niemals, was du tippst</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagungen</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>In %1 verwendete Open-Source-Software</translation>
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
        <translation>Tastenfarbe</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>Weitere Farben und Designs folgen</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>Tastenbeschriftung</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>Namen auf den Tasten: wie auf einem Mac (⌃ control, ⌘ command) oder einem PC (Strg, Super)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>Wie groß die Tasten auf dem Bildschirm erscheinen</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Wie lange die Tasten nach dem Loslassen bleiben</translation>
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
        <translation>öffnet die Einstellungen und startet Kestrel, falls nötig</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>schaltet die Tastenanzeige ein oder aus (wie das Tastenkürzel)</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>beendet das laufende Kestrel</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>wähle nur eine der Optionen --settings, --toggle und --quit. Siehe kestrel --help.</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>unbekannte Option %1. Siehe kestrel --help.</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>unerwartetes Argument %1. Siehe kestrel --help.</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Aufruf: %1 [Option]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>Zeigt die Tasten, die du drückst, als Tastenkappen auf dem Bildschirm. Ohne Option
wird Kestrel gestartet oder, falls es schon läuft, sein Einstellungsfenster geöffnet.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>gibt die Version aus und beendet sich</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>gibt diese Hilfe aus und beendet sich</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1, daher zeichnet Qt die Einblendung.</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1. Kestrel kann hier keine Tasten zeigen; in den Einstellungen steht, was fehlt.</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1, daher werden Tasten gezeigt, die auf dem Sperrbildschirm getippt werden.</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1, daher können Passwortfelder nicht erkannt werden, und darin getippte Tasten werden gezeigt; Abfragen, die die ganze Tastatur belegen, bleiben ausgeblendet.</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>das Bedienfeld öffnet sich als Fenster: %1.</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>%1 ist von einem anderen Programm belegt und schaltet daher die Tastenanzeige nicht ein oder aus; der Schalter und „kestrel --toggle“ tun es weiterhin (lege den Befehl auf ein anderes Tastenkürzel deiner Arbeitsumgebung).</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>kein Systemabschnitt vorhanden. %1 schaltet die Tastenanzeige ein oder aus; starte kestrel erneut, um die Einstellungen zu öffnen.</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>kein Systemabschnitt vorhanden. kestrel --toggle schaltet die Tastenanzeige ein oder aus (lege es auf ein Tastenkürzel deiner Arbeitsumgebung); starte kestrel erneut, um die Einstellungen zu öffnen.</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>Kestrel kann nicht erneut gestartet werden: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>dieser Benutzer darf die Tastaturen in %1 nicht lesen</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>in %1 gibt es keine Tastatur</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>Bildschirm mit dem Zeiger</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>Getrennter Bildschirm</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>Dieser Bildschirm ist getrennt. Bis er wieder da ist, erscheinen die Tasten auf dem Bildschirm mit dem Zeiger</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>Anzeigen auf</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>Wähle, welcher Bildschirm deine Tasten zeigt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>Klicke auf eine Stelle oder ziehe die Tasten an einen beliebigen Ort</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>Tasten auf dem Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Systemeinstellungen öffnen</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>Eingabeüberwachung</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>%1 beim Anmelden starten</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>„Nur Sondertasten“ blendet normales Tippen aus. Passwörter werden nie gezeigt</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>Passwortfelder</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>Klicks und Scrollen zeigen</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>⇧ bei Großbuchstaben zeigen</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Zeigt ⇧ H statt H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>Nicht erlaubt</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>Nötig, um deine gedrückten Tasten zu zeigen</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>Bedienungshilfen für die ganze Arbeitsumgebung</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT ist „%1“, also weder „x11“ noch „evdev“; Kestrel wählt stattdessen nach der Sitzung.</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>„Erlauben …“ fragt nach dem Passwort eines Administrators; dann liest ein kleines Leseprogramm Tastatur und Maus für %1, nur solange es läuft. Oder tritt der Gruppe „input“ bei: Das gilt dauerhaft, erfordert eine neue Anmeldung und lässt jedes Programm, das du startest, jede Taste lesen.</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>Warten, bis das System nach einem Passwort fragt …</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>Die Authentifizierung wurde abgebrochen. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>Das System hat es nicht erlaubt. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>Das Leseprogramm für die Tastatur konnte nicht starten. Nichts wurde geändert; der andere Weg ist die Gruppe „input“.</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>Das System kann hier nicht nach einem Passwort fragen. Verwende stattdessen die Gruppe „input“.</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>Das Leseprogramm für die Tastatur wurde beendet, daher werden keine Tasten gezeigt. Wähle „Erlauben …“, um es erneut zu starten.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Erlauben …</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>Stattdessen Gruppe „input“ verwenden …</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>der Pfad %1 ist für einen Socket zu lang</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 lässt sich nicht verwenden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 ist kein Ordner, der nur diesem Benutzer gehört</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>das laufende Kestrel hat nicht geantwortet</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>das laufende Kestrel ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 lässt sich nicht sperren: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>auf %1 lässt sich nicht lauschen: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>die Einstellungsdatei %1 lässt sich nicht lesen: %2. Kestrel verwendet die zuletzt gelesenen Einstellungen und ändert die Datei nicht.</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>die Einstellungen lassen sich nicht in %1 speichern: %2. Änderungen bleiben erhalten, bis Kestrel beendet wird.</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>die unverständliche Einstellungsdatei %1 lässt sich nicht beiseitelegen: %2. Änderungen bleiben erhalten, bis Kestrel beendet wird.</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>die Einstellungsdatei %1 war unverständlich; sie wurde als %2 aufbewahrt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>sie ist größer, als eine Einstellungsdatei sein kann</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>sie ist tiefer verschachtelt als jede Einstellungsdatei</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>die Einstellungen wären größer, als eine Einstellungsdatei sein kann</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>die Zustandsdatei %1 lässt sich nicht lesen: %2. Kestrel verwendet den zuletzt gelesenen Zustand und ändert die Datei nicht.</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>der Zustand lässt sich nicht in %1 speichern: %2. Änderungen bleiben erhalten, bis Kestrel beendet wird.</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>die unverständliche Zustandsdatei %1 lässt sich nicht beiseitelegen: %2. Änderungen bleiben erhalten, bis Kestrel beendet wird.</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>die Zustandsdatei %1 war unverständlich; sie wurde als %2 aufbewahrt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>sie ist größer, als eine Zustandsdatei sein kann</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>sie ist tiefer verschachtelt als jede Zustandsdatei</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>der Zustand wäre größer, als eine Zustandsdatei sein kann</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>jeder Name dafür ist schon vergeben</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Jederzeit ein- oder ausschalten mit %1</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>keine X-Anzeige zum Zeigen der Tasten: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>die X-Anzeige %1 ist wieder da.</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>das Kestrel, das dieses gestartet hat, läuft noch.</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrel läuft nicht.</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>es lässt sich nicht sicherstellen, dass nur ein Kestrel läuft: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1; Kestrel gibt auf.</translation>
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
        <translation>Zeigt deine Tasten und Klicks auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>Eingabeüberwachung erlauben …</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>Update verfügbar …</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 wird mit der übrigen Software deines Systems aktualisiert</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 beenden</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>%1-Bedienfeld</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>Willkommen bei %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>Zeige deine Tasten und Klicks auf dem Bildschirm, während du präsentierst, unterrichtest oder aufnimmst.</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Berechtigung</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>Nötig, um deine gedrückten Tasten zu zeigen. %1 speichert oder sendet niemals, was du tippst.</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>Nötig, um deine gedrückten Tasten zu zeigen. %1 speichert oder sendet niemals, was du tippst. %1 startet nach dem Erlauben eventuell neu.</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>Systemeinstellungen öffnen …</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>es gibt keinen Sitzungsbus</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>der Sitzungsbus ist verschwunden</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>der Sitzungsbus ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>der Bedienungshilfen-Bus ist verschwunden</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>es gibt keinen Bedienungshilfen-Bus (AT-SPI)</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>das Bedienungshilfen-Modul von Kestrel konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>der Bedienungshilfen-Bus hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Abfragen, die die ganze Tastatur belegen, werden ausgeblendet; der Bedienungshilfen-Bus wird gesucht, um Passwortfelder zu finden</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Nur Abfragen, die die ganze Tastatur belegen, werden ausgeblendet: Ohne Bedienungshilfen-Bus lassen sich Passwortfelder in anderen Fenstern nicht erkennen, und ihre Tasten werden gezeigt</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Ausgeblendet in Passwortfeldern von Programmen, die sich beim Bedienungshilfen-Bus melden, und in Abfragen, die die ganze Tastatur belegen</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ausgeblendet in Passwortfeldern von GTK-Programmen und in Abfragen, die die ganze Tastatur belegen. Schalte die Bedienungshilfen ein, um danach gestartete Qt-Programme und Chromium einzuschließen (eine Änderung für die ganze Arbeitsumgebung)</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Der Sperrbildschirm wird ausgeblendet; der Bedienungshilfen-Bus wird gesucht, um Passwortfelder zu finden. Sperrbildschirme, die systemd-logind nichts melden (swaylock), und andere Passwortabfragen (sudo im Terminal, Systemdialoge) werden gezeigt</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Nur der Sperrbildschirm wird ausgeblendet: Ohne Bedienungshilfen-Bus lassen sich Passwortfelder in anderen Fenstern nicht erkennen, und ihre Tasten werden gezeigt. Sperrbildschirme, die systemd-logind nichts melden (swaylock), und andere Passwortabfragen (sudo im Terminal, Systemdialoge) werden gezeigt</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Ausgeblendet in Passwortfeldern von Programmen, die sich beim Bedienungshilfen-Bus melden, und auf dem Sperrbildschirm. Sperrbildschirme, die systemd-logind nichts melden (swaylock), und andere Passwortabfragen (sudo im Terminal, Systemdialoge) werden gezeigt</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ausgeblendet in Passwortfeldern von GTK-Programmen und auf dem Sperrbildschirm. Sperrbildschirme, die systemd-logind nichts melden (swaylock), und andere Passwortabfragen (sudo im Terminal, Systemdialoge) werden gezeigt. Schalte die Bedienungshilfen ein, um danach gestartete Qt-Programme und Chromium einzuschließen (eine Änderung für die ganze Arbeitsumgebung)</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Der Bedienungshilfen-Bus wird gesucht, um Passwortfelder zu finden. Der Sperrbildschirm und andere Passwortabfragen werden gezeigt: Kestrel kann systemd-logind nicht fragen, ob die Sitzung gesperrt ist</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Nichts wird ausgeblendet: Ohne Bedienungshilfen-Bus lassen sich Passwortfelder nicht erkennen, und ihre Tasten werden gezeigt. Der Sperrbildschirm und andere Passwortabfragen werden gezeigt: Kestrel kann systemd-logind nicht fragen, ob die Sitzung gesperrt ist</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Ausgeblendet in Passwortfeldern von Programmen, die sich beim Bedienungshilfen-Bus melden. Der Sperrbildschirm und andere Passwortabfragen werden gezeigt: Kestrel kann systemd-logind nicht fragen, ob die Sitzung gesperrt ist</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ausgeblendet in Passwortfeldern von GTK-Programmen. Der Sperrbildschirm und andere Passwortabfragen werden gezeigt: Kestrel kann systemd-logind nicht fragen, ob die Sitzung gesperrt ist. Schalte die Bedienungshilfen ein, um danach gestartete Qt-Programme und Chromium einzuschließen (eine Änderung für die ganze Arbeitsumgebung)</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>Alle Tasten</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>Nur Sondertasten</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
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
        <translation>%1, daher kann die Tastatur nicht über die Authentifizierung des Systems gelesen werden.</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>das System hat das Lesen von Tastatur und Maus nicht erlaubt, daher werden keine Tasten gezeigt.</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>das Leseprogramm für die Tastatur wurde beendet, daher werden keine Tasten gezeigt; wähle „Erlauben …“ in den Einstellungen, um es wieder zu starten.</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>das Leseprogramm für die Tastatur endete, bevor es die Tastatur lesen konnte.</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Lege „kestrel --toggle“ in den Tastatureinstellungen deiner Arbeitsumgebung auf ein Tastenkürzel, um die Anzeige jederzeit ein- oder auszuschalten</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>es gibt keinen Systembus, um zu fragen, ob der Bildschirm gesperrt ist</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logind kennt keine Sitzung dieses Benutzers, um zu fragen, ob der Bildschirm gesperrt ist</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>Grundlegendes</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Displays</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>Bereiche</translation>
    </message>
</context>
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1, Update verfügbar</translation>
    </message>
</context>
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>Versionshinweise …</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Nach Updates wird gesucht …</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Du bist auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>Update-Fehler</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>Eine neue Version von %1 ist verfügbar!</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 ist verfügbar. Möchtest du es jetzt installieren?</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Update wird geladen …</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>Update wird installiert</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrel konnte nicht nach Updates suchen: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>Der Update-Feed nennt keine Version, die Kestrel lesen kann, daher kann Kestrel nicht erkennen, ob sie neuer ist.</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>Dieses Update ist nicht signiert, und Kestrel installiert nur signierte Updates.</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>Der Update-Feed kündigt ein Paket von %1 MiB an, weit größer als Kestrel; es wurde nicht geladen.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Das Update konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>Das geladene Update wurde gelöscht, weil es nicht dem im Feed beschriebenen entspricht: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>Das Update konnte nicht installiert werden: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 wurde an das Installationsprogramm des Systems übergeben. Beende Kestrel und starte es neu, sobald es installiert ist.</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>der Update-Feed ist kein wohlgeformtes XML (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>der Update-Feed ist kein RSS-Kanal</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>dieses Kestrel wurde ohne Schlüssel zum Prüfen von Updates gebaut</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>die Signatur im Update-Feed ist keine Ed25519-Signatur</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>das Paket kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>das Paket ist %1 Bytes lang, nicht %2</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>das Paket kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>die Signatur konnte nicht geprüft werden: libcrypto 3 von OpenSSL ist nicht installiert</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>die Signatur konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>die Signatur passt nicht zum Paket</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>das Netzwerkmodul von Kestrel konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>nichts auf diesem System installiert es; das Paket liegt in %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>das Paket kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>der Server antwortete mit HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>der Server leitet zu oft um</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>der Server leitet auf eine unsichere Adresse um</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>dem Zertifikat des Servers wird nicht vertraut (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>die Adresse des Update-Feeds beginnt nicht mit https://</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>der Update-Feed ist größer, als ein Update-Feed sein kann</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>die Adresse des Pakets beginnt nicht mit https://</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>es gibt keinen Cache-Ordner, in den geladen werden kann</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>das Paket ist länger, als der Update-Feed angibt</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>kein Wayland-Compositor antwortet</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>der Wayland-Compositor bietet keine Layer-Surfaces (zwlr_layer_shell_v1)</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>der Wayland-Compositor wurde beendet und mit ihm die Sitzung.</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>der Wayland-Compositor hat die Anfragen von Kestrel abgelehnt (%1).</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>der X-Anzeige fehlt XInput 2.2, über das Kestrel Tasten sieht</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>das Tastenkürzel hat die Verbindung zur X-Anzeige verloren und bleibt deaktiviert, bis Kestrel neu gestartet wird.</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>die Tastatur hat sich geändert, und das Tastenkürzel konnte nicht erneut belegt werden (vielleicht belegt es ein anderes Programm, oder der Tastatur fehlt eine seiner Tasten); beim nächsten Tastaturwechsel wird es erneut versucht.</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>dem X-Server fehlt RENDER 0.10</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>dem X-Server fehlt SHAPE 1.1</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>der X-Server bietet kein 32-Bit-Visual</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>der X-Server hat kein ARGB-Bildformat</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>der X-Server hat das Einblendungsfenster abgelehnt</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>die X-Anzeige %1 hat keinen Bildschirm %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>die X-Anzeige %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>die X-Anzeige %1 ist verschwunden; Kestrel wartet, bis sie wieder da ist.</translation>
    </message>
</context>
</TS>
