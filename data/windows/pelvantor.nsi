; The Windows installer: the program, the Qt and MinGW runtime DLLs beside it, a Start-menu entry with the
; program's icon, plan files (.pelvantor) opened by the program and shown with its icon, and an uninstaller
; that takes all of it away again, registry entries included.
; scripts/package-windows runs makensis on it with VERSION, STAGE (the folder of the files to install),
; FILES (the generated lists of them) and OUTFILE defined.
Unicode true
; A 64-bit installer for a 64-bit program: it runs where the program does, and wine runs it without the
; 32-bit half of wine that an x86 installer would need.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "Integration.nsh"

!define NAME "Pelvantor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
; The plan files' type, for every user: the extension names the program's class (its ProgID), which holds
; the type's name, icon and open command. The class is the program's alone; the extension's key may be
; shared with other programs, so only the values written here are taken away again.
!define CLASSES "Software\Classes"
!define PLAN_EXTENSION ".pelvantor"
!define PLAN_CLASS "Pelvantor.Plan"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

!define MUI_ICON "${STAGE}/pelvantor.ico"
!define MUI_UNICON "${STAGE}/pelvantor.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Installed for every user of the machine: the Start-menu entry too.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  !include "${FILES}.install.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\pelvantor.exe" "" "$INSTDIR\pelvantor.ico" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelvantor.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  WriteRegStr HKLM "${CLASSES}\${PLAN_CLASS}" "" "Pelvantor savings plan"
  WriteRegStr HKLM "${CLASSES}\${PLAN_CLASS}\DefaultIcon" "" "$INSTDIR\pelvantor.ico"
  WriteRegStr HKLM "${CLASSES}\${PLAN_CLASS}\shell\open\command" "" '"$INSTDIR\pelvantor.exe" "%1"'
  ; Another program's class that the extension named before is noted, to be handed back on uninstall.
  ReadRegStr $0 HKLM "${CLASSES}\${PLAN_EXTENSION}" ""
  ${If} $0 != ""
  ${AndIf} $0 != "${PLAN_CLASS}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "PlanFilesClassBefore" "$0"
  ${EndIf}
  WriteRegStr HKLM "${CLASSES}\${PLAN_EXTENSION}" "" "${PLAN_CLASS}"
  ; Listed among the programs that open the extension, so "Open with" keeps offering it after another
  ; program takes the extension's default.
  WriteRegStr HKLM "${CLASSES}\${PLAN_EXTENSION}\OpenWithProgids" "${PLAN_CLASS}" ""
  ; Explorer caches icons and open commands by type until told that an association changed.
  ${NotifyShell_AssocChanged}
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  ; Every file by name, never the folder wholesale: whatever else the user put there stays.
  !include "${FILES}.uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${CLASSES}\${PLAN_CLASS}"
  DeleteRegValue HKLM "${CLASSES}\${PLAN_EXTENSION}\OpenWithProgids" "${PLAN_CLASS}"
  DeleteRegKey /ifempty HKLM "${CLASSES}\${PLAN_EXTENSION}\OpenWithProgids"
  ; The extension's default only while it is still the program's: a program that has taken the extension
  ; over since keeps it. The class it named before comes back if that class is still there.
  ReadRegStr $0 HKLM "${CLASSES}\${PLAN_EXTENSION}" ""
  ${If} $0 == "${PLAN_CLASS}"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "PlanFilesClassBefore"
    ClearErrors
    EnumRegKey $2 HKLM "${CLASSES}\$1" 0
    ${If} $1 != ""
    ${AndIfNot} ${Errors}
      WriteRegStr HKLM "${CLASSES}\${PLAN_EXTENSION}" "" "$1"
    ${Else}
      DeleteRegValue HKLM "${CLASSES}\${PLAN_EXTENSION}" ""
    ${EndIf}
  ${EndIf}
  ; Gone only if nothing of another program's is left in it (/ifempty weighs values as well as subkeys).
  DeleteRegKey /ifempty HKLM "${CLASSES}\${PLAN_EXTENSION}"
  ${NotifyShell_AssocChanged}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
