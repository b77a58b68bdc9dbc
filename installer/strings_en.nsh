; English texts of Setup; the shortcut carries the settings program's title.
!define SHORTCUT_EN "Tapstart Button Settings"
LangString ShortcutName ${LANG_ENGLISH} "${SHORTCUT_EN}"
LangString ShortcutComment ${LANG_ENGLISH} "Choose what your Tapstart Buttons start"
LangString WelcomeText ${LANG_ENGLISH} "This wizard installs Tapstart ${VERSION}: Tapstart Button Settings, in which you choose what the launch buttons of your keyboard or notebook start, and the programs that carry out a button press.$\r$\n$\r$\nIf Tapstart is installed already, it is replaced in its folder; your button settings are kept.$\r$\n$\r$\n$_CLICK"
LangString UninstallText ${LANG_ENGLISH} "Tapstart will be removed from the following folder. Your button settings are kept. $(^ClickUninstall)"
LangString UninstallFolder ${LANG_ENGLISH} "Uninstalling from:"
LangString InstallButton ${LANG_ENGLISH} "&Install"
