; The installer's own texts in each of its languages, in the words Velmora's
; catalogues use (translations/velmora_<language>.ts). Read as UTF-8.

LangString LangDialogTitle ${LANG_ENGLISH} "Installer Language"
LangString LangDialogTitle ${LANG_GERMAN} "Installationssprache"
LangString LangDialogTitle ${LANG_FRENCH} "Langue d’installation"
LangString LangDialogTitle ${LANG_SPANISH} "Idioma del instalador"
LangString LangDialogTitle ${LANG_PORTUGUESEBR} "Idioma do instalador"
LangString LangDialogTitle ${LANG_JAPANESE} "インストーラーの言語"

LangString LangDialogInfo ${LANG_ENGLISH} "Please select a language."
LangString LangDialogInfo ${LANG_GERMAN} "Bitte wählen Sie eine Sprache."
LangString LangDialogInfo ${LANG_FRENCH} "Veuillez choisir une langue."
LangString LangDialogInfo ${LANG_SPANISH} "Seleccione un idioma."
LangString LangDialogInfo ${LANG_PORTUGUESEBR} "Selecione um idioma."
LangString LangDialogInfo ${LANG_JAPANESE} "言語を選択してください。"

; The "just for me" page: NSIS's own Spanish reads "Instación" and runs the
; sentence into "Pulse Siguiente", so the page's texts are ours in every language.
LangString InstallModeTop ${LANG_ENGLISH} "Select whether you want to install $(^NameDA) only for yourself or for all users of this computer. $(^ClickNext)"
LangString InstallModeTop ${LANG_GERMAN} "Wählen Sie, ob Sie $(^NameDA) nur für sich selbst oder für alle Benutzer dieses Computers installieren möchten. $(^ClickNext)"
LangString InstallModeTop ${LANG_FRENCH} "Choisissez d’installer $(^NameDA) pour vous seul ou pour tous les utilisateurs de cet ordinateur. $(^ClickNext)"
LangString InstallModeTop ${LANG_SPANISH} "Elija si desea instalar $(^NameDA) solo para usted o para todos los usuarios de este equipo. $(^ClickNext)"
LangString InstallModeTop ${LANG_PORTUGUESEBR} "Escolha se você quer instalar o $(^NameDA) só para você ou para todos os usuários deste computador. $(^ClickNext)"
LangString InstallModeTop ${LANG_JAPANESE} "$(^NameDA) を自分だけのためにインストールするか、このコンピューターのすべてのユーザーのためにインストールするかを選択してください。$(^ClickNext)"

LangString InstallModeAllUsers ${LANG_ENGLISH} "Install for anyone using this computer"
LangString InstallModeAllUsers ${LANG_GERMAN} "Für alle Benutzer dieses Computers installieren"
LangString InstallModeAllUsers ${LANG_FRENCH} "Installer pour tous les utilisateurs de cet ordinateur"
LangString InstallModeAllUsers ${LANG_SPANISH} "Instalar para todos los usuarios de este equipo"
LangString InstallModeAllUsers ${LANG_PORTUGUESEBR} "Instalar para todos os usuários deste computador"
LangString InstallModeAllUsers ${LANG_JAPANESE} "このコンピューターのすべてのユーザーにインストール"

LangString InstallModeJustMe ${LANG_ENGLISH} "Install just for me"
LangString InstallModeJustMe ${LANG_GERMAN} "Nur für mich installieren"
LangString InstallModeJustMe ${LANG_FRENCH} "Installer pour moi seul"
LangString InstallModeJustMe ${LANG_SPANISH} "Instalar solo para mí"
LangString InstallModeJustMe ${LANG_PORTUGUESEBR} "Instalar só para mim"
LangString InstallModeJustMe ${LANG_JAPANESE} "自分だけにインストール"

