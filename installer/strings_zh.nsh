; Simplified Chinese texts of Setup; the shortcut carries the settings program's title.
!define SHORTCUT_ZH "Tapstart 按钮设置"
LangString ShortcutName ${LANG_SIMPCHINESE} "${SHORTCUT_ZH}"
LangString ShortcutComment ${LANG_SIMPCHINESE} "设置 Tapstart 按钮要启动的内容"
LangString WelcomeText ${LANG_SIMPCHINESE} "此向导将安装 Tapstart ${VERSION}，其中包括 Tapstart 按钮设置 (用于设置键盘或笔记本电脑上的快速启动按钮要启动的内容) 以及按下按钮时执行相应操作的程序。$\r$\n$\r$\n如果已经安装了 Tapstart，将在原文件夹中进行替换，您的按钮设置会保留。$\r$\n$\r$\n$_CLICK"
LangString UninstallText ${LANG_SIMPCHINESE} "将从以下文件夹中删除 Tapstart。您的按钮设置会保留。$(^ClickUninstall)"
LangString UninstallFolder ${LANG_SIMPCHINESE} "卸载位置:"
LangString InstallButton ${LANG_SIMPCHINESE} "安装(&I)"
