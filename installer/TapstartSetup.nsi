; TapstartSetup.exe: installs the Tapstart programs, their data files and the help file for all users into the
; 64-bit Program Files folder, adds the Start-menu shortcut and the entry in the list of installed programs, and
; installs over an earlier version in place. It never writes the machine tree HKLM\Software\Varden (the PC
; maker's installer owns it), and its uninstaller leaves the user's settings (HKCU\Software\Varden and
; VARDENZEB.INI) alone. Built by tools/make-installer:
;   makensis -INPUTCHARSET UTF8 -DDIST=<folder with the files> -DOUTFILE=<setup program> TapstartSetup.nsi

Unicode true
; The programs are 64-bit only, and so is the installer: 32-bit Windows refuses to start it, and on 64-bit
; Windows it sees the 64-bit Program Files folder and registry without redirection.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef DIST | OUTFILE
  !error "DIST (the folder that holds the files) and OUTFILE (the setup program) must be defined"
!endif
; The product's one version number, in the file VERSION at the top of the source tree.
!define /file VERSION "${__FILEDIR__}/../VERSION"
!define PRODUCT "Tapstart"
!define PUBLISHER "Tapstart team"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tapstart"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tapstart"
BrandingText "${PRODUCT} ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${__FILEDIR__}/../settings/res/icons/pantik.ico"
!define MUI_UNICON "${__FILEDIR__}/../settings/res/icons/pantik.ico"
; The welcome and finish pages show the round buttons' launch pictures (tools/make-installer-bitmap).
!define MUI_WELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}/welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}/welcome.bmp"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
; An installed Tapstart is replaced where it is: the folder is asked for only on a first installation.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(UninstallText)"
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "$(UninstallFolder)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Setup speaks the user's UI language when it is one of these, English otherwise.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include "${__FILEDIR__}/strings_en.nsh"
!include "${__FILEDIR__}/strings_ja.nsh"
!include "${__FILEDIR__}/strings_zh.nsh"

; The install button's caption in each language, short enough for the button in Japanese too.
InstallButtonText "$(InstallButton)"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
!macro VersionKeys LANGUAGE DESCRIPTION HOLDER
  VIAddVersionKey /LANG=${LANGUAGE} "ProductName" "${PRODUCT}"
  VIAddVersionKey /LANG=${LANGUAGE} "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=${LANGUAGE} "CompanyName" "${HOLDER}"
  VIAddVersionKey /LANG=${LANGUAGE} "LegalCopyright" "© 2026 ${HOLDER}"
  VIAddVersionKey /LANG=${LANGUAGE} "FileVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANGUAGE} "ProductVersion" "${VERSION}"
!macroend
!insertmacro VersionKeys ${LANG_ENGLISH} "Tapstart Setup" "Tapstart team"
!insertmacro VersionKeys ${LANG_JAPANESE} "Tapstart セットアップ" "Tapstart チーム"
!insertmacro VersionKeys ${LANG_SIMPCHINESE} "Tapstart 安装程序" "Tapstart 团队"

; The shortcut's name in every language Setup speaks: an installation in one language replaces one in another.
!macro DeleteShortcuts
  Delete "$SMPROGRAMS\${SHORTCUT_EN}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_JA}.lnk"
  Delete "$SMPROGRAMS\${SHORTCUT_ZH}.lnk"
!macroend

Var Upgrade

Function .onInit
  SetRegView 64
  SetShellVarContext all
  StrCpy $Upgrade 0
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
    StrCpy $Upgrade 1
  ${EndIf}
FunctionEnd

Function SkipFolderOnUpgrade
  ${If} $Upgrade == 1
    Abort
  ${EndIf}
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${DIST}/Pantik.exe"
  File "${DIST}/Runvoy.exe"
  File "${DIST}/Register.exe"
  File "${DIST}/pantik.chm"
  ; The data files of the program sources, as many as the shipping folder holds.
  !if /FileExists "${DIST}/*.DAT"
    File "${DIST}/*.DAT"
  !endif
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  !insertmacro DeleteShortcuts
  CreateShortcut "$SMPROGRAMS\$(ShortcutName).lnk" "$INSTDIR\Pantik.exe" "/k" "$INSTDIR\Pantik.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutComment)"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pantik.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section Uninstall
  Delete "$INSTDIR\Pantik.exe"
  Delete "$INSTDIR\Runvoy.exe"
  Delete "$INSTDIR\Register.exe"
  Delete "$INSTDIR\pantik.chm"
  ; The folder is the product's own: every data file in it came with the product.
  Delete "$INSTDIR\*.DAT"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  !insertmacro DeleteShortcuts
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
