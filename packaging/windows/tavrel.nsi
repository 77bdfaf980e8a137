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
Icon "${ICON}"
UninstallIcon "${ICON}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Tavrel"
VIAddVersionKey /LANG=1033 "FileDescription" "Tavrel ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GPL-3.0-or-later"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!include "${LANGUAGES}"

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
Section "Uninstall"
  Delete "$SMPROGRAMS\Tavrel.lnk"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
