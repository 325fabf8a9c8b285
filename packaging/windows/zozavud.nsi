; The Windows installer: the programs, their DLLs and plugins and the help file under
; Program Files, a Start-menu entry, .lcd documents opening in the editor, and an
; uninstaller that takes all of it away again. Built by scripts/build-windows.sh:
;   makensis -DVERSION=1.0.1.28 -DBIN=<build>/bin -DOUT=<build>/zozavud-<version>-setup.exe zozavud.nsi
Unicode true
; A 64-bit installer for the 64-bit program (and one that runs under a 64-bit-only Wine).
Target amd64-unicode
!include "MUI2.nsh"

!define TITLE "ORVANEX QD-N800 Series LCD Editor"
!define PUBLISHER "ORVANEX"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZozAvud"
!define PROG_ID "ZozAvud.Document"

Name "${TITLE}"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\ZozAvud"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${TITLE}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${TITLE} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${BIN}\..\zozavud.ico"
!define MUI_UNICON "${BIN}\..\zozavud.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zozavud.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The Start-menu entry is every user's, as the program's folder is.
Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${BIN}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\zozavud.exe"

  ; .lcd documents open in the editor; the Open-with entry names it.
  WriteRegStr HKLM "Software\Classes\.lcd" "" "${PROG_ID}"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "LCD picture set"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\zozavud.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\zozavud.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zozavud.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  ; The association goes only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.lcd" ""
  StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.lcd"
  DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Only what the installer put there: documents the user saved beside it stay.
  !include "${BIN}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
