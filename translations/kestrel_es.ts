<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</TS>
