; The Windows installer (NSIS, built by scripts/windows):
;   makensis -INPUTCHARSET UTF8 -DVERSION=… -DSTAGE=folder -DUNINSTALL_LIST=file
;            -DICON=file.ico -DOUTFILE=setup.exe [-DSIGN=command] installer.nsi
; Installs for every user of the machine (Program Files, administrator
; rights) or for the current user alone (%LOCALAPPDATA%\Programs, no rights
; needed), as the user chooses on its first page, or on the command line
; with /AllUsers or /CurrentUser (/S installs and uninstalls silently; with
; no rights it installs for the current user). An install over an earlier
; one in the same place is an upgrade: the earlier version's own
; uninstaller removes what it shipped first, so exactly this version's
; files are left. While the program runs (its mutex), the installer and
; the uninstaller ask the user to close it and change nothing until then;
; run silently, they stop with exit code 2. With SIGN, the command that
; signs a file in place, the uninstaller is signed before it is packed and
; the installer once it is written. A 64-bit installer for a 64-bit program.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "Qorvi数学计算器"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QorviCalculator"
; The name the running program holds (app/main.cpp).
!define RUNNING_MUTEX "QorviCalculatorRunning"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"

!ifdef SIGN
  !uninstfinalize '${SIGN} "%1"'
  !finalize '${SIGN} "%1"'
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licences\qorvi-calculator.GPL-3.0-or-later.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "Qorvi"
VIAddVersionKey /LANG=2052 "LegalCopyright" "GNU GPL 3.0 或更高版本"

; Returns once the program does not run; while it does, asks the user to
; close it (重试) or to leave everything as it is (取消: the installer or
; uninstaller ends with exit code 2; silently, at once).
!macro WAIT_UNTIL_CLOSED UN
Function ${UN}waitUntilClosed
  check:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    IntCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT}正在运行。请先关闭它，再点“重试”；点“取消”则不作任何改动。" /SD IDCANCEL IDRETRY check
    SetErrorLevel 2
    Quit
  closed:
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

Function .onInit
  !insertmacro MULTIUSER_INIT
  Call waitUntilClosed
FunctionEnd

Section
  Call waitUntilClosed
  ; An earlier install in this scope: its own uninstaller, run where it
  ; is, removes what that version shipped, its shortcut and its entry.
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S /$MultiUser.InstallMode _?=$0' $1
    ${If} $1 <> 0
      MessageBox MB_OK|MB_ICONSTOP "无法移除已安装的旧版本（$0）。" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\qorvi-calculator.exe" "" "$INSTDIR\qorvi-calculator.exe" 0
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Qorvi"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qorvi-calculator.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ; The scope this copy belongs to: the one whose entry names its folder.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Call un.MultiUser.InstallMode.CurrentUser
  ${ElseIf} $1 == $INSTDIR
    Call un.MultiUser.InstallMode.AllUsers
  ${EndIf}
  Call un.waitUntilClosed
FunctionEnd

Section "Uninstall"
  Call un.waitUntilClosed
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The entry goes only with the install it names.
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
