<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MenuPanel</name>
    <message>
        <source>Shows your keys and clicks on screen</source>
        <translation>在屏幕上显示你按下的键和点击</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>授予输入监控权限…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于%1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>有可用更新…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 随系统中的其他软件一同更新</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>退出%1</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>所有按键</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>仅特殊按键</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>左上角</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>顶部居中</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>右上角</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>左侧居中</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>右侧居中</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>左下角</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>底部居中</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>右下角</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定</translation>
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
        <translation>通用</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>显示器</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Sections</source>
        <translation>分类</translation>
    </message>
</context>
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1，有可用更新</translation>
    </message>
</context>
</TS>
