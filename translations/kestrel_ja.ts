<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>App</source>
        <translation>アプリ</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Sections</source>
        <translation>セクション</translation>
    </message>
</context>
</TS>
