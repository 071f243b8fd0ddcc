; The Torvane installer. Built on Linux with makensis (scripts/package.sh passes the paths):
;   makensis -DVERSION=2.0.106 -DEXE=<Torvane.exe> -DHELP=<Help folder> -DOUTFILE=<setup.exe>
; ANSI, so that the installer and its uninstaller start on Windows 95, 98 and ME as well.

Unicode false
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION
  !define VERSION "2.0.106"
!endif
!define PRODUCT "Torvane"
!define MAKER "Ostrander Works"
!define OPTIONS_KEY "SOFTWARE\Ostrander Works\Torvane"
!define MAKER_KEY "SOFTWARE\Ostrander Works"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show
XPStyle on

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${MAKER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A running copy holds the program file: it must be ended from its tray menu first.
!macro WaitForTorvaneToEnd un
Function ${un}WaitForTorvaneToEnd
  again:
    FindWindow $0 "#32770" "${PRODUCT}"
    IntCmp $0 0 done
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Torvane is running.$\n$\nPlease right-click its icon in the notification area, choose $\"Exit Torvane$\", then click Retry." \
      /SD IDCANCEL IDRETRY again
    Abort
  done:
FunctionEnd
!macroend
!insertmacro WaitForTorvaneToEnd ""
!insertmacro WaitForTorvaneToEnd "un."

Section "Torvane"
  Call WaitForTorvaneToEnd
  SetOutPath "$INSTDIR"
  File "/oname=Torvane.exe" "${EXE}"
  SetOutPath "$INSTDIR\Help"
  File "${HELP}\*.html"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Start menu, for all users where the system has them.
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Torvane.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\Help\TVNStart.html"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  ; Add/Remove Programs.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Torvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Call un.WaitForTorvaneToEnd

  Delete "$INSTDIR\Torvane.exe"
  Delete "$INSTDIR\Help\TVNStart.html"
  Delete "$INSTDIR\Help\AutoStart.html"
  Delete "$INSTDIR\Help\ManStart.html"
  Delete "$INSTDIR\Help\StatusStart.html"
  Delete "$INSTDIR\Help\BurninStart.html"
  RMDir "$INSTDIR\Help"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ; The start-with-Windows entry and Torvane's own options.
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKLM "${OPTIONS_KEY}"
  DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The backup of the original settings is the user's: it stays unless the user says otherwise.
  IfFileExists "$INSTDIR\Backup\*.*" 0 backup_done
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "The Backup folder holds your original Windows settings, which Torvane's $\"Restore Backup$\" puts back.$\n$\nDo you want to remove it as well?" \
      /SD IDNO IDNO backup_done
    RMDir /r "$INSTDIR\Backup"
  backup_done:

  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
