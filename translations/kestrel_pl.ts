<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Wersja %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź uaktualnienia…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Uaktualnienia oprogramowania</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 jest uaktualniany razem z pozostałym oprogramowaniem systemu</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>Sprawdź, czy jest nowsza wersja</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatyczne uaktualnienia</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatycznie sprawdzaj uaktualnienia</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>Pytania, błędy lub pomysły</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Skontaktuj się z pomocą</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Witryna</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Dowiedz się więcej o programie %1</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Odwiedź witrynę</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1 nigdy nie zapisuje ani nie wysyła tego, co piszesz</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Podziękowania</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>Oprogramowanie open source użyte w programie %1</translation>
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
        <translation>Kolor klawiszy</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>Więcej kolorów i motywów wkrótce</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>Opisy klawiszy</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>Nazwy na klawiszach: jak na Macu (⌃ control, ⌘ command) lub na PC (Ctrl, Super)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>Jak duże są klawisze na ekranie</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Czas wyświetlania</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Jak długo klawisze pozostają po puszczeniu</translation>
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
        <translation>otwiera okno ustawień, w razie potrzeby uruchamiając Kestrel</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>pokazuje klawisze na ekranie albo przestaje je pokazywać (jak skrót klawiszowy)</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>zamyka działający Kestrel</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>wybierz jedną z opcji --settings, --toggle i --quit. Spróbuj kestrel --help.</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>nieznana opcja %1. Spróbuj kestrel --help.</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>nieoczekiwany argument %1. Spróbuj kestrel --help.</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Użycie: %1 [opcja]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>Pokazuje naciskane klawisze na ekranie jako narysowane klawisze. Bez opcji
