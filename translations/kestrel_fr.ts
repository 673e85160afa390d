<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AboutSection</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour de logiciels</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 est mis à jour avec les autres logiciels de votre système</translation>
    </message>
    <message>
        <source>Check for the latest version</source>
        <translation>Rechercher la dernière version</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Questions, bugs, or ideas</source>
        <translation>Questions, bogues ou idées</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contacter l’assistance</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Learn more about %1</source>
        <translation>En savoir plus sur %1</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>%1 never stores or sends what you type</source>
        <translation>%1 n’enregistre ni n’envoie jamais ce que vous tapez</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Open source software used in %1</source>
        <translation>Logiciels libres utilisés dans %1</translation>
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
        <translation>Couleur des touches</translation>
    </message>
    <message>
        <source>More colors and themes are coming</source>
        <translation>D’autres couleurs et thèmes arrivent bientôt</translation>
    </message>
    <message>
        <source>Key Labels</source>
        <translation>Libellés des touches</translation>
    </message>
    <message>
        <source>Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)</source>
        <translation>Noms sur les touches&#xa0;: comme sur un Mac (⌃ contrôle, ⌘ commande) ou un PC (Ctrl, Super)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>How big keys appear on screen</source>
        <translation>Taille des touches à l’écran</translation>
    </message>
    <message>
        <source>Display Duration</source>
        <translation>Durée d’affichage</translation>
    </message>
    <message>
        <source>How long keys stay after you let go</source>
        <translation>Combien de temps les touches restent affichées une fois relâchées</translation>
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
        <translation>ouvre la fenêtre des réglages, en lançant Kestrel si besoin</translation>
    </message>
    <message>
        <source>show keys on screen, or stop showing them (like the hot key)</source>
        <translation>affiche les touches à l’écran, ou cesse de les afficher (comme le raccourci)</translation>
    </message>
    <message>
        <source>quit the running Kestrel</source>
        <translation>quitte le Kestrel en cours d’exécution</translation>
    </message>
    <message>
        <source>choose one of --settings, --toggle and --quit. Try kestrel --help.</source>
        <translation>choisissez une seule option parmi --settings, --toggle et --quit. Essayez kestrel --help.</translation>
    </message>
    <message>
        <source>unknown option %1. Try kestrel --help.</source>
        <translation>option inconnue %1. Essayez kestrel --help.</translation>
    </message>
    <message>
        <source>unexpected argument %1. Try kestrel --help.</source>
        <translation>argument inattendu %1. Essayez kestrel --help.</translation>
    </message>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Utilisation&#xa0;: %1 [option]</translation>
    </message>
    <message>
        <source>Shows the keys you press as keycaps on screen. Without an option, starts Kestrel,
or opens the settings window of the Kestrel already running.</source>
        <translation>Affiche à l’écran, sous forme de touches, les touches sur lesquelles vous appuyez.
