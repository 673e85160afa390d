<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>Essentiel</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Moniteurs</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Sections</translation>
    </message>
</context>
</TS>
