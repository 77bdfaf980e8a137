; Tavrel's Windows installer. scripts/windows/package.sh stages the program's folder and the
; lists of its files, then runs
;   makensis -DVERSION=1.0.0 -DSTAGE=folder -DICON=tavrel.ico -DFILES=files.nsh -DUNFILES=unfiles.nsh
;            -DLANGUAGES=languages.nsh -DOUTFILE=setup.exe tavrel.nsi
; languages.nsh, written by packaging/windows/CMakeLists.txt, adds the program's languages to
; English.
; /S installs or uninstalls silently.
; A 64-bit installer, as the program is.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel"
Name "Tavrel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tavrel"
RequestExecutionLevel admin
; The pages' own icon settings, read when the pages are made: Icon and UninstallIcon alone would
; give way to the stock icons the pages set.
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Tavrel"
VIAddVersionKey /LANG=1033 "FileDescription" "Tavrel ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GPL-3.0-or-later"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavrel.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!include "${LANGUAGES}"

LangString RemoveSettings ${LANG_ENGLISH} "Remove your Tavrel settings"
LangString RemoveSettings ${LANG_GERMAN} "Ihre Tavrel-Einstellungen entfernen"
LangString RemoveSettings ${LANG_FRENCH} "Supprimer vos réglages de Tavrel"
LangString RemoveSettings ${LANG_SPANISH} "Eliminar tu configuración de Tavrel"
LangString RemoveSettings ${LANG_DUTCH} "Je Tavrel-instellingen verwijderen"
LangString RemoveSettings ${LANG_ITALIAN} "Rimuovere le impostazioni di Tavrel"
LangString RemoveSettings ${LANG_PORTUGUESE} "Remover as definições do Tavrel"
LangString RemoveSettings ${LANG_PORTUGUESEBR} "Remover as configurações do Tavrel"

; For every user of the machine: the Start menu's common folder.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Tavrel"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; A shortcut starts in the output folder of its making: the program's own.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Tavrel.lnk" "$INSTDIR\tavrel.exe"
  WriteRegStr HKLM "${KEY}" "DisplayName" "Tavrel"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\tavrel.exe"
  WriteRegStr HKLM "${KEY}" "Publisher" "The Tavrel developers"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: files a user saved into the folder stay, and with
; them the folder.
Section "-un.Tavrel"
  Delete "$SMPROGRAMS\Tavrel.lnk"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd

; The user's settings (the last folder and paper, calibrations) stay unless the user asks:
; offered unchecked, and never removed by a silent uninstall.
Section /o "un.$(RemoveSettings)"
  DeleteRegKey HKCU "Software\Tavrel"
SectionEnd
