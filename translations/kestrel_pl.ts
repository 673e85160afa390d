<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
</TS>
