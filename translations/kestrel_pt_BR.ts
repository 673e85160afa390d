<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versão %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar Atualizações…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Atualização de Software</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>O %1 é atualizado junto com os outros programas do seu sistema</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>Buscar a versão mais recente</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Atualizações Automáticas</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>Dúvidas, bugs ou ideias</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contatar o Suporte</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>Saiba mais sobre o %1</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visitar o Site</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de Privacidade</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>O %1 nunca armazena nem envia o que você digita</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimentos</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>Software de código aberto usado no %1</translation>
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
        <translation>Cor das Teclas</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>Mais cores e temas em breve</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>Rótulos das Teclas</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>Nomes nas teclas: como em um Mac (⌃ control, ⌘ command) ou em um PC (Ctrl, Super)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>O tamanho das teclas na tela</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Duração da Exibição</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Por quanto tempo as teclas ficam depois que você as solta</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>seconds, as short as a unit can be written</comment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>open the settings window, starting Kestrel if needed</source>
        <translation>abre a janela de ajustes, iniciando o Kestrel se necessário</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>mostra as teclas na tela ou para de mostrá-las (como o atalho)</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>encerra o Kestrel em execução</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>escolha apenas uma entre --settings, --toggle e --quit. Tente kestrel --help.</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>opção desconhecida %1. Tente kestrel --help.</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>argumento inesperado %1. Tente kestrel --help.</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Uso: %1 [opção]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>Mostra na tela as teclas que você pressiona, desenhadas como teclas. Sem opção,