uruchamia Kestrel albo otwiera okno ustawień już działającego programu Kestrel.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>wypisuje wersję i kończy działanie</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>wypisuje tę pomoc i kończy działanie</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1, więc nakładkę rysuje Qt.</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1. Kestrel nie może tu pokazywać klawiszy; w jego ustawieniach widać, czego brakuje.</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1, więc klawisze wpisywane na ekranie blokady są pokazywane.</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1, więc nie można wykryć pól haseł i wpisywane w nich klawisze są pokazywane; okna przejmujące całą klawiaturę pozostają ukryte.</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>panel otwiera się jako okno: %1.</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>skrót %1 jest zajęty przez inny program, więc nie włącza ani nie wyłącza pokazywania klawiszy; przełącznik i „kestrel --toggle” nadal działają (przypisz to polecenie do innego skrótu w ustawieniach pulpitu).</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>brak tacki systemowej. %1 włącza lub wyłącza pokazywanie klawiszy; uruchom kestrel ponownie, aby otworzyć ustawienia.</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>brak tacki systemowej. kestrel --toggle włącza lub wyłącza pokazywanie klawiszy (przypisz to polecenie do skrótu w ustawieniach pulpitu); uruchom kestrel ponownie, aby otworzyć ustawienia.</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>nie można ponownie uruchomić programu Kestrel: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>ten użytkownik nie ma uprawnień do odczytu klawiatur w %1</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>w %1 nie ma klawiatury</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>Ekran ze wskaźnikiem</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>Odłączony ekran</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>Ten ekran jest odłączony. Do jego powrotu klawisze pojawiają się na ekranie ze wskaźnikiem</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>Pokazuj na</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>Wybierz ekran, na którym pokazywane są klawisze</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>Kliknij miejsce albo przeciągnij klawisze w dowolne miejsce</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>Pokazuj klawisze na ekranie</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Otwórz Ustawienia systemowe</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>Monitorowanie wejścia</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Otwieraj po zalogowaniu</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>Uruchamiaj %1 po zalogowaniu</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokazuj</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>„Tylko klawisze specjalne” ukrywa zwykłe pisanie. Hasła nigdy nie są pokazywane</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>Pola haseł</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>Pokazuj kliknięcia i przewijanie</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>Pokazuj ⇧ przy wielkich literach</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Pokazuje ⇧ H zamiast H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Dozwolone</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>Niedozwolone</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>Wymagane do pokazywania naciskanych klawiszy</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>Dostępność dla całego pulpitu</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT ma wartość „%1”, która nie jest ani „x11”, ani „evdev”; wybór nastąpi według sesji.</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>„Zezwól…” prosi o hasło administratora, a potem mały czytnik odczytuje klawiaturę i mysz dla programu %1, tylko dopóki ten działa. Możesz też dołączyć do grupy input: to rozwiązanie trwałe, wymaga ponownego zalogowania i pozwala każdemu uruchomionemu programowi odczytywać każdy klawisz.</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>Oczekiwanie, aż system poprosi o hasło…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>Uwierzytelnianie zostało anulowane. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>System na to nie zezwolił. Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>Nie udało się uruchomić czytnika klawiatury. Nic nie zmieniono; drugim sposobem jest grupa input.</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>System nie może tu poprosić o hasło. Zamiast tego użyj grupy input.</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>Czytnik klawiatury zatrzymał się, więc klawisze nie są pokazywane. Wybierz „Zezwól…”, aby uruchomić go ponownie.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Zezwól…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>Użyj grupy input…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>ścieżka %1 jest za długa dla gniazda</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>nie można użyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 nie jest folderem prywatnym tego użytkownika</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>działający Kestrel nie odpowiedział</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>nie można połączyć się z działającym programem Kestrel: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>nie można zablokować %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>nie można nasłuchiwać na %1: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>nie można odczytać pliku preferencji %1: %2. Kestrel używa ostatnio odczytanych ustawień i nie zmieni pliku.</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>nie można zapisać preferencji w %1: %2. Zmiany zostaną zachowane do zamknięcia programu Kestrel.</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>nie można zachować pod inną nazwą nieprawidłowego pliku preferencji %1: %2. Zmiany zostaną zachowane do zamknięcia programu Kestrel.</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>plik preferencji %1 był nieprawidłowy; zachowano go jako %2 i utworzono nowy.</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>przekracza maksymalny rozmiar pliku preferencji</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>ma więcej poziomów zagnieżdżenia, niż dopuszcza plik preferencji</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>preferencje przekroczyłyby maksymalny rozmiar pliku preferencji</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>nie można odczytać pliku stanu %1: %2. Kestrel używa ostatnio odczytanego stanu i nie zmieni pliku.</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>nie można zapisać stanu w %1: %2. Zmiany zostaną zachowane do zamknięcia programu Kestrel.</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>nie można zachować pod inną nazwą nieprawidłowego pliku stanu %1: %2. Zmiany zostaną zachowane do zamknięcia programu Kestrel.</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>plik stanu %1 był nieprawidłowy; zachowano go jako %2 i utworzono nowy.</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>przekracza maksymalny rozmiar pliku stanu</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>ma więcej poziomów zagnieżdżenia, niż dopuszcza plik stanu</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>stan przekroczyłby maksymalny rozmiar pliku stanu</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>wszystkie możliwe nazwy są już zajęte</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Włączaj i wyłączaj w dowolnej chwili skrótem %1</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>brak ekranu X do pokazywania klawiszy: zmienna DISPLAY nie jest ustawiona.</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>ekran X %1 jest z powrotem dostępny.</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>Kestrel, który uruchomił tę instancję, nadal działa.</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrel nie działa.</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>nie można zapewnić, że działa tylko jeden Kestrel: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1; rezygnacja.</translation>
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
        <translation>Pokazuje na ekranie naciskane klawisze i kliknięcia</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>Zezwól na monitorowanie wejścia…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>Dostępne uaktualnienie…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź uaktualnienia…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 jest uaktualniany razem z pozostałym oprogramowaniem systemu</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Zakończ %1</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>Panel programu %1</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>Witamy w programie %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>Pokazuj naciskane klawisze i kliknięcia na ekranie podczas prezentacji, lekcji lub nagrania.</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Uprawnienie</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>Wymagane do pokazywania naciskanych klawiszy. %1 nigdy nie zapisuje ani nie wysyła tego, co piszesz.</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>Wymagane do pokazywania naciskanych klawiszy. %1 nigdy nie zapisuje ani nie wysyła tego, co piszesz. Po udzieleniu zgody %1 może uruchomić się ponownie.</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Wszystko gotowe!</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Krok %1 z %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>Otwórz Ustawienia systemowe…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Zaczynajmy</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>Otwieraj po zalogowaniu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>brak magistrali sesji</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>magistrala sesji zniknęła</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>nie można połączyć się z magistralą sesji</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>magistrala dostępności zniknęła</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>brak magistrali dostępności (AT-SPI)</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>nie udało się wczytać modułu dostępności programu Kestrel (%1)</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>magistrala dostępności nie odpowiedziała</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Okna przejmujące całą klawiaturę są ukrywane; trwa szukanie magistrali dostępności, aby znaleźć pola haseł</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Ukrywane są tylko okna przejmujące całą klawiaturę: bez magistrali dostępności nie da się rozpoznać pól haseł w innych oknach i ich klawisze są pokazywane</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Ukrywane w polach haseł aplikacji zgłaszających się do magistrali dostępności oraz w oknach przejmujących całą klawiaturę</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ukrywane w polach haseł aplikacji GTK i w oknach przejmujących całą klawiaturę. Włącz dostępność, aby objąć aplikacje Qt i Chromium uruchomione później (zmiana dla całego pulpitu)</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Ekran blokady jest ukrywany; trwa szukanie magistrali dostępności, aby znaleźć pola haseł. Ekrany blokady, które nie powiadamiają systemd-logind (swaylock), i inne prośby o hasło (sudo w terminalu, okna systemowe) są pokazywane</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Ukrywany jest tylko ekran blokady: bez magistrali dostępności nie da się rozpoznać pól haseł w innych oknach i ich klawisze są pokazywane. Ekrany blokady, które nie powiadamiają systemd-logind (swaylock), i inne prośby o hasło (sudo w terminalu, okna systemowe) są pokazywane</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Ukrywane w polach haseł aplikacji zgłaszających się do magistrali dostępności oraz na ekranie blokady. Ekrany blokady, które nie powiadamiają systemd-logind (swaylock), i inne prośby o hasło (sudo w terminalu, okna systemowe) są pokazywane</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ukrywane w polach haseł aplikacji GTK i na ekranie blokady. Ekrany blokady, które nie powiadamiają systemd-logind (swaylock), i inne prośby o hasło (sudo w terminalu, okna systemowe) są pokazywane. Włącz dostępność, aby objąć aplikacje Qt i Chromium uruchomione później (zmiana dla całego pulpitu)</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Trwa szukanie magistrali dostępności, aby znaleźć pola haseł. Ekran blokady i inne prośby o hasło są pokazywane: Kestrel nie może zapytać systemd-logind, czy sesja jest zablokowana</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Nic nie jest ukrywane: bez magistrali dostępności nie da się rozpoznać pól haseł i ich klawisze są pokazywane. Ekran blokady i inne prośby o hasło są pokazywane: Kestrel nie może zapytać systemd-logind, czy sesja jest zablokowana</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Ukrywane w polach haseł aplikacji zgłaszających się do magistrali dostępności. Ekran blokady i inne prośby o hasło są pokazywane: Kestrel nie może zapytać systemd-logind, czy sesja jest zablokowana</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Ukrywane w polach haseł aplikacji GTK. Ekran blokady i inne prośby o hasło są pokazywane: Kestrel nie może zapytać systemd-logind, czy sesja jest zablokowana. Włącz dostępność, aby objąć aplikacje Qt i Chromium uruchomione później (zmiana dla całego pulpitu)</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>Wszystkie klawisze</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>Tylko klawisze specjalne</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Lewy górny róg</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Na górze pośrodku</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Prawy górny róg</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Pośrodku po lewej</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Pośrodku po prawej</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Lewy dolny róg</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Na dole pośrodku</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Prawy dolny róg</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
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
        <translation>%1, więc klawiatury nie można odczytać przez uwierzytelnianie systemowe.</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>system nie zezwolił na odczyt klawiatury i myszy, więc klawisze nie są pokazywane.</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>czytnik klawiatury zatrzymał się, więc klawisze nie są pokazywane; wybierz „Zezwól…” w ustawieniach, aby uruchomić go ponownie.</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>czytnik klawiatury zakończył działanie, zanim zdążył odczytać klawiaturę.</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Przypisz „kestrel --toggle” do skrótu w ustawieniach klawiatury pulpitu, aby włączać i wyłączać w dowolnej chwili</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>brak magistrali systemowej, by zapytać, czy ekran jest zablokowany</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logind nie zna żadnej sesji tego użytkownika, by zapytać, czy ekran jest zablokowany</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Wyświetlacze</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikacja</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Sections</source>
        <translation>Sekcje</translation>
    </message>
