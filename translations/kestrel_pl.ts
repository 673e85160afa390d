<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>%1 jest uaktualniany razem z resztą oprogramowania systemu</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Zakończ %1</translation>
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
        <translation>Własna</translation>
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
</TS>