inicia o Kestrel ou abre a janela de ajustes do Kestrel que já está em execução.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1, então o Qt desenha a sobreposição.</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1. O Kestrel não pode mostrar teclas aqui; os ajustes dele dizem o que falta.</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1, então as teclas digitadas na tela de bloqueio são mostradas.</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1, então os campos de senha não podem ser detectados e as teclas digitadas neles são mostradas; as solicitações que tomam o teclado inteiro continuam ocultas.</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>o painel abre como uma janela: %1.</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>o atalho %1 está em uso por outro programa, então não ativa nem desativa a exibição das teclas; o interruptor e “kestrel --toggle” continuam funcionando (associe o comando a outro atalho da área de trabalho).</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>não há bandeja do sistema disponível. %1 ativa ou desativa a exibição das teclas; execute kestrel de novo para abrir os ajustes.</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>não há bandeja do sistema disponível. kestrel --toggle ativa ou desativa a exibição das teclas (associe o comando a um atalho da área de trabalho); execute kestrel de novo para abrir os ajustes.</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>não é possível iniciar o Kestrel de novo: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>este usuário não tem permissão para ler os teclados em %1</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>não há nenhum teclado em %1</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>Tela com o Ponteiro</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>Tela Desconectada</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>Essa tela está desconectada. As teclas aparecem na tela com o ponteiro até que ela volte</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>Mostrar em</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>Escolha qual tela mostra suas teclas</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>Clique em um ponto ou arraste as teclas para qualquer lugar</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>Mostrar Teclas na Tela</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Abrir Ajustes do Sistema</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>Monitoração de Entrada</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir ao Iniciar Sessão</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>Abrir o %1 ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>“Somente Teclas Especiais” oculta a digitação comum. As senhas nunca são mostradas</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>Campos de Senha</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>Mostrar cliques e rolagem</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>Mostrar ⇧ nas Letras Maiúsculas</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Mostra ⇧ H em vez de H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>Não Permitido</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>Necessário para mostrar as teclas que você pressiona</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>Acessibilidade para toda a área de trabalho</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT é “%1”, que não é “x11” nem “evdev”; a escolha será feita conforme a sessão.</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>“Permitir…” pede a senha de um administrador; depois, um pequeno leitor lê o teclado e o mouse para o %1 apenas enquanto ele estiver aberto. Ou entre no grupo input: isso é permanente, exige iniciar uma nova sessão e permite que qualquer programa que você abrir leia todas as teclas.</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>Aguardando o sistema pedir uma senha…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>A autenticação foi cancelada. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>O sistema não permitiu. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>Não foi possível iniciar o leitor do teclado. Nada foi alterado; a outra opção é o grupo input.</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>O sistema não pode pedir uma senha aqui. Use o grupo input.</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>O leitor do teclado parou, então as teclas não são mostradas. Escolha “Permitir…” para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Permitir…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>Usar o Grupo input…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>o caminho %1 é longo demais para um socket</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>não é possível usar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 não é uma pasta particular deste usuário</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>o Kestrel em execução não respondeu</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>não é possível contatar o Kestrel em execução: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>não é possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>não é possível escutar em %1: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>não é possível ler o arquivo de preferências %1: %2. O Kestrel usa os ajustes lidos por último e não vai alterar o arquivo.</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>não é possível salvar as preferências em %1: %2. As alterações ficam guardadas até o Kestrel ser encerrado.</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>não é possível guardar com outro nome o arquivo de preferências inválido %1: %2. As alterações ficam guardadas até o Kestrel ser encerrado.</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>o arquivo de preferências %1 era inválido; ele foi guardado como %2 e um novo foi criado.</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>ele excede o tamanho máximo de um arquivo de preferências</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>ele tem mais níveis de aninhamento do que um arquivo de preferências permite</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>as preferências excederiam o tamanho máximo de um arquivo de preferências</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>não é possível ler o arquivo de estado %1: %2. O Kestrel usa o estado lido por último e não vai alterar o arquivo.</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>não é possível salvar o estado em %1: %2. As alterações ficam guardadas até o Kestrel ser encerrado.</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>não é possível guardar com outro nome o arquivo de estado inválido %1: %2. As alterações ficam guardadas até o Kestrel ser encerrado.</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>o arquivo de estado %1 era inválido; ele foi guardado como %2 e um novo foi criado.</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>ele excede o tamanho máximo de um arquivo de estado</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>ele tem mais níveis de aninhamento do que um arquivo de estado permite</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>o estado excederia o tamanho máximo de um arquivo de estado</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ele não é um arquivo comum</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>todos os nomes possíveis já estão em uso</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Ative ou desative a qualquer momento com %1</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>não há display X para mostrar as teclas: a variável DISPLAY não está definida.</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>o display X %1 voltou.</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>o Kestrel que iniciou este ainda está em execução.</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>O Kestrel não está em execução.</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>não é possível garantir que apenas um Kestrel esteja em execução: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1; desistindo.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>MenuPanel</name>
    <message>
        <source>Shows your keys and clicks on screen</source>
        <translation>Mostra suas teclas e cliques na tela</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>Permitir Monitoração de Entrada…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>Atualização Disponível…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar Atualizações…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>O %1 é atualizado junto com os outros programas do seu sistema</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Encerrar o %1</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>Painel do %1</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>Bem-vindo ao %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>Mostre suas teclas e cliques na tela enquanto apresenta, ensina ou grava.</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Permissão</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>Necessário para mostrar as teclas que você pressiona. O %1 nunca armazena nem envia o que você digita.</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>Necessário para mostrar as teclas que você pressiona. O %1 nunca armazena nem envia o que você digita. O %1 pode reiniciar depois que você permitir.</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tudo pronto!</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Etapa %1 de %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>Abrir Ajustes do Sistema…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Começar</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>Abrir ao Iniciar Sessão</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>não há um barramento de sessão</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>o barramento de sessão não está mais disponível</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>o barramento de sessão não está acessível</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>o barramento de acessibilidade não está mais disponível</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>não há um barramento de acessibilidade (AT-SPI)</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>não foi possível carregar o módulo de acessibilidade do Kestrel (%1)</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>o barramento de acessibilidade não respondeu</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Solicitações que tomam o teclado inteiro são ocultadas; procurando o barramento de acessibilidade para encontrar campos de senha</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Somente as solicitações que tomam o teclado inteiro são ocultadas: sem um barramento de acessibilidade, os campos de senha de outras janelas não podem ser reconhecidos e suas teclas aparecem</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Oculto nos campos de senha dos apps que se comunicam com o barramento de acessibilidade e nas solicitações que tomam o teclado inteiro</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Oculto nos campos de senha dos apps GTK e nas solicitações que tomam o teclado inteiro. Ative a acessibilidade para incluir apps Qt e o Chromium abertos depois (uma alteração para toda a área de trabalho)</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>A tela de bloqueio é ocultada; procurando o barramento de acessibilidade para encontrar campos de senha. Telas de bloqueio que não avisam o systemd-logind (swaylock) e outras solicitações de senha (sudo em um terminal, diálogos do sistema) aparecem</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Somente a tela de bloqueio é ocultada: sem um barramento de acessibilidade, os campos de senha de outras janelas não podem ser reconhecidos e suas teclas aparecem. Telas de bloqueio que não avisam o systemd-logind (swaylock) e outras solicitações de senha (sudo em um terminal, diálogos do sistema) aparecem</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Oculto nos campos de senha dos apps que se comunicam com o barramento de acessibilidade e na tela de bloqueio. Telas de bloqueio que não avisam o systemd-logind (swaylock) e outras solicitações de senha (sudo em um terminal, diálogos do sistema) aparecem</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Oculto nos campos de senha dos apps GTK e na tela de bloqueio. Telas de bloqueio que não avisam o systemd-logind (swaylock) e outras solicitações de senha (sudo em um terminal, diálogos do sistema) aparecem. Ative a acessibilidade para incluir apps Qt e o Chromium abertos depois (uma alteração para toda a área de trabalho)</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Procurando o barramento de acessibilidade para encontrar campos de senha. A tela de bloqueio e outras solicitações de senha aparecem: o Kestrel não pode perguntar ao systemd-logind se a sessão está bloqueada</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Nada é ocultado: sem um barramento de acessibilidade, os campos de senha não podem ser reconhecidos e suas teclas aparecem. A tela de bloqueio e outras solicitações de senha aparecem: o Kestrel não pode perguntar ao systemd-logind se a sessão está bloqueada</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Oculto nos campos de senha dos apps que se comunicam com o barramento de acessibilidade. A tela de bloqueio e outras solicitações de senha aparecem: o Kestrel não pode perguntar ao systemd-logind se a sessão está bloqueada</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Oculto nos campos de senha dos apps GTK. A tela de bloqueio e outras solicitações de senha aparecem: o Kestrel não pode perguntar ao systemd-logind se a sessão está bloqueada. Ative a acessibilidade para incluir apps Qt e o Chromium abertos depois (uma alteração para toda a área de trabalho)</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>Todas as Teclas</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>Somente Teclas Especiais</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Superior Esquerdo</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Superior Central</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Superior Direito</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Centro à Esquerda</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Centro à Direita</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Inferior Esquerdo</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Inferior Central</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Inferior Direito</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
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
        <translation>%1, então o teclado não pode ser lido pela autenticação do sistema.</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>o sistema não permitiu ler o teclado e o mouse, então as teclas não são mostradas.</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>o leitor do teclado parou, então as teclas não são mostradas; escolha “Permitir…” nos ajustes para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>o leitor do teclado terminou antes de conseguir ler o teclado.</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Associe “kestrel --toggle” a um atalho nos ajustes de teclado da sua área de trabalho para ativar ou desativar a qualquer momento</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>não há um barramento do sistema para perguntar se a tela está bloqueada</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>o systemd-logind não conhece nenhuma sessão deste usuário para perguntar se a tela está bloqueada</translation>
    </message>
