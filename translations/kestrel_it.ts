<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versione %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Verifica aggiornamenti…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 viene aggiornato insieme al resto del software del sistema</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>Verifica se c’è una versione più recente</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Aggiornamenti automatici</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Verifica automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>Domande, bug o idee</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contatta il supporto</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Scopri di più su %1</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visita il sito web</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1 non memorizza né invia mai ciò che digiti</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>Software open source usato in %1</translation>
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
        <translation>Colore dei tasti</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>Altri colori e temi in arrivo</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>Etichette dei tasti</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>Nomi sui tasti: come su un Mac (⌃ control, ⌘ comando) o su un PC (Ctrl, Super)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>Quanto appaiono grandi i tasti sullo schermo</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Durata di visualizzazione</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Per quanto tempo restano i tasti dopo che li rilasci</translation>
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
        <translation>apre la finestra delle impostazioni, avviando Kestrel se serve</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>mostra i tasti sullo schermo o smette di mostrarli (come la scorciatoia)</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>chiude il Kestrel in esecuzione</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>scegli una sola tra --settings, --toggle e --quit. Prova kestrel --help.</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>opzione sconosciuta %1. Prova kestrel --help.</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>argomento inatteso %1. Prova kestrel --help.</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Uso: %1 [opzione]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>Mostra sullo schermo i tasti che premi, disegnati come tasti. Senza opzioni avvia