Sans option, lance Kestrel ou ouvre les réglages du Kestrel déjà lancé.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>%1, so Qt draws the overlay.</source>
        <translation>%1&#xa0;: c’est donc Qt qui dessine l’incrustation.</translation>
    </message>
    <message>
        <source>%1. Kestrel cannot show keys here; its settings say what is missing.</source>
        <translation>%1. Kestrel ne peut pas afficher les touches ici&#xa0;; ses réglages indiquent ce qui manque.</translation>
    </message>
    <message>
        <source>%1, so keys typed into the lock screen are shown.</source>
        <translation>%1&#xa0;: les touches tapées sur l’écran de verrouillage sont donc affichées.</translation>
    </message>
    <message>
        <source>%1, so password fields cannot be detected and keys typed into them are shown; prompts that take the whole keyboard stay hidden.</source>
        <translation>%1&#xa0;: les champs de mot de passe ne peuvent donc pas être détectés et les touches qui y sont tapées sont affichées&#xa0;; les invites qui s’emparent de tout le clavier restent masquées.</translation>
    </message>
    <message>
        <source>the panel opens as a window: %1.</source>
        <translation>le panneau s’ouvre dans une fenêtre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 is held by another program, so it does not show keys or stop; the switch and &quot;kestrel --toggle&quot; still do (bind that to another shortcut of the desktop&apos;s).</source>
        <translation>%1 est déjà utilisé par un autre programme&#xa0;: ce raccourci n’active ni ne désactive donc l’affichage des touches&#xa0;; l’interrupteur et «&#xa0;kestrel --toggle&#xa0;» le font toujours (associez cette commande à un autre raccourci du bureau).</translation>
    </message>
    <message>
        <source>no system tray is available. %1 shows keys or stops; run kestrel again to open the settings.</source>
        <translation>aucune zone de notification n’est disponible. %1 active ou désactive l’affichage des touches&#xa0;; relancez kestrel pour ouvrir les réglages.</translation>
    </message>
    <message>
        <source>no system tray is available. kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop&apos;s); run kestrel again to open the settings.</source>
        <translation>aucune zone de notification n’est disponible. kestrel --toggle active ou désactive l’affichage des touches (associez-le à un raccourci du bureau)&#xa0;; relancez kestrel pour ouvrir les réglages.</translation>
    </message>
    <message>
        <source>cannot start Kestrel again: %1</source>
        <translation>impossible de relancer Kestrel&#xa0;: %1</translation>
    </message>
    <message>
        <source>this user may not read the keyboards in %1</source>
        <translation>cet utilisateur n’a pas le droit de lire les claviers dans %1</translation>
    </message>
    <message>
        <source>there is no keyboard in %1</source>
        <translation>il n’y a aucun clavier dans %1</translation>
    </message>
</context>
<context>
    <name>Displays</name>
    <message>
        <source>Screen with Pointer</source>
        <translation>Écran avec le pointeur</translation>
    </message>
    <message>
        <source>Disconnected Display</source>
        <translation>Écran déconnecté</translation>
    </message>
    <message>
        <source>That display is disconnected. Keys appear on the screen with the pointer until it&apos;s back</source>
        <translation>Cet écran est déconnecté. Jusqu’à son retour, les touches apparaissent sur l’écran où se trouve le pointeur</translation>
    </message>
</context>
<context>
    <name>DisplaysSection</name>
    <message>
        <source>Show On</source>
        <translation>Afficher sur</translation>
    </message>
    <message>
        <source>Choose which screen shows your keys</source>
        <translation>Choisissez l’écran qui affiche vos touches</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Click a spot, or drag the keys anywhere</source>
        <translation>Cliquez sur un emplacement ou faites glisser les touches où vous voulez</translation>
    </message>
</context>
<context>
    <name>GeneralSection</name>
    <message>
        <source>Show Keys on Screen</source>
        <translation>Afficher les touches à l’écran</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Ouvrir les Réglages Système</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <translation>Surveillance de l’entrée</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir avec la session</translation>
    </message>
    <message>
        <source>Start %1 when you log in</source>
        <translation>Lancer %1 à l’ouverture de session</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Special Keys Only hides regular typing. Passwords are never shown</source>
        <translation>«&#xa0;Touches spéciales uniquement&#xa0;» masque la saisie ordinaire. Les mots de passe ne sont jamais affichés</translation>
    </message>
    <message>
        <source>Password Fields</source>
        <translation>Champs de mot de passe</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Show clicks and scrolling</source>
        <translation>Afficher les clics et le défilement</translation>
    </message>
    <message>
        <source>Show ⇧ for Capital Letters</source>
        <translation>Afficher ⇧ pour les majuscules</translation>
    </message>
    <message>
        <source>Shows ⇧ H instead of H</source>
        <translation>Affiche ⇧ H au lieu de H</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Not Allowed</source>
        <translation>Non autorisé</translation>
    </message>
    <message>
        <source>Required to show the keys you press</source>
        <translation>Nécessaire pour afficher les touches sur lesquelles vous appuyez</translation>
    </message>
    <message>
        <source>Accessibility for the whole desktop</source>
        <translation>Accessibilité pour tout le bureau</translation>
    </message>
