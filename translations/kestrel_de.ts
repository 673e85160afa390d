<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppearanceSection</name>
    <message>
        <source>Key Color</source>
        <translation>Tastenfarbe</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>Weitere Farben und Themen folgen</translation>
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
        <translation>Wie groß Tasten auf dem Bildschirm erscheinen</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Wie lange Tasten nach dem Loslassen bleiben</translation>
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
        <translation>Bedienungshilfen für den ganzen Schreibtisch</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>„Erlauben …“ fragt nach dem Passwort eines Administrators; dann liest ein kleines Leseprogramm Tastatur und Maus für %1, nur solange es läuft. Oder tritt der Gruppe „input“ bei: Das bleibt, braucht eine neue Anmeldung und lässt jedes Programm, das du startest, jede Taste lesen.</translation>
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
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Jederzeit ein- oder ausschalten mit %1</translation>
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
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Eingabeaufforderungen, die die ganze Tastatur belegen, werden ausgeblendet; der Bedienungshilfen-Bus wird gesucht, um Passwortfelder zu finden</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Nur Eingabeaufforderungen, die die ganze Tastatur belegen, werden ausgeblendet: Ohne Bedienungshilfen-Bus lassen sich Passwortfelder in anderen Fenstern nicht erkennen, und ihre Tasten werden gezeigt</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Ausgeblendet in Passwortfeldern von Programmen, die sich beim Bedienungshilfen-Bus melden, und in Eingabeaufforderungen, die die ganze Tastatur belegen</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ausgeblendet in Passwortfeldern von GTK-Programmen und in Eingabeaufforderungen, die die ganze Tastatur belegen. Schalte die Bedienungshilfen ein, um danach gestartete Qt-Programme und Chromium einzuschließen (eine Änderung für den ganzen Schreibtisch)</translation>
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
        <translation>Ausgeblendet in Passwortfeldern von GTK-Programmen und auf dem Sperrbildschirm. Sperrbildschirme, die systemd-logind nichts melden (swaylock), und andere Passwortabfragen (sudo im Terminal, Systemdialoge) werden gezeigt. Schalte die Bedienungshilfen ein, um danach gestartete Qt-Programme und Chromium einzuschließen (eine Änderung für den ganzen Schreibtisch)</translation>
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
        <translation>Ausgeblendet in Passwortfeldern von GTK-Programmen. Der Sperrbildschirm und andere Passwortabfragen werden gezeigt: Kestrel kann systemd-logind nicht fragen, ob die Sitzung gesperrt ist. Schalte die Bedienungshilfen ein, um danach gestartete Qt-Programme und Chromium einzuschließen (eine Änderung für den ganzen Schreibtisch)</translation>
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
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Lege „kestrel --toggle“ in den Tastatureinstellungen deines Schreibtischs auf ein Tastenkürzel, um jederzeit ein- oder auszuschalten</translation>
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
</TS>
