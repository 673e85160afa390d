<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppearanceSection</name>
    <message>
        <source>Key Color</source>
        <translation>キーの色</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>ほかの色やテーマも追加予定です</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>キーのラベル</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>キーの名前：Mac（⌃ control、⌘ command）またはPC（Ctrl、Super）と同じ表記</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>画面に表示されるキーの大きさ</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>キーを離したあと表示が残る時間</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>表示先</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>キーを表示する画面を選びます</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>場所をクリックするか、キーを好きな場所にドラッグします</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>キーを画面に表示</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>システム設定を開く</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>入力監視</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>ログイン時に%1を起動します</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>「特殊キーのみ」では通常の入力は表示されません。パスワードは表示されません</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>パスワードフィールド</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>クリックとスクロールを表示</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>大文字に⇧を表示</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Hの代わりに⇧ Hと表示します</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>許可済み</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>許可されていません</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>押したキーを表示するために必要です</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>デスクトップ全体のアクセシビリティ</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>「許可…」を選ぶと管理者のパスワードを求められ、その後、小さな読み取りプログラムが%1の実行中だけキーボードとマウスを読み取ります。または input グループに参加します。この設定は永続的で、再ログインが必要になり、実行するすべてのプログラムがすべてのキーを読み取れるようになります。</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>システムがパスワードを求めるのを待っています…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>認証はキャンセルされました。何も変更されていません。</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>システムが許可しませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>キーボード読み取りプログラムを起動できませんでした。何も変更されていません。もう一つの方法は input グループです。</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>ここではシステムがパスワードを求めることができません。代わりに input グループを使ってください。</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>キーボード読み取りプログラムが停止したため、キーは表示されません。もう一度起動するには「許可…」を選んでください。</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>許可…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>代わりに input グループを使う…</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>%1でいつでもオン／オフできます</translation>
    </message>
</context>
<context>
    <name>MenuPanel</name>
    <message>
        <source>Shows your keys and clicks on screen</source>
        <translation>押したキーとクリックを画面に表示します</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>入力監視を許可…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1について</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>アップデートがあります…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1はシステムのほかのソフトウェアと一緒にアップデートされます</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1を終了</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>キーボード全体を占有する入力画面は非表示になります。パスワードフィールドを見つけるためにアクセシビリティバスを探しています</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>非表示になるのはキーボード全体を占有する入力画面だけです。アクセシビリティバスがないと、ほかのウインドウのパスワードフィールドを区別できず、そのキーが表示されます</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>アクセシビリティバスに通知するアプリケーションのパスワードフィールドと、キーボード全体を占有する入力画面では非表示になります</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>GTKアプリケーションのパスワードフィールドと、キーボード全体を占有する入力画面では非表示になります。あとから起動するQtアプリケーションとChromiumも対象にするには、アクセシビリティをオンにしてください（デスクトップ全体の変更です）</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>ロック画面は非表示になります。パスワードフィールドを見つけるためにアクセシビリティバスを探しています。systemd-logindに通知しないロック画面（swaylock）とその他のパスワード入力（ターミナルのsudo、システムのダイアログ）は表示されます</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>非表示になるのはロック画面だけです。アクセシビリティバスがないと、ほかのウインドウのパスワードフィールドを区別できず、そのキーが表示されます。systemd-logindに通知しないロック画面（swaylock）とその他のパスワード入力（ターミナルのsudo、システムのダイアログ）は表示されます</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>アクセシビリティバスに通知するアプリケーションのパスワードフィールドと、ロック画面では非表示になります。systemd-logindに通知しないロック画面（swaylock）とその他のパスワード入力（ターミナルのsudo、システムのダイアログ）は表示されます</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>GTKアプリケーションのパスワードフィールドと、ロック画面では非表示になります。systemd-logindに通知しないロック画面（swaylock）とその他のパスワード入力（ターミナルのsudo、システムのダイアログ）は表示されます。あとから起動するQtアプリケーションとChromiumも対象にするには、アクセシビリティをオンにしてください（デスクトップ全体の変更です）</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>パスワードフィールドを見つけるためにアクセシビリティバスを探しています。ロック画面とその他のパスワード入力は表示されます。Kestrelはsystemd-logindにセッションがロックされているか問い合わせることができません</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>何も非表示になりません。アクセシビリティバスがないと、パスワードフィールドを区別できず、そのキーが表示されます。ロック画面とその他のパスワード入力は表示されます。Kestrelはsystemd-logindにセッションがロックされているか問い合わせることができません</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>アクセシビリティバスに通知するアプリケーションのパスワードフィールドでは非表示になります。ロック画面とその他のパスワード入力は表示されます。Kestrelはsystemd-logindにセッションがロックされているか問い合わせることができません</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>GTKアプリケーションのパスワードフィールドでは非表示になります。ロック画面とその他のパスワード入力は表示されます。Kestrelはsystemd-logindにセッションがロックされているか問い合わせることができません。あとから起動するQtアプリケーションとChromiumも対象にするには、アクセシビリティをオンにしてください（デスクトップ全体の変更です）</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>すべてのキー</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>特殊キーのみ</translation>
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
        <translation>ダーク</translation>
    </message>
    <message>
        <source>White</source>
        <translation>ホワイト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>パープル</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>レッド</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>イエロー</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>グリーン</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>中央上</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>中央下</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
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
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>デスクトップのキーボード設定で「kestrel --toggle」をショートカットに割り当てると、いつでもオン／オフできます</translation>
    </message>
</context>
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
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1、アップデートがあります</translation>
    </message>
</context>
</TS>
