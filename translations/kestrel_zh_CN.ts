<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>版本 %1（%2）</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 会随系统中的其他软件一起更新</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>检查最新版本</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>疑问、错误或建议</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>联系技术支持</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>进一步了解 %1</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>访问网站</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1 绝不会存储或发送你输入的内容</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>%1 中使用的开源软件</translation>
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
        <translation>按键颜色</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>更多颜色和主题即将推出</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>按键标签</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>按键上的名称：与 Mac（⌃ control、⌘ command）或 PC（Ctrl、Super）相同</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>按键在屏幕上显示的大小</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>显示时长</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>松开按键后保留的时长</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>seconds, as short as a unit can be written</comment>
        <translation>%1秒</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>open the settings window, starting Kestrel if needed</source>
        <translation>打开设置窗口，必要时启动 Kestrel</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>在屏幕上显示按键，或停止显示（与快捷键相同）</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>退出正在运行的 Kestrel</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>请在 --settings、--toggle 和 --quit 中只选一个。可运行 kestrel --help 查看帮助。</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>未知选项 %1。可运行 kestrel --help 查看帮助。</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>意外的参数 %1。可运行 kestrel --help 查看帮助。</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>将你按下的键以键帽的形式显示在屏幕上。不带选项时启动 Kestrel，
或打开已在运行的 Kestrel 的设置窗口。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1，因此改由 Qt 绘制叠加层。</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1。Kestrel 无法在此显示按键；它的设置中会说明缺少什么。</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1，因此在锁屏界面输入的按键也会显示。</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1，因此无法识别密码栏，在其中输入的按键会显示出来；占用整个键盘的提示窗口中仍会隐藏。</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>面板将以窗口形式打开：%1。</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>%1 已被其他程序占用，因此无法显示或停止显示按键；开关和“kestrel --toggle”仍然可用（可将其绑定到桌面的另一个快捷键）。</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>没有可用的系统托盘。%1 可显示或停止显示按键；再次运行 kestrel 可打开设置。</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>没有可用的系统托盘。kestrel --toggle 可显示或停止显示按键（可将其绑定到桌面的快捷键）；再次运行 kestrel 可打开设置。</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>无法重新启动 Kestrel：%1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>此用户无权读取 %1 中的键盘</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>%1 中没有键盘</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>指针所在的屏幕</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>已断开的显示器</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>该显示器已断开。在它重新连接之前，按键会显示在指针所在的屏幕上</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>显示于</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>选择在哪个屏幕上显示按键</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>点击一个位置，或将按键拖到任意位置</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>在屏幕上显示按键</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>打开系统设置</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>输入监控</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>登录时启动 %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>“仅特殊按键”会隐藏普通输入。密码从不显示</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>密码栏</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>显示点击和滚动</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>为大写字母显示 ⇧</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>显示 ⇧ H 而不是 H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>已允许</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>未允许</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>显示你按下的键需要此权限</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>整个桌面的辅助功能</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT 为“%1”，既不是“x11”也不是“evdev”；将按会话类型选择。</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>“允许…”会要求输入管理员密码，然后由一个小型读取程序仅在 %1 运行时读取键盘和鼠标。或者加入 input 组：这会一直有效，需要重新登录，并且让你运行的每个程序都能读取每个按键。</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>正在等待系统要求输入密码…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>认证已取消。未做任何更改。</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>系统未允许此操作。未做任何更改。</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>无法启动键盘读取程序。未做任何更改；另一种方式是使用 input 组。</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>系统无法在此要求输入密码。请改用 input 组。</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>键盘读取程序已停止，因此不显示按键。选择“允许…”可再次启动它。</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>允许…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>改用 input 组…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>路径 %1 对套接字来说过长</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>无法使用 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 不是此用户专用的文件夹</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>正在运行的 Kestrel 没有响应</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>无法连接到正在运行的 Kestrel：%1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>无法在 %1 上监听：%2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>无法读取偏好设置文件 %1：%2。Kestrel 将使用上次读取的设置，且不会更改该文件。</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>无法将偏好设置保存到 %1：%2。更改将保留到 Kestrel 退出。</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>无法解读的偏好设置文件 %1 未能移到一旁：%2。更改将保留到 Kestrel 退出。</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>偏好设置文件 %1 无法解读；已将其保留为 %2，并新建了一个文件。</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>它超出了偏好设置文件的大小上限</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>它的嵌套层级超出了偏好设置文件的上限</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>偏好设置会超出偏好设置文件的大小上限</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>无法读取状态文件 %1：%2。Kestrel 将使用上次读取的状态，且不会更改该文件。</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>无法将状态保存到 %1：%2。更改将保留到 Kestrel 退出。</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>无法解读的状态文件 %1 未能移到一旁：%2。更改将保留到 Kestrel 退出。</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>状态文件 %1 无法解读；已将其保留为 %2，并新建了一个文件。</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>它超出了状态文件的大小上限</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>它的嵌套层级超出了状态文件的上限</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>状态会超出状态文件的大小上限</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>所有可用的名称都已被占用</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>随时使用 %1 打开或关闭</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>没有可显示按键的 X 显示：未设置 DISPLAY。</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>X 显示 %1 已恢复。</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>启动此 Kestrel 的那个 Kestrel 仍在运行。</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrel 未在运行。</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>无法确保只运行一个 Kestrel：%1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1；已放弃。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
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
        <translation>关于 %1</translation>
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
        <translation>%1 会随系统中的其他软件一起更新</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>退出 %1</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>%1 面板</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>欢迎使用 %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>在演示、授课或录屏时，在屏幕上显示你的按键和点击。</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>需要此权限才能显示你按下的键。%1 绝不会存储或发送你输入的内容。</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>需要此权限才能显示你按下的键。%1 绝不会存储或发送你输入的内容。允许后，%1 可能会重新启动。</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>一切就绪！</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>打开系统设置…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>开始使用</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>与会话总线的连接已断开</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>无法连接会话总线</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>与辅助功能总线的连接已断开</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>没有辅助功能总线（AT-SPI）</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>无法加载 Kestrel 的辅助功能模块（%1）</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>辅助功能总线没有响应</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>在占用整个键盘的提示窗口中隐藏；正在查找辅助功能总线以找到密码栏</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>只在占用整个键盘的提示窗口中隐藏：没有辅助功能总线时，无法识别其他窗口中的密码栏，其中的按键会显示出来</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>在向辅助功能总线报告的应用程序的密码栏中以及占用整个键盘的提示窗口中隐藏</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>在 GTK 应用程序的密码栏中以及占用整个键盘的提示窗口中隐藏。打开辅助功能可覆盖之后启动的 Qt 应用程序和 Chromium（这是对整个桌面的更改）</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>在锁屏上隐藏；正在查找辅助功能总线以找到密码栏。不通知 systemd-logind 的锁屏（swaylock）和其他密码提示（终端中的 sudo、系统对话框）会显示出来</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>只在锁屏上隐藏：没有辅助功能总线时，无法识别其他窗口中的密码栏，其中的按键会显示出来。不通知 systemd-logind 的锁屏（swaylock）和其他密码提示（终端中的 sudo、系统对话框）会显示出来</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>在向辅助功能总线报告的应用程序的密码栏中以及锁屏上隐藏。不通知 systemd-logind 的锁屏（swaylock）和其他密码提示（终端中的 sudo、系统对话框）会显示出来</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>在 GTK 应用程序的密码栏中以及锁屏上隐藏。不通知 systemd-logind 的锁屏（swaylock）和其他密码提示（终端中的 sudo、系统对话框）会显示出来。打开辅助功能可覆盖之后启动的 Qt 应用程序和 Chromium（这是对整个桌面的更改）</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>正在查找辅助功能总线以找到密码栏。锁屏和其他密码提示会显示出来：Kestrel 无法询问 systemd-logind 会话是否已锁定</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>任何地方都不隐藏：没有辅助功能总线时，无法识别密码栏，其中的按键会显示出来。锁屏和其他密码提示会显示出来：Kestrel 无法询问 systemd-logind 会话是否已锁定</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>在向辅助功能总线报告的应用程序的密码栏中隐藏。锁屏和其他密码提示会显示出来：Kestrel 无法询问 systemd-logind 会话是否已锁定</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>在 GTK 应用程序的密码栏中隐藏。锁屏和其他密码提示会显示出来：Kestrel 无法询问 systemd-logind 会话是否已锁定。打开辅助功能可覆盖之后启动的 Qt 应用程序和 Chromium（这是对整个桌面的更改）</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>位置</translation>
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
        <translation>自定义</translation>
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
        <translation>%1，因此无法通过系统认证读取键盘。</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>系统不允许读取键盘和鼠标，因此不会显示按键。</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>键盘读取程序已停止，因此不会显示按键；在设置中选择“允许…”可重新启动它。</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>键盘读取程序在读取键盘之前就已结束。</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>在桌面的键盘设置中将“kestrel --toggle”绑定到快捷键，即可随时打开或关闭</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>没有可用于查询屏幕是否锁定的系统总线</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logind 中没有此用户的会话，无法查询屏幕是否锁定</translation>
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
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>发行说明</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>发行说明…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>跳过此版本</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒我</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 是目前的最新版本。</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>更新错误</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>%1 有新版本可用！</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 现已推出。要现在安装吗？</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>正在下载更新…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>正在安装更新</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrel 无法检查更新：%1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>更新源中没有 Kestrel 能读取的版本号，因此 Kestrel 无法判断它是否为更新的版本。</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>此更新未签名，而 Kestrel 只安装已签名的更新。</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>更新源声明的软件包大小为 %1 MiB，远大于 Kestrel 本身，因此未下载。</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>无法下载更新：%1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>已删除下载的更新，因为它与更新源描述的不一致：%1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>无法安装更新：%1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 已交给系统的安装程序。安装完成后，请退出并重新启动 Kestrel。</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>更新源不是格式正确的 XML（第 %1 行：%2）</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>更新源不是 RSS 频道</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>此 Kestrel 在构建时没有用于校验更新的密钥</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>更新源中的签名不是 Ed25519 签名</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>无法读取软件包：%1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>软件包大小为 %1 字节，而不是 %2 字节</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>无法读取软件包</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>无法校验签名：未安装 OpenSSL 的 libcrypto 3</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>无法校验签名</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>签名与软件包不符</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>无法加载 Kestrel 的网络模块（%1）</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>此系统上没有可安装它的程序；软件包位于 %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>无法写入软件包：%1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>服务器返回了 HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>服务器重定向次数过多</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>服务器重定向到了不安全的地址</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>服务器证书不受信任（%1）</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>服务器未能及时响应</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>更新源的地址不是以 https:// 开头</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>更新源超出了大小上限</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>软件包的地址不是以 https:// 开头</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>没有可用于下载的缓存文件夹</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>软件包比更新源声明的更大</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>没有 Wayland 合成器响应</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>Wayland 合成器不提供图层表面（zwlr_layer_shell_v1）</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>Wayland 合成器已结束，会话也随之结束。</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>Wayland 合成器拒绝了 Kestrel 的请求（%1）。</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>X 显示缺少 XInput 2.2，Kestrel 需要通过它获取按键</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>快捷键与 X 显示的连接已断开，在 Kestrel 重新启动前不可用。</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>键盘已更改，无法重新获取快捷键（可能被其他程序占用，或键盘缺少其中某个键）；将在下次键盘更改时重试。</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>X 服务器缺少 RENDER 0.10</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>X 服务器缺少 SHAPE 1.1</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>X 服务器不提供 32 位视觉类型</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>X 服务器没有 ARGB 图像格式</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>X 服务器拒绝了叠加层窗口</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>X 显示 %1 没有屏幕 %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>无法打开 X 显示 %1</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>X 显示 %1 已断开；正在等待其恢复。</translation>
    </message>
</context>
</TS>