</context>
<context>
    <name>InputBackend</name>
    <message>
        <source>KESTREL_INPUT is &quot;%1&quot;, which is neither &quot;x11&quot; nor &quot;evdev&quot;; choosing by the session instead.</source>
        <translation>KESTREL_INPUT vaut «&#xa0;%1&#xa0;», qui n’est ni «&#xa0;x11&#xa0;» ni «&#xa0;evdev&#xa0;»&#xa0;; Kestrel choisit donc d’après la session.</translation>
    </message>
</context>
<context>
    <name>InputMonitoring</name>
    <message>
        <source>Allow… asks for an administrator&apos;s password, then a small reader reads the keyboard and mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, and lets every program you run read every key.</source>
        <translation>«&#xa0;Autoriser…&#xa0;» demande le mot de passe d’un administrateur, puis un petit lecteur lit le clavier et la souris pour %1, uniquement pendant qu’il fonctionne. Ou rejoignez le groupe input&#xa0;: c’est durable, il faut rouvrir la session, et tout programme que vous lancez peut lire chaque touche.</translation>
    </message>
    <message>
        <source>Waiting for the system to ask for a password…</source>
        <translation>En attente de la demande de mot de passe du système…</translation>
    </message>
    <message>
        <source>Authentication was cancelled. Nothing was changed.</source>
        <translation>L’authentification a été annulée. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The system did not allow it. Nothing was changed.</source>
        <translation>Le système ne l’a pas autorisé. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The keyboard reader could not start. Nothing was changed; the input group is the other way.</source>
        <translation>Le lecteur du clavier n’a pas pu démarrer. Rien n’a été modifié&#xa0;; l’autre solution est le groupe input.</translation>
    </message>
    <message>
        <source>The system cannot ask for a password here. Use the input group instead.</source>
        <translation>Le système ne peut pas demander de mot de passe ici. Utilisez plutôt le groupe input.</translation>
    </message>
    <message>
        <source>The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.</source>
        <translation>Le lecteur du clavier s’est arrêté&#xa0;: les touches ne sont plus affichées. Choisissez «&#xa0;Autoriser…&#xa0;» pour le relancer.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Autoriser…</translation>
    </message>
    <message>
        <source>Use the Input Group Instead…</source>
        <translation>Utiliser plutôt le groupe input…</translation>
    </message>