LangString AllUsersNotPossible ${LANG_ENGLISH} "Your user account does not have sufficient privileges to install $(^Name) for all users of this computer."
LangString AllUsersNotPossible ${LANG_GERMAN} "Ihr Benutzerkonto hat nicht die nötigen Rechte, um $(^Name) für alle Benutzer dieses Computers zu installieren."
LangString AllUsersNotPossible ${LANG_FRENCH} "Votre compte d’utilisateur n’a pas les droits nécessaires pour installer $(^Name) pour tous les utilisateurs de cet ordinateur."
LangString AllUsersNotPossible ${LANG_SPANISH} "Su cuenta de usuario no tiene permisos suficientes para instalar $(^Name) para todos los usuarios de este equipo."
LangString AllUsersNotPossible ${LANG_PORTUGUESEBR} "Sua conta de usuário não tem permissões suficientes para instalar o $(^Name) para todos os usuários deste computador."
LangString AllUsersNotPossible ${LANG_JAPANESE} "このユーザー アカウントには、$(^Name) をこのコンピューターのすべてのユーザーにインストールする権限がありません。"

LangString Needs64Bit ${LANG_ENGLISH} "${APP} needs 64-bit Windows."
LangString Needs64Bit ${LANG_GERMAN} "${APP} braucht ein 64-Bit-Windows."
LangString Needs64Bit ${LANG_FRENCH} "${APP} nécessite un Windows 64 bits."
LangString Needs64Bit ${LANG_SPANISH} "${APP} necesita Windows de 64 bits."
LangString Needs64Bit ${LANG_PORTUGUESEBR} "O ${APP} precisa do Windows de 64 bits."
LangString Needs64Bit ${LANG_JAPANESE} "${APP} には 64 ビット版 Windows が必要です。"

LangString StillRunning ${LANG_ENGLISH} "${APP} is running. Close every ${APP} window (and any velmora command still running), then press Retry."
LangString StillRunning ${LANG_GERMAN} "${APP} läuft noch. Schließen Sie jedes ${APP}-Fenster (und jeden noch laufenden velmora-Befehl) und klicken Sie dann auf „Wiederholen“."
LangString StillRunning ${LANG_FRENCH} "${APP} est en cours d’exécution. Fermez toutes les fenêtres de ${APP} (et toute commande velmora encore en cours), puis cliquez sur « Réessayer »."
LangString StillRunning ${LANG_SPANISH} "${APP} se está ejecutando. Cierre todas las ventanas de ${APP} (y cualquier orden velmora que siga en marcha) y pulse «Reintentar»."
LangString StillRunning ${LANG_PORTUGUESEBR} "O ${APP} está em execução. Feche todas as janelas do ${APP} (e qualquer comando velmora ainda em execução) e clique em “Repetir”."
LangString StillRunning ${LANG_JAPANESE} "${APP} が実行中です。${APP} のウィンドウをすべて閉じ（実行中の velmora コマンドも終了させ）、［再試行］を押してください。"

LangString RemoveSettings ${LANG_ENGLISH} "Also remove your ${APP} settings (card count, output folder and window placement)?"
LangString RemoveSettings ${LANG_GERMAN} "Auch Ihre ${APP}-Einstellungen entfernen (Anzahl der Karten, Zielordner und Fensterposition)?"
LangString RemoveSettings ${LANG_FRENCH} "Supprimer aussi vos réglages de ${APP} (nombre de cartes, dossier de destination et position de la fenêtre) ?"
LangString RemoveSettings ${LANG_SPANISH} "¿Quitar también la configuración de ${APP} (número de cartas, carpeta de destino y posición de la ventana)?"
LangString RemoveSettings ${LANG_PORTUGUESEBR} "Remover também as configurações do ${APP} (número de cartas, pasta de destino e posição da janela)?"
LangString RemoveSettings ${LANG_JAPANESE} "${APP} の設定（カードの枚数、保存先フォルダー、ウィンドウの位置）も削除しますか？"