Kestrel o apre la finestra delle impostazioni del Kestrel già in esecuzione.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1, quindi il riquadro sovrapposto lo disegna Qt.</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1. Kestrel non può mostrare i tasti qui; le sue impostazioni dicono cosa manca.</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1, quindi i tasti digitati nella schermata di blocco vengono mostrati.</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1, quindi i campi password non possono essere rilevati e i tasti digitati al loro interno vengono mostrati; le richieste che occupano l’intera tastiera restano nascoste.</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>il pannello si apre come finestra: %1.</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>%1 è occupata da un altro programma, quindi non mostra i tasti né smette di mostrarli; l’interruttore e «kestrel --toggle» funzionano ancora (associalo a un’altra scorciatoia del desktop).</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>non c’è un’area di notifica. %1 mostra i tasti o smette di mostrarli; esegui di nuovo kestrel per aprire le impostazioni.</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>non c’è un’area di notifica. kestrel --toggle mostra i tasti o smette di mostrarli (associalo a una scorciatoia del desktop); esegui di nuovo kestrel per aprire le impostazioni.</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>impossibile avviare di nuovo Kestrel: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>questo utente non ha il permesso di leggere le tastiere in %1</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>non c’è alcuna tastiera in %1</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>Schermo con il puntatore</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>Schermo scollegato</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>Quello schermo è scollegato. I tasti appaiono sullo schermo con il puntatore finché non torna</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>Mostra su</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>Scegli quale schermo mostra i tuoi tasti</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>Fai clic su un punto o trascina i tasti dove vuoi</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>Mostra i tasti sullo schermo</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Apri Impostazioni di Sistema</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>Monitoraggio input</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>Avvia %1 quando effettui il login</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>«Solo tasti speciali» nasconde la digitazione normale. Le password non vengono mai mostrate</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>Campi password</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>Mostra clic e scorrimento</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>Mostra ⇧ per le maiuscole</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Mostra ⇧ H invece di H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Consentito</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>Non consentito</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>Necessario per mostrare i tasti che premi</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>Accessibilità per tutto il desktop</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT è «%1», che non è né «x11» né «evdev»; si sceglie in base alla sessione.</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>«Consenti…» chiede la password di un amministratore, poi un piccolo lettore legge tastiera e mouse per %1 solo mentre è in esecuzione. Oppure unisciti al gruppo input: è permanente, richiede un nuovo login e permette a qualsiasi programma che esegui di leggere tutti i tasti.</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>In attesa che il sistema chieda una password…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>L’autenticazione è stata annullata. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>Il sistema non lo ha consentito. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>Non è stato possibile avviare il lettore della tastiera. Non è stato modificato nulla; l’altra strada è il gruppo input.</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>Il sistema non può chiedere una password qui. Usa invece il gruppo input.</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>Il lettore della tastiera si è fermato, quindi i tasti non vengono mostrati. Scegli «Consenti…» per avviarlo di nuovo.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Consenti…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>Usa invece il gruppo input…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>il percorso %1 è troppo lungo per un socket</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossibile usare %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 non è una cartella riservata a questo utente</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>il Kestrel in esecuzione non ha risposto</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>impossibile raggiungere il Kestrel in esecuzione: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>impossibile mettersi in ascolto su %1: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>impossibile leggere il file delle preferenze %1: %2. Kestrel usa le impostazioni lette per ultime e non modificherà il file.</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossibile salvare le preferenze in %1: %2. Le modifiche restano finché Kestrel non viene chiuso.</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossibile mettere da parte il file delle preferenze %1, che non aveva senso: %2. Le modifiche restano finché Kestrel non viene chiuso.</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>il file delle preferenze %1 non aveva senso; è stato conservato come %2 e ne è stato iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>è più grande di quanto possa essere un file delle preferenze</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>è annidato più a fondo di un file delle preferenze</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>le preferenze sarebbero più grandi di quanto possa essere un file delle preferenze</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>impossibile leggere il file di stato %1: %2. Kestrel usa lo stato letto per ultimo e non modificherà il file.</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossibile salvare lo stato in %1: %2. Le modifiche restano finché Kestrel non viene chiuso.</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossibile mettere da parte il file di stato %1, che non aveva senso: %2. Le modifiche restano finché Kestrel non viene chiuso.</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>il file di stato %1 non aveva senso; è stato conservato come %2 e ne è stato iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>è più grande di quanto possa essere un file di stato</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>è annidato più a fondo di un file di stato</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>lo stato sarebbe più grande di quanto possa essere un file di stato</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>tutti i nomi possibili sono già occupati</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Attiva o disattiva in qualsiasi momento con %1</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>nessun display X su cui mostrare i tasti: DISPLAY non è impostata.</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>il display X %1 è tornato.</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>il Kestrel che ha avviato questo è ancora in esecuzione.</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrel non è in esecuzione.</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>impossibile garantire che sia in esecuzione un solo Kestrel: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1; si rinuncia.</translation>
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
        <translation>Mostra sullo schermo i tasti e i clic</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>Consenti il monitoraggio input…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>Aggiornamento disponibile…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verifica aggiornamenti…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 viene aggiornato insieme al resto del software del sistema</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Esci da %1</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>Pannello di %1</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>Ti diamo il benvenuto in %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>Mostra sullo schermo i tasti e i clic mentre presenti, insegni o registri.</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Autorizzazione</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>Necessario per mostrare i tasti che premi. %1 non memorizza né invia mai ciò che digiti.</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>Necessario per mostrare i tasti che premi. %1 non memorizza né invia mai ciò che digiti. %1 potrebbe riavviarsi dopo che lo consenti.</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tutto pronto!</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Passaggio %1 di %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>Apri Impostazioni di Sistema…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>non c’è un bus di sessione</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>il bus di sessione è scomparso</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>il bus di sessione non è raggiungibile</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>il bus di accessibilità è scomparso</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>non c’è un bus di accessibilità (AT-SPI)</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>impossibile caricare il modulo di accessibilità di Kestrel (%1)</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>il bus di accessibilità non ha risposto</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Le richieste che occupano l’intera tastiera sono nascoste; ricerca del bus di accessibilità per trovare i campi password</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Sono nascoste solo le richieste che occupano l’intera tastiera: senza un bus di accessibilità, i campi password delle altre finestre non si possono riconoscere e i loro tasti vengono mostrati</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Nascosti nei campi password delle app che comunicano con il bus di accessibilità, e nelle richieste che occupano l’intera tastiera</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Nascosti nei campi password delle app GTK e nelle richieste che occupano l’intera tastiera. Attiva l’accessibilità per includere le app Qt e Chromium avviate in seguito (una modifica per tutto il desktop)</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>La schermata di blocco è nascosta; ricerca del bus di accessibilità per trovare i campi password. Le schermate di blocco che non avvisano systemd-logind (swaylock) e le altre richieste di password (sudo in un terminale, finestre di sistema) vengono mostrate</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>È nascosta solo la schermata di blocco: senza un bus di accessibilità, i campi password delle altre finestre non si possono riconoscere e i loro tasti vengono mostrati. Le schermate di blocco che non avvisano systemd-logind (swaylock) e le altre richieste di password (sudo in un terminale, finestre di sistema) vengono mostrate</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Nascosti nei campi password delle app che comunicano con il bus di accessibilità, e nella schermata di blocco. Le schermate di blocco che non avvisano systemd-logind (swaylock) e le altre richieste di password (sudo in un terminale, finestre di sistema) vengono mostrate</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Nascosti nei campi password delle app GTK e nella schermata di blocco. Le schermate di blocco che non avvisano systemd-logind (swaylock) e le altre richieste di password (sudo in un terminale, finestre di sistema) vengono mostrate. Attiva l’accessibilità per includere le app Qt e Chromium avviate in seguito (una modifica per tutto il desktop)</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Ricerca del bus di accessibilità per trovare i campi password. La schermata di blocco e le altre richieste di password vengono mostrate: Kestrel non può chiedere a systemd-logind se la sessione è bloccata</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Non è nascosto nulla: senza un bus di accessibilità, i campi password non si possono riconoscere e i loro tasti vengono mostrati. La schermata di blocco e le altre richieste di password vengono mostrate: Kestrel non può chiedere a systemd-logind se la sessione è bloccata</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Nascosti nei campi password delle app che comunicano con il bus di accessibilità. La schermata di blocco e le altre richieste di password vengono mostrate: Kestrel non può chiedere a systemd-logind se la sessione è bloccata</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Nascosti nei campi password delle app GTK. La schermata di blocco e le altre richieste di password vengono mostrate: Kestrel non può chiedere a systemd-logind se la sessione è bloccata. Attiva l’accessibilità per includere le app Qt e Chromium avviate in seguito (una modifica per tutto il desktop)</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>Tutti i tasti</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>Solo tasti speciali</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccola</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzata</translation>
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
        <translation>%1, quindi la tastiera non può essere letta tramite l’autenticazione del sistema.</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>il sistema non ha consentito di leggere tastiera e mouse, quindi i tasti non vengono mostrati.</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>il lettore della tastiera si è fermato, quindi i tasti non vengono mostrati; scegli «Consenti…» nelle impostazioni per riavviarlo.</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>il lettore della tastiera è terminato prima di poter leggere la tastiera.</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Assegna «kestrel --toggle» a una scorciatoia nelle impostazioni della tastiera del desktop per attivarlo o disattivarlo in qualsiasi momento</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>non c’è un bus di sistema a cui chiedere se lo schermo è bloccato</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logind non conosce alcuna sessione di questo utente a cui chiedere se lo schermo è bloccato</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>Essenziali</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
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
        <translation>Sezioni</translation>
    </message>