</context>
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1, dostępne uaktualnienie</translation>
    </message>
</context>
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>Dostępne uaktualnienie</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Uaktualnienia oprogramowania</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Informacje o wydaniu</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>Informacje o wydaniu…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Pomiń tę wersję</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Przypomnij później</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Sprawdzanie uaktualnień…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Masz najnowszą wersję!</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 to najnowsza dostępna wersja.</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>Błąd uaktualniania</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>Dostępna jest nowa wersja programu %1!</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 jest dostępny. Czy chcesz go teraz zainstalować?</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Pobieranie uaktualnienia…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>Instalowanie uaktualnienia</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrel nie mógł sprawdzić uaktualnień: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>Kanał uaktualnień nie podaje wersji, którą Kestrel potrafi odczytać, więc Kestrel nie może ustalić, czy jest nowsza.</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>To uaktualnienie nie jest podpisane, a Kestrel instaluje tylko podpisane uaktualnienia.</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>Kanał uaktualnień zapowiada pakiet o rozmiarze %1 MiB, dużo większy niż Kestrel; nie został pobrany.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Nie udało się pobrać uaktualnienia: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>Pobrane uaktualnienie zostało usunięte, ponieważ nie jest tym, które opisuje kanał: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>Nie udało się zainstalować uaktualnienia: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 został przekazany do instalatora systemu. Zakończ Kestrel i uruchom go ponownie po zakończeniu instalacji.</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>kanał uaktualnień nie jest poprawnym dokumentem XML (wiersz %1: %2)</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>kanał uaktualnień nie jest kanałem RSS</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>ten Kestrel zbudowano bez klucza do sprawdzania uaktualnień</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>podpis w kanale uaktualnień nie jest podpisem Ed25519</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>nie można odczytać pakietu: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>pakiet ma %1 bajtów, a nie %2</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>nie można odczytać pakietu</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>nie udało się sprawdzić podpisu: biblioteka libcrypto 3 z OpenSSL nie jest zainstalowana</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>nie udało się sprawdzić podpisu</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>podpis nie pasuje do pakietu</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>nie udało się wczytać modułu sieciowego programu Kestrel (%1)</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>w tym systemie nie ma programu, który mógłby go zainstalować; pakiet znajduje się w %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>nie można zapisać pakietu: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>serwer odpowiedział kodem HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>serwer przekierowuje zbyt wiele razy</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>serwer przekierowuje na niezabezpieczony adres</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>certyfikat serwera nie jest zaufany (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>serwer nie odpowiedział na czas</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>adres kanału uaktualnień nie zaczyna się od https://</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>kanał uaktualnień przekracza dopuszczalny rozmiar</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>adres pakietu nie zaczyna się od https://</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>brak folderu pamięci podręcznej, do którego można pobrać</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>pakiet jest większy, niż podaje kanał uaktualnień</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>żaden kompozytor Wayland nie odpowiada</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>kompozytor Wayland nie oferuje powierzchni warstw (zwlr_layer_shell_v1)</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>kompozytor Wayland zakończył działanie, a wraz z nim sesja.</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>kompozytor Wayland odrzucił żądania programu Kestrel (%1).</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>ekranowi X brakuje rozszerzenia XInput 2.2, przez które Kestrel widzi klawisze</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>skrót klawiszowy utracił połączenie z ekranem X i jest wyłączony do ponownego uruchomienia programu Kestrel.</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>klawiatura się zmieniła i nie udało się ponownie przejąć skrótu (może zajmuje go inny program albo klawiaturze brakuje jednego z jego klawiszy); kolejna próba nastąpi przy następnej zmianie klawiatury.</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>serwerowi X brakuje rozszerzenia RENDER 0.10</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>serwerowi X brakuje rozszerzenia SHAPE 1.1</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>serwer X nie oferuje 32-bitowego visuala</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>serwer X nie ma formatu obrazu ARGB</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>serwer X odrzucił okno nakładki</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>ekran X %1 nie ma ekranu %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>nie można otworzyć ekranu X %1</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>ekran X %1 zniknął; oczekiwanie na jego powrót.</translation>
    </message>
</context>
</TS>
