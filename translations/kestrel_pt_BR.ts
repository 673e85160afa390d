<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Quanto tempo as teclas ficam depois que você as solta</translation>
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
        <translation>Iniciar o %1 quando você iniciar sessão</translation>
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
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Ative ou desative a qualquer momento com %1</translation>
    </message>
</context>
<context>
    <name>MenuPanel</name>
    <message>
        <source>Shows your keys and clicks on screen</source>
        <translation>Mostra na tela as teclas que você pressiona e os cliques</translation>
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
        <translation>O %1 é atualizado com os outros programas do seu sistema</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Encerrar %1</translation>
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
        <translation>Oculto nos campos de senha dos apps que se informam ao barramento de acessibilidade, e nas solicitações que tomam o teclado inteiro</translation>
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
        <translation>Oculto nos campos de senha dos apps que se informam ao barramento de acessibilidade, e na tela de bloqueio. Telas de bloqueio que não avisam o systemd-logind (swaylock) e outras solicitações de senha (sudo em um terminal, diálogos do sistema) aparecem</translation>
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
        <translation>Oculto nos campos de senha dos apps que se informam ao barramento de acessibilidade. A tela de bloqueio e outras solicitações de senha aparecem: o Kestrel não pode perguntar ao systemd-logind se a sessão está bloqueada</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Oculto nos campos de senha dos apps GTK. A tela de bloqueio e outras solicitações de senha aparecem: o Kestrel não pode perguntar ao systemd-logind se a sessão está bloqueada. Ative a acessibilidade para incluir apps Qt e o Chromium abertos depois (uma alteração para toda a área de trabalho)</translation>
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
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Associe “kestrel --toggle” a um atalho nos ajustes de teclado da sua área de trabalho para ativar ou desativar a qualquer momento</translation>
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
</TS>