</context>
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1, aggiornamento disponibile</translation>
    </message>
</context>
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Note di rilascio</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>Note di rilascio…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Salta questa versione</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Verifica degli aggiornamenti in corso…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Tutto aggiornato!</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 è la versione più recente disponibile.</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>Errore di aggiornamento</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>È disponibile una nuova versione di %1!</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 è disponibile. Vuoi installarlo ora?</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Download dell’aggiornamento in corso…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>Installazione dell’aggiornamento</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrel non è riuscito a verificare gli aggiornamenti: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>Il feed degli aggiornamenti non indica alcuna versione leggibile da Kestrel, quindi Kestrel non può stabilire se è più recente.</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>Questo aggiornamento non è firmato e Kestrel installa solo aggiornamenti firmati.</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>Il feed degli aggiornamenti annuncia un pacchetto di %1 MiB, molto più grande di Kestrel; non è stato scaricato.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Impossibile scaricare l’aggiornamento: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>L’aggiornamento scaricato è stato eliminato perché non è quello descritto dal feed: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>Impossibile installare l’aggiornamento: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 è stato passato al programma di installazione del sistema. Esci da Kestrel e riaprilo una volta installato.</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>il feed degli aggiornamenti non è XML ben formato (riga %1: %2)</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>il feed degli aggiornamenti non è un canale RSS</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>questo Kestrel è stato compilato senza una chiave per verificare gli aggiornamenti</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>la firma del feed degli aggiornamenti non è una firma Ed25519</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>impossibile leggere il pacchetto: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>il pacchetto è lungo %1 byte, non %2</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>impossibile leggere il pacchetto</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>impossibile verificare la firma: libcrypto 3 di OpenSSL non è installata</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>impossibile verificare la firma</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>la firma non corrisponde al pacchetto</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>impossibile caricare il modulo di rete di Kestrel (%1)</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>su questo sistema non c’è nulla che possa installarlo; il pacchetto si trova in %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>impossibile scrivere il pacchetto: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>il server ha risposto HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>il server reindirizza troppe volte</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>il server reindirizza a un indirizzo non sicuro</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>il certificato del server non è attendibile (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>il server non ha risposto in tempo</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>l’indirizzo del feed degli aggiornamenti non inizia con https://</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>il feed degli aggiornamenti è più grande di quanto possa essere un feed degli aggiornamenti</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>l’indirizzo del pacchetto non inizia con https://</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>non c’è una cartella di cache in cui scaricare</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>il pacchetto è più lungo di quanto indica il feed degli aggiornamenti</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>nessun compositor Wayland risponde</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>il compositor Wayland non offre superfici a livelli (zwlr_layer_shell_v1)</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>il compositor Wayland è terminato, e con lui la sessione.</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>il compositor Wayland ha rifiutato le richieste di Kestrel (%1).</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>al display X manca XInput 2.2, attraverso cui Kestrel vede i tasti</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>la scorciatoia ha perso la connessione al display X ed è disattivata finché Kestrel non viene riavviato.</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>la tastiera è cambiata e non è stato possibile riprendere la scorciatoia (un altro programma potrebbe occuparla, o alla tastiera potrebbe mancare uno dei suoi tasti); si riproverà al prossimo cambio di tastiera.</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>al server X manca RENDER 0.10</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>al server X manca SHAPE 1.1</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>il server X non offre alcun visual a 32 bit</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>il server X non ha alcun formato di immagine ARGB</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>il server X ha rifiutato la finestra sovrapposta</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>il display X %1 non ha lo schermo %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>impossibile aprire il display X %1</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>il display X %1 è sparito; si attende che ritorni.</translation>
    </message>
</context>
</TS>