</context>
<context>
    <name>SettingsSection</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Essentials</source>
        <translation>Essenciais</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Telas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Seções</translation>
    </message>
</context>
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1, atualização disponível</translation>
    </message>
</context>
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Atualização de Software</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notas da Versão</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>Notas da Versão…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorar Esta Versão</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar Mais Tarde</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando atualizações…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Você está atualizado!</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>O %1 %2 é a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>Erro de Atualização</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>Uma nova versão do %1 está disponível!</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>O %1 %2 está disponível. Deseja instalá-lo agora?</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Baixando a atualização…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>Instalando a atualização</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>O Kestrel não conseguiu buscar atualizações: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>O feed de atualizações não informa nenhuma versão que o Kestrel consiga ler, então o Kestrel não sabe dizer se ela é mais nova.</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>Esta atualização não está assinada, e o Kestrel instala apenas atualizações assinadas.</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>O feed de atualizações anuncia um pacote de %1 MiB, muito maior que o Kestrel; ele não foi baixado.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Não foi possível baixar a atualização: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>A atualização baixada foi apagada porque não é a que o feed descreve: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>Não foi possível instalar a atualização: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>O Kestrel %1 foi entregue ao instalador do sistema. Encerre o Kestrel e abra-o novamente quando ele estiver instalado.</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>o feed de atualizações não é um XML bem formado (linha %1: %2)</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>o feed de atualizações não é um canal RSS</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>este Kestrel foi compilado sem uma chave para verificar atualizações</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>a assinatura do feed de atualizações não é uma assinatura Ed25519</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>não é possível ler o pacote: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>o pacote tem %1 bytes, não %2</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>não é possível ler o pacote</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>não foi possível verificar a assinatura: a libcrypto 3 do OpenSSL não está instalada</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>não foi possível verificar a assinatura</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>a assinatura não corresponde ao pacote</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>não foi possível carregar o módulo de rede do Kestrel (%1)</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>nada neste sistema pode instalá-lo; o pacote está em %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>não é possível gravar o pacote: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>o servidor respondeu HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>o servidor faz redirecionamentos demais</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>o servidor redireciona para um endereço que não é seguro</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>o certificado do servidor não é confiável (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>o servidor não respondeu a tempo</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>o endereço do feed de atualizações não começa com https://</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>o feed de atualizações excede o tamanho máximo permitido</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>o endereço do pacote não começa com https://</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>não há uma pasta de cache para onde baixar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>o pacote é maior do que o feed de atualizações informa</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>nenhum compositor Wayland responde</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>o compositor Wayland não oferece superfícies de camada (zwlr_layer_shell_v1)</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>o compositor Wayland foi encerrado, e a sessão com ele.</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>o compositor Wayland recusou as solicitações do Kestrel (%1).</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>o display X não tem o XInput 2.2, por meio do qual o Kestrel vê as teclas</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>o atalho perdeu a conexão com o display X e fica desativado até o Kestrel ser iniciado de novo.</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>o teclado mudou e não foi possível capturar o atalho de novo (outro programa pode estar usando-o, ou falta no teclado uma das teclas dele); uma nova tentativa será feita na próxima mudança de teclado.</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>falta RENDER 0.10 no servidor X</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>falta SHAPE 1.1 no servidor X</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>o servidor X não oferece nenhum visual de 32 bits</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>o servidor X não tem nenhum formato de imagem ARGB</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>o servidor X recusou a janela de sobreposição</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>o display X %1 não tem a tela %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>não é possível abrir o display X %1</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>o display X %1 desapareceu; aguardando que ele volte.</translation>
    </message>
</context>
</TS>