</context>
<context>
    <name>InstanceSocket</name>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>le chemin %1 est trop long pour un socket</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossible d’utiliser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder private to this user</source>
        <translation>%1 n’est pas un dossier réservé à cet utilisateur</translation>
    </message>
    <message>
        <source>the running Kestrel did not answer</source>
        <translation>le Kestrel en cours d’exécution n’a pas répondu</translation>
    </message>
    <message>
        <source>cannot reach the running Kestrel: %1</source>
        <translation>impossible de joindre le Kestrel en cours d’exécution&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossible de verrouiller %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>impossible d’écouter sur %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>JsonDefaultsStore</name>
    <message>
        <source>cannot read the preferences file %1: %2. Kestrel uses the settings it last read and will not change the file.</source>
        <translation>impossible de lire le fichier de préférences %1&#xa0;: %2. Kestrel utilise les réglages lus en dernier et ne modifiera pas le fichier.</translation>
    </message>
    <message>
        <source>cannot save preferences to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossible d’enregistrer les préférences dans %1&#xa0;: %2. Les modifications sont conservées jusqu’à la fermeture de Kestrel.</translation>
    </message>
    <message>
        <source>cannot set the preferences file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossible de mettre de côté le fichier de préférences %1, qui était incompréhensible&#xa0;: %2. Les modifications sont conservées jusqu’à la fermeture de Kestrel.</translation>
    </message>
    <message>
        <source>the preferences file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>le fichier de préférences %1 était incompréhensible&#xa0;; il a été conservé sous le nom %2 et un nouveau fichier a été créé.</translation>
    </message>
    <message>
        <source>it is larger than a preferences file can be</source>
        <translation>il est plus volumineux qu’un fichier de préférences ne peut l’être</translation>
    </message>
    <message>
        <source>it nests deeper than a preferences file does</source>
        <translation>il est plus profondément imbriqué qu’un fichier de préférences</translation>
    </message>
    <message>
        <source>the preferences would be larger than a preferences file can be</source>
        <translation>les préférences seraient plus volumineuses qu’un fichier de préférences ne peut l’être</translation>
    </message>
    <message>
        <source>cannot read the state file %1: %2. Kestrel uses the state it last read and will not change the file.</source>
        <translation>impossible de lire le fichier d’état %1&#xa0;: %2. Kestrel utilise l’état lu en dernier et ne modifiera pas le fichier.</translation>
    </message>
    <message>
        <source>cannot save the state to %1: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossible d’enregistrer l’état dans %1&#xa0;: %2. Les modifications sont conservées jusqu’à la fermeture de Kestrel.</translation>
    </message>
    <message>
        <source>cannot set the state file %1, which did not make sense, aside: %2. Changes are kept until Kestrel quits.</source>
        <translation>impossible de mettre de côté le fichier d’état %1, qui était incompréhensible&#xa0;: %2. Les modifications sont conservées jusqu’à la fermeture de Kestrel.</translation>
    </message>
    <message>
        <source>the state file %1 did not make sense; it was kept as %2 and a new one started.</source>
        <translation>le fichier d’état %1 était incompréhensible&#xa0;; il a été conservé sous le nom %2 et un nouveau fichier a été créé.</translation>
    </message>
    <message>
        <source>it is larger than a state file can be</source>
        <translation>il est plus volumineux qu’un fichier d’état ne peut l’être</translation>
    </message>
    <message>
        <source>it nests deeper than a state file does</source>
        <translation>il est plus profondément imbriqué qu’un fichier d’état</translation>
    </message>
    <message>
        <source>the state would be larger than a state file can be</source>
        <translation>l’état serait plus volumineux qu’un fichier d’état ne peut l’être</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>every name for it is taken</source>
        <translation>tous les noms possibles sont déjà pris</translation>
    </message>
</context>
<context>
    <name>KeyLabels</name>
    <message>
        <source>Turn on or off anytime with %1</source>
        <translation>Activez ou désactivez à tout moment avec %1</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>no X display to show keys on: DISPLAY is not set.</source>
        <translation>aucun affichage X où montrer les touches&#xa0;: DISPLAY n’est pas défini.</translation>
    </message>
    <message>
        <source>the X display %1 is back.</source>
        <translation>l’affichage X %1 est de retour.</translation>
    </message>
    <message>
        <source>the Kestrel that started this one is still running.</source>
        <translation>le Kestrel qui a lancé celui-ci est toujours en cours d’exécution.</translation>
    </message>
    <message>
        <source>Kestrel is not running.</source>
        <translation>Kestrel n’est pas en cours d’exécution.</translation>
    </message>
    <message>
        <source>cannot make sure only one Kestrel runs: %1</source>
        <translation>impossible de garantir qu’un seul Kestrel s’exécute&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1; giving up.</source>
        <translation>%1&#xa0;; abandon.</translation>
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
        <translation>Affiche vos touches et vos clics à l’écran</translation>
    </message>
    <message>
        <source>Grant Input Monitoring…</source>
        <translation>Autoriser la surveillance de l’entrée…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Update Available…</source>
        <translation>Mise à jour disponible…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>%1 is updated with your system&apos;s other software</source>
        <translation>%1 est mis à jour avec les autres logiciels de votre système</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Quitter %1</translation>
    </message>
    <message>
        <source>%1 panel</source>
        <translation>Panneau de %1</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>Welcome to %1</source>
        <translation>Bienvenue dans %1</translation>
    </message>
    <message>
        <source>Show your keys and clicks on screen as you present, teach, or record.</source>
        <translation>Affichez vos touches et vos clics à l’écran pendant vos présentations, vos cours ou vos enregistrements.</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Autorisation</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type.</source>
        <translation>Nécessaire pour afficher les touches sur lesquelles vous appuyez. %1 n’enregistre ni n’envoie jamais ce que vous tapez.</translation>
    </message>
    <message>
        <source>Required to show the keys you press. %1 never stores or sends what you type. %1 may restart after you allow it.</source>
        <translation>Nécessaire pour afficher les touches sur lesquelles vous appuyez. %1 n’enregistre ni n’envoie jamais ce que vous tapez. %1 peut redémarrer une fois l’autorisation accordée.</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tout est prêt&#xa0;!</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Open System Settings…</source>
        <translation>Ouvrir les Réglages Système…</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>OnboardingWindow</name>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir avec la session</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>PasswordFields</name>
    <message>
        <source>there is no session bus</source>
        <translation>il n’y a aucun bus de session</translation>
    </message>
    <message>
        <source>the session bus has gone</source>
        <translation>le bus de session a disparu</translation>
    </message>
    <message>
        <source>the session bus cannot be reached</source>
        <translation>le bus de session est injoignable</translation>
    </message>
    <message>
        <source>the accessibility bus has gone</source>
        <translation>le bus d’accessibilité a disparu</translation>
    </message>
    <message>
        <source>there is no accessibility bus (AT-SPI)</source>
        <translation>il n’y a aucun bus d’accessibilité (AT-SPI)</translation>
    </message>
    <message>
        <source>Kestrel&apos;s accessibility module could not be loaded (%1)</source>
        <translation>le module d’accessibilité de Kestrel n’a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <source>the accessibility bus did not answer</source>
        <translation>le bus d’accessibilité n’a pas répondu</translation>
    </message>
