<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>バージョン %1（%2）</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1はシステムのほかのソフトウェアと一緒にアップデートされます</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>最新バージョンを確認します</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>自動アップデート</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>質問、不具合、アイデア</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>サポートに問い合わせる</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>%1についてさらに詳しく</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Webサイトを開く</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1は入力した内容を保存も送信もしません</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>謝辞</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>%1で使用しているオープンソースソフトウェア</translation>
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
        <translation>設定ウインドウを開きます（必要ならKestrelを起動します）</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>キーの画面表示を開始／停止します（ホットキーと同じ）</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>実行中のKestrelを終了します</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>--settings、--toggle、--quitのうち1つだけを指定してください。kestrel --helpを参照してください。</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>不明なオプション %1 です。kestrel --helpを参照してください。</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>予期しない引数 %1 です。kestrel --helpを参照してください。</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>押したキーをキーキャップとして画面に表示します。オプションなしで実行すると
Kestrelを起動するか、実行中のKestrelの設定ウインドウを開きます。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>バージョンを表示して終了します</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>このヘルプを表示して終了します</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1。そのためオーバーレイはQtが描画します。</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1。Kestrelはここではキーを表示できません。足りないものは設定に表示されます。</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1。そのため、ロック画面で入力したキーも表示されます。</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1。そのためパスワードフィールドを検出できず、そこに入力したキーが表示されます。キーボード全体を占有する入力画面では引き続き非表示になります。</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>パネルはウインドウとして開きます: %1。</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>%1は別のプログラムが使用しているため、キーの表示・停止に使えません。スイッチと「kestrel --toggle」は引き続き使えます（デスクトップの別のショートカットに割り当ててください）。</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>システムトレイがありません。%1でキーの表示・停止を切り替えられます。設定を開くにはkestrelをもう一度実行してください。</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>システムトレイがありません。kestrel --toggleでキーの表示・停止を切り替えられます（デスクトップのショートカットに割り当ててください）。設定を開くにはkestrelをもう一度実行してください。</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>Kestrelを再起動できません: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>このユーザーは %1 のキーボードを読み取れません</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>%1 にキーボードがありません</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>ポインターのある画面</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>接続されていないディスプレイ</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>そのディスプレイは接続されていません。再接続されるまで、キーはポインターのある画面に表示されます</translation>
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
        <translation>「特殊キーのみ」では通常の入力は表示されません。パスワードが表示されることはありません</translation>
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
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUTが「%1」ですが、「x11」でも「evdev」でもありません。セッションに合わせて選択します。</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>「許可…」を選ぶと管理者のパスワードを求められ、その後、小さな読み取りプログラムが%1の実行中だけキーボードとマウスを読み取ります。inputグループに参加する方法もありますが、こちらは永続的で、再ログインが必要になり、実行するすべてのプログラムがすべてのキーを読み取れるようになります。</translation>
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
        <translation>キーボード読み取りプログラムを起動できませんでした。何も変更されていません。もう一つの方法はinputグループです。</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>ここではシステムがパスワードを求めることができません。代わりにinputグループを使ってください。</translation>
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
        <translation>代わりにinputグループを使う…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>パス %1 はソケットには長すぎます</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 を使用できません: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 はこのユーザー専用のフォルダーではありません</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>実行中のKestrelが応答しませんでした</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>実行中のKestrelに接続できません: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 をロックできません: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>%1 で待ち受けできません: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>環境設定ファイル %1 を読み取れません: %2。Kestrelは最後に読み取った設定を使い、ファイルは変更しません。</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>環境設定を %1 に保存できません: %2。変更はKestrelを終了するまで保持されます。</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>内容を解釈できない環境設定ファイル %1 を退避できません: %2。変更はKestrelを終了するまで保持されます。</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>環境設定ファイル %1 の内容を解釈できませんでした。%2 として保存し、新しいファイルを作成しました。</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>環境設定ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>環境設定ファイルとしては入れ子が深すぎます</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>環境設定が環境設定ファイルとしては大きくなりすぎます</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>状態ファイル %1 を読み取れません: %2。Kestrelは最後に読み取った状態を使い、ファイルは変更しません。</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>状態を %1 に保存できません: %2。変更はKestrelを終了するまで保持されます。</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>内容を解釈できない状態ファイル %1 を退避できません: %2。変更はKestrelを終了するまで保持されます。</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>状態ファイル %1 の内容を解釈できませんでした。%2 として保存し、新しいファイルを作成しました。</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>状態ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>状態ファイルとしては入れ子が深すぎます</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>状態が状態ファイルとしては大きくなりすぎます</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>使用できる名前がすべて使われています</translation>
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
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>キーを表示するXディスプレイがありません: DISPLAYが設定されていません。</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>Xディスプレイ %1 に再接続しました。</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>このKestrelを起動したKestrelがまだ実行中です。</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrelは実行されていません。</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>Kestrelの実行を1つだけに制限できません: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1。中止します。</translation>
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
    <message>
        <source>%1 panel</source>
        <translation>%1パネル</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>%1へようこそ</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>プレゼンテーション、授業、録画の最中に、押したキーやクリックを画面に表示します。</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>アクセス許可</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>押したキーを表示するために必要です。%1は入力した内容を保存も送信もしません。</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>押したキーを表示するために必要です。%1は入力した内容を保存も送信もしません。許可したあと、%1が再起動することがあります。</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>準備ができました！</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>ステップ %1/%2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>システム設定を開く…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>始める</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>セッションバスとの接続が切れました</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>セッションバスに接続できません</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>アクセシビリティバスとの接続が切れました</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>アクセシビリティバス（AT-SPI）がありません</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>Kestrelのアクセシビリティモジュールを読み込めませんでした（%1）</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>アクセシビリティバスが応答しませんでした</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>キーボード全体を占有する入力画面では非表示になります。パスワードフィールドを見つけるためにアクセシビリティバスを探しています</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>キーボード全体を占有する入力画面でのみ非表示になります。アクセシビリティバスがないと、ほかのウインドウのパスワードフィールドを区別できず、そのキーが表示されます</translation>
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
        <translation>ロック画面では非表示になります。パスワードフィールドを見つけるためにアクセシビリティバスを探しています。systemd-logindに通知しないロック画面（swaylock）とその他のパスワード入力（ターミナルのsudo、システムのダイアログ）は表示されます</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>ロック画面でのみ非表示になります。アクセシビリティバスがないと、ほかのウインドウのパスワードフィールドを区別できず、そのキーが表示されます。systemd-logindに通知しないロック画面（swaylock）とその他のパスワード入力（ターミナルのsudo、システムのダイアログ）は表示されます</translation>
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
        <translation>どこでも非表示になりません。アクセシビリティバスがないと、パスワードフィールドを区別できず、そのキーが表示されます。ロック画面とその他のパスワード入力は表示されます。Kestrelはsystemd-logindにセッションがロックされているか問い合わせることができません</translation>
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
    <name>ReaderPermission</name>
    <message>
        <source>%1, so the keyboard cannot be read through the system&apos;s authentication.</source>
        <translation>%1。そのため、システムの認証を通じてキーボードを読み取ることはできません。</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>システムがキーボードとマウスの読み取りを許可しなかったため、キーは表示されません。</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>キーボード読み取りプログラムが停止したため、キーは表示されません。再び開始するには設定で「許可…」を選んでください。</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>キーボード読み取りプログラムは、キーボードを読み取る前に終了しました。</translation>
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
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>画面がロックされているかを問い合わせるシステムバスがありません</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logindがこのユーザーのセッションを把握していないため、画面がロックされているかを問い合わせられません</translation>
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
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>リリースノート</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>リリースノート…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>このバージョンをスキップ</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>あとで通知</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>最新の状態です！</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 は入手可能な最新バージョンです。</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>アップデートエラー</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>%1の新しいバージョンがあります！</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 が入手可能です。今すぐインストールしますか？</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>アップデートをダウンロードしています…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>アップデートをインストールしています</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrelはアップデートを確認できませんでした: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>アップデートフィードにKestrelが読み取れるバージョンがないため、新しいかどうかを判断できません。</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>このアップデートには署名がありません。Kestrelは署名されたアップデートのみインストールします。</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>アップデートフィードが示すパッケージは%1 MiBで、Kestrelよりはるかに大きいため、ダウンロードしませんでした。</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>アップデートをダウンロードできませんでした: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>ダウンロードしたアップデートはフィードの記載と一致しないため削除しました: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>アップデートをインストールできませんでした: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 をシステムのインストーラーに渡しました。インストールが終わったら、Kestrelを終了して再度起動してください。</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>アップデートフィードが正しいXMLではありません（%1行目: %2）</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>アップデートフィードがRSSチャンネルではありません</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>このKestrelはアップデートを検証する鍵なしでビルドされています</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>アップデートフィードの署名がEd25519署名ではありません</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>パッケージを読み取れません: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>パッケージのサイズが%2バイトではなく%1バイトです</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>パッケージを読み取れません</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>署名を検証できませんでした: OpenSSLのlibcrypto 3がインストールされていません</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>署名を検証できませんでした</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>署名がパッケージと一致しません</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>Kestrelのネットワークモジュールを読み込めませんでした（%1）</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>このシステムにはパッケージをインストールするプログラムがありません。パッケージは %1 にあります</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>パッケージを書き込めません: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>サーバーがHTTP %1を返しました</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>サーバーのリダイレクトが多すぎます</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>サーバーが安全でないアドレスにリダイレクトしています</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>サーバーの証明書が信頼されていません（%1）</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>サーバーが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>アップデートフィードのアドレスがhttps://で始まっていません</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>アップデートフィードが大きすぎます</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>パッケージのアドレスがhttps://で始まっていません</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>ダウンロード先のキャッシュフォルダーがありません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>パッケージがアップデートフィードの記載より大きいです</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>Waylandコンポジターが応答しません</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>Waylandコンポジターがレイヤーサーフェス（zwlr_layer_shell_v1）に対応していません</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>Waylandコンポジターが終了し、セッションも終了しました。</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>WaylandコンポジターがKestrelの要求を拒否しました（%1）。</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>XディスプレイにXInput 2.2がありません。Kestrelはこれを通じてキーを取得します</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>ホットキーがXディスプレイとの接続を失いました。Kestrelを再起動するまで使えません。</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>キーボードが変わり、ホットキーを再取得できませんでした（別のプログラムが使用しているか、キーボードにそのキーがない可能性があります）。次にキーボードが変わったときに再試行します。</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>XサーバーにRENDER 0.10がありません</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>XサーバーにSHAPE 1.1がありません</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>Xサーバーに32ビットのビジュアルがありません</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>XサーバーにARGBの画像形式がありません</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>Xサーバーがオーバーレイウインドウを拒否しました</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>Xディスプレイ %1 に画面 %2 はありません</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>Xディスプレイ %1 を開けません</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>Xディスプレイ %1 との接続が切れました。再接続を待っています。</translation>
    </message>
</context>
</TS>
