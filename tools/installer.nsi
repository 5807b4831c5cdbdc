; Kestrel's installer, made by tools/package: makensis -INPUTCHARSET UTF8 -DVERSION=...
; -DARCH=... -DSOURCE=<staged program folder> -DOUTFILE=<setup.exe>
; The settings file lives beside the program, so Kestrel installs per user into a folder the
; user can write; no administrator rights are asked for.
Unicode true
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrel"

Name "Kestrel"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Kestrel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Kestrel"
VIAddVersionKey /LANG=0 "FileDescription" "Kestrel Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) 2026 The Kestrel developers"

!define MUI_ABORTWARNING
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kestrel.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString ShortcutReadMe ${LANG_JAPANESE} "Kestrel のはじめに"
LangString ShortcutReadMe ${LANG_ENGLISH} "Kestrel read-me"
LangString RemoveSettings ${LANG_JAPANESE} "設定ファイル (Kestrel.ini) と作成したショートカットも削除する"
LangString RemoveSettings ${LANG_ENGLISH} "Also remove the settings (Kestrel.ini) and the shortcuts Kestrel made"

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Kestrel"
  SetOutPath "$INSTDIR"
  ; An update replaces the programs and keeps the user's settings beside them.
  File "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Kestrel"
  CreateShortcut "$SMPROGRAMS\Kestrel\Kestrel.lnk" "$INSTDIR\Kestrel.exe" "" "$INSTDIR\Kestrel.exe" 0
  CreateShortcut "$SMPROGRAMS\Kestrel\$(ShortcutReadMe).lnk" "$INSTDIR\README-ja.txt"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kestrel ${VERSION} (${ARCH})"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kestrel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kestrel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "-un.Programs"
  Delete "$INSTDIR\Kestrel.exe"
  Delete "$INSTDIR\Hatchling.exe"
  Delete "$INSTDIR\Plumage.dll"
  Delete "$INSTDIR\Talon.dll"
  Delete "$INSTDIR\README-ja.txt"
  Delete "$INSTDIR\README-en.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\Kestrel\Kestrel.lnk"
  Delete "$SMPROGRAMS\Kestrel\$(ShortcutReadMe).lnk"
  RMDir "$SMPROGRAMS\Kestrel"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Not ticked by default: the settings stay for the next installation.
Section /o "un.$(RemoveSettings)"
  Delete "$INSTDIR\Kestrel.ini"
  Delete "$INSTDIR\Kestrel.ini.bak"
  RMDir /r "$INSTDIR\work"
  RMDir /r "$INSTDIR\service"
SectionEnd

Section "-un.Folder"
  ; Removed only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