</context>
<context>
    <name>PasswordProtection</name>
    <message>
        <source>Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find password fields</source>
        <translation>Les invites qui s’emparent de tout le clavier sont masquées&#xa0;; recherche du bus d’accessibilité pour trouver les champs de mot de passe</translation>
    </message>
    <message>
        <source>Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show</source>
        <translation>Seules les invites qui s’emparent de tout le clavier sont masquées&#xa0;: sans bus d’accessibilité, les champs de mot de passe des autres fenêtres ne peuvent pas être reconnus et leurs touches s’affichent</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and in prompts that take the whole keyboard</source>
        <translation>Masqué dans les champs de mot de passe des applications qui se signalent au bus d’accessibilité, et dans les invites qui s’emparent de tout le clavier</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Masqué dans les champs de mot de passe des applications GTK et dans les invites qui s’emparent de tout le clavier. Activez l’accessibilité pour couvrir les applications Qt et Chromium lancées ensuite (un changement pour tout le bureau)</translation>
    </message>
    <message>
        <source>The lock screen is hidden; looking for the accessibility bus to find password fields. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>L’écran de verrouillage est masqué&#xa0;; recherche du bus d’accessibilité pour trouver les champs de mot de passe. Les écrans de verrouillage qui ne préviennent pas systemd-logind (swaylock) et les autres demandes de mot de passe (sudo dans un terminal, dialogues du système) s’affichent</translation>
    </message>
    <message>
        <source>Only the lock screen is hidden: without an accessibility bus, password fields in other windows cannot be told apart and their keys show. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Seul l’écran de verrouillage est masqué&#xa0;: sans bus d’accessibilité, les champs de mot de passe des autres fenêtres ne peuvent pas être reconnus et leurs touches s’affichent. Les écrans de verrouillage qui ne préviennent pas systemd-logind (swaylock) et les autres demandes de mot de passe (sudo dans un terminal, dialogues du système) s’affichent</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus, and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show</source>
        <translation>Masqué dans les champs de mot de passe des applications qui se signalent au bus d’accessibilité, et sur l’écran de verrouillage. Les écrans de verrouillage qui ne préviennent pas systemd-logind (swaylock) et les autres demandes de mot de passe (sudo dans un terminal, dialogues du système) s’affichent</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Masqué dans les champs de mot de passe des applications GTK et sur l’écran de verrouillage. Les écrans de verrouillage qui ne préviennent pas systemd-logind (swaylock) et les autres demandes de mot de passe (sudo dans un terminal, dialogues du système) s’affichent. Activez l’accessibilité pour couvrir les applications Qt et Chromium lancées ensuite (un changement pour tout le bureau)</translation>
    </message>
    <message>
        <source>Looking for the accessibility bus to find password fields. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Recherche du bus d’accessibilité pour trouver les champs de mot de passe. L’écran de verrouillage et les autres demandes de mot de passe s’affichent&#xa0;: Kestrel ne peut pas demander à systemd-logind si la session est verrouillée</translation>
    </message>
    <message>
        <source>Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their keys show. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Rien n’est masqué&#xa0;: sans bus d’accessibilité, les champs de mot de passe ne peuvent pas être reconnus et leurs touches s’affichent. L’écran de verrouillage et les autres demandes de mot de passe s’affichent&#xa0;: Kestrel ne peut pas demander à systemd-logind si la session est verrouillée</translation>
    </message>
    <message>
        <source>Hidden in password fields of applications that report to the accessibility bus. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked</source>
        <translation>Masqué dans les champs de mot de passe des applications qui se signalent au bus d’accessibilité. L’écran de verrouillage et les autres demandes de mot de passe s’affichent&#xa0;: Kestrel ne peut pas demander à systemd-logind si la session est verrouillée</translation>
    </message>
    <message>
        <source>Hidden in password fields of GTK applications. The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)</source>
        <translation>Masqué dans les champs de mot de passe des applications GTK. L’écran de verrouillage et les autres demandes de mot de passe s’affichent&#xa0;: Kestrel ne peut pas demander à systemd-logind si la session est verrouillée. Activez l’accessibilité pour couvrir les applications Qt et Chromium lancées ensuite (un changement pour tout le bureau)</translation>
    </message>
