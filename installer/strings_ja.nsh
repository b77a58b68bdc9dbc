; Japanese texts of Setup; the shortcut carries the settings program's title.
!define SHORTCUT_JA "Tapstart ボタン設定"
LangString ShortcutName ${LANG_JAPANESE} "${SHORTCUT_JA}"
LangString ShortcutComment ${LANG_JAPANESE} "Tapstart ボタンで起動するものを設定します"
LangString WelcomeText ${LANG_JAPANESE} "このウィザードでは Tapstart ${VERSION} をインストールします。キーボードやノートパソコンの起動ボタンで起動するものを設定する Tapstart ボタン設定と、ボタンが押されたときに動作するプログラムが含まれます。$\r$\n$\r$\nTapstart が既にインストールされている場合は、同じフォルダで置き換えます。ボタンの設定はそのまま残ります。$\r$\n$\r$\n$_CLICK"
LangString UninstallText ${LANG_JAPANESE} "Tapstart を次のフォルダから削除します。ボタンの設定はそのまま残ります。$(^ClickUninstall)"
LangString UninstallFolder ${LANG_JAPANESE} "削除元:"
; Half-width katakana, as the uninstall button of Setup has it, so that the caption fits its button.
LangString InstallButton ${LANG_JAPANESE} "ｲﾝｽﾄｰﾙ(&I)"
