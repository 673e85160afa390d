<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
</TS>