</context>
<context>
    <name>PositionPicker</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>All Keys</source>
        <translation>Toutes les touches</translation>
    </message>
    <message>
        <source>Special Keys Only</source>
        <translation>Touches spéciales uniquement</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
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
        <translation>%1&#xa0;: le clavier ne peut donc pas être lu via l’authentification du système.</translation>
    </message>
    <message>
        <source>the system did not allow reading the keyboard and mouse, so keys are not shown.</source>
        <translation>le système n’a pas autorisé la lecture du clavier et de la souris&#xa0;: les touches ne sont donc pas affichées.</translation>
    </message>
    <message>
        <source>the keyboard reader stopped, so keys are not shown; choose Allow… in the settings to start it again.</source>
        <translation>le lecteur du clavier s’est arrêté&#xa0;: les touches ne sont donc pas affichées&#xa0;; choisissez «&#xa0;Autoriser…&#xa0;» dans les réglages pour le relancer.</translation>
    </message>
    <message>
        <source>the keyboard reader ended before it could read the keyboard.</source>
        <translation>le lecteur du clavier s’est terminé avant de pouvoir lire le clavier.</translation>
    </message>
</context>
<context>
    <name>SessionFacts</name>
    <message>
        <source>Bind “kestrel --toggle” to a shortcut in your desktop&apos;s keyboard settings to turn on or off anytime</source>
        <translation>Associez «&#xa0;kestrel --toggle&#xa0;» à un raccourci dans les réglages du clavier de votre bureau pour activer ou désactiver à tout moment</translation>
    </message>
</context>
<context>
    <name>SessionLock</name>
    <message>
        <source>there is no system bus to ask whether the screen is locked</source>
        <translation>il n’y a aucun bus système auquel demander si l’écran est verrouillé</translation>
    </message>
    <message>
        <source>systemd-logind knows no session of this user to ask whether the screen is locked</source>
        <translation>systemd-logind ne connaît aucune session de cet utilisateur pour savoir si l’écran est verrouillé</translation>
    </message>
</context>
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
<context>
    <name>TrayItem</name>
    <message>
        <source>%1, update available</source>
        <translation>%1, mise à jour disponible</translation>
    </message>
</context>
<context>
    <name>UpdateMark</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour de logiciels</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Release Notes…</source>
        <translation>Notes de version…</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Vous êtes à jour&#xa0;!</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 est la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Update Error</source>
        <translation>Erreur de mise à jour</translation>
    </message>
    <message>
        <source>A new version of %1 is available!</source>
        <translation>Une nouvelle version de %1 est disponible&#xa0;!</translation>
    </message>
    <message>
        <source>%1 %2 is available. Would you like to install it now?</source>
        <translation>%1 %2 est disponible. Voulez-vous l’installer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>Installing the update</source>
        <translation>Installation de la mise à jour</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Kestrel could not check for updates: %1</source>
        <translation>Kestrel n’a pas pu rechercher de mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update feed names no version Kestrel can read, so Kestrel cannot tell whether it is newer.</source>
        <translation>Le flux de mises à jour n’indique aucune version que Kestrel sait lire&#xa0;; Kestrel ne peut donc pas savoir si elle est plus récente.</translation>
    </message>
    <message>
        <source>This update is not signed, and Kestrel installs only signed updates.</source>
        <translation>Cette mise à jour n’est pas signée, et Kestrel n’installe que des mises à jour signées.</translation>
    </message>
    <message>
        <source>The update feed announces a package of %1 MiB, far larger than Kestrel; it was not downloaded.</source>
        <translation>Le flux de mises à jour annonce un paquet de %1 Mio, bien plus gros que Kestrel&#xa0;; il n’a pas été téléchargé.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>La mise à jour n’a pas pu être téléchargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The downloaded update was deleted because it is not the one the feed describes: %1</source>
        <translation>La mise à jour téléchargée a été supprimée, car ce n’est pas celle que décrit le flux&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update could not be installed: %1</source>
        <translation>La mise à jour n’a pas pu être installée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kestrel %1 was handed to the system&apos;s installer. Quit and start Kestrel again once it is installed.</source>
        <translation>Kestrel %1 a été confié au programme d’installation du système. Quittez Kestrel et relancez-le une fois l’installation terminée.</translation>
    </message>
    <message>
        <source>the update feed is not well-formed XML (line %1: %2)</source>
        <translation>le flux de mises à jour n’est pas du XML bien formé (ligne %1&#xa0;: %2)</translation>
    </message>
    <message>
        <source>the update feed is not an RSS channel</source>
        <translation>le flux de mises à jour n’est pas un canal RSS</translation>
    </message>
    <message>
        <source>this Kestrel was built without a key to check updates with</source>
        <translation>ce Kestrel a été compilé sans clé pour vérifier les mises à jour</translation>
    </message>
    <message>
        <source>the update feed&apos;s signature is not an Ed25519 signature</source>
        <translation>la signature du flux de mises à jour n’est pas une signature Ed25519</translation>
    </message>
    <message>
        <source>cannot read the package: %1</source>
        <translation>impossible de lire le paquet&#xa0;: %1</translation>
    </message>
    <message>
        <source>the package is %1 bytes long, not %2</source>
        <translation>le paquet fait %1 octets, et non %2</translation>
    </message>
    <message>
        <source>cannot read the package</source>
        <translation>impossible de lire le paquet</translation>
    </message>
    <message>
        <source>the signature could not be checked: OpenSSL&apos;s libcrypto 3 is not installed</source>
        <translation>la signature n’a pas pu être vérifiée&#xa0;: la libcrypto 3 d’OpenSSL n’est pas installée</translation>
    </message>
    <message>
        <source>the signature could not be checked</source>
        <translation>la signature n’a pas pu être vérifiée</translation>
    </message>
    <message>
        <source>the signature does not match the package</source>
        <translation>la signature ne correspond pas au paquet</translation>
    </message>
    <message>
        <source>Kestrel&apos;s network module could not be loaded (%1)</source>
        <translation>le module réseau de Kestrel n’a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <source>nothing on this system installs it; the package is in %1</source>
        <translation>rien sur ce système ne peut l’installer&#xa0;; le paquet se trouve dans %1</translation>
    </message>
    <message>
        <source>cannot write the package: %1</source>
        <translation>impossible d’écrire le paquet&#xa0;: %1</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>le serveur a répondu avec le code HTTP %1</translation>
    </message>
    <message>
        <source>the server redirects too often</source>
        <translation>le serveur redirige trop souvent</translation>
    </message>
    <message>
        <source>the server redirects to an address that is not secure</source>
        <translation>le serveur redirige vers une adresse qui n’est pas sécurisée</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted (%1)</source>
        <translation>le certificat du serveur n’est pas fiable (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>le serveur n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>the update feed&apos;s address does not start with https://</source>
        <translation>l’adresse du flux de mises à jour ne commence pas par https://</translation>
    </message>
    <message>
        <source>the update feed is larger than an update feed can be</source>
        <translation>le flux de mises à jour est plus gros qu’un flux de mises à jour ne peut l’être</translation>
    </message>
    <message>
        <source>the package&apos;s address does not start with https://</source>
        <translation>l’adresse du paquet ne commence pas par https://</translation>
    </message>
    <message>
        <source>there is no cache folder to download into</source>
        <translation>il n’y a aucun dossier de cache où télécharger</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the package is longer than the update feed says</source>
        <translation>le paquet est plus long que ce qu’indique le flux de mises à jour</translation>
    </message>
</context>
<context>
    <name>Wayland</name>
    <message>
        <source>no Wayland compositor answers</source>
        <translation>aucun compositeur Wayland ne répond</translation>
    </message>
    <message>
        <source>the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)</source>
        <translation>le compositeur Wayland n’offre pas de surfaces de calque (zwlr_layer_shell_v1)</translation>
    </message>
    <message>
        <source>the Wayland compositor has ended, and the session with it.</source>
        <translation>le compositeur Wayland s’est arrêté, et la session avec lui.</translation>
    </message>
    <message>
        <source>the Wayland compositor refused Kestrel&apos;s requests (%1).</source>
        <translation>le compositeur Wayland a refusé les requêtes de Kestrel (%1).</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>the X display lacks XInput 2.2, through which Kestrel sees keys</source>
        <translation>l’affichage X ne dispose pas de XInput 2.2, par lequel Kestrel voit les touches</translation>
    </message>
    <message>
        <source>the hot key lost its connection to the X display and is off until Kestrel starts again.</source>
        <translation>le raccourci a perdu sa connexion à l’affichage X et reste désactivé jusqu’au prochain lancement de Kestrel.</translation>
    </message>
    <message>
        <source>the keyboard changed and the hot key could not be taken again (another program may hold it, or the keyboard lacks one of its keys); it is tried again at the next keyboard change.</source>
        <translation>le clavier a changé et le raccourci n’a pas pu être repris (un autre programme le détient peut-être, ou il manque au clavier l’une de ses touches)&#xa0;; nouvel essai au prochain changement de clavier.</translation>
    </message>
    <message>
        <source>the X server lacks RENDER 0.10</source>
        <translation>il manque RENDER 0.10 au serveur X</translation>
    </message>
    <message>
        <source>the X server lacks SHAPE 1.1</source>
        <translation>il manque SHAPE 1.1 au serveur X</translation>
    </message>
    <message>
        <source>the X server offers no 32-bit visual</source>
        <translation>le serveur X n’offre aucun visuel 32 bits</translation>
    </message>
    <message>
        <source>the X server has no ARGB picture format</source>
        <translation>le serveur X n’a aucun format d’image ARGB</translation>
    </message>
    <message>
        <source>the X server refused the overlay window</source>
        <translation>le serveur X a refusé la fenêtre d’incrustation</translation>
    </message>
    <message>
        <source>the X display %1 has no screen %2</source>
        <translation>l’affichage X %1 n’a pas d’écran %2</translation>
    </message>
    <message>
        <source>cannot open the X display %1</source>
        <translation>impossible d’ouvrir l’affichage X %1</translation>
    </message>
    <message>
        <source>the X display %1 went away; waiting for it to come back.</source>
        <translation>l’affichage X %1 a disparu&#xa0;; en attente de son retour.</translation>
    </message>
</context>
</TS>
