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

; The files Torvane writes in its Backup folder: the nine module files and the record of the exact
; originals, each also under the temporary name it is written as (".part") before it is put in
; place. Only these are deleted: the folder may hold files of the user's own.
!macro DeleteBackupFile NAME
  Delete "$INSTDIR\Backup\${NAME}"
  Delete "$INSTDIR\Backup\${NAME}.part"
!macroend

Section "Uninstall"
  Call un.WaitForTorvaneToEnd

  ; While the program is still there it can put back the settings it changed, as its File menu's
  ; "Restore Backup" does. Silent uninstalls leave the settings as they are.
  IfFileExists "$INSTDIR\Torvane.exe" 0 restore_done
  IfFileExists "$INSTDIR\Backup\*.tvb" 0 restore_done
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Torvane keeps a backup of your original Windows settings.$\n$\nDo you want Torvane to put back your original settings before it is removed?" \
      /SD IDNO IDNO restore_done
    DetailPrint "Putting back the original settings..."
    InitPluginsDir
    ClearErrors
    ExecWait '"$INSTDIR\Torvane.exe" /restore "$PLUGINSDIR\restore.txt"' $0
    IfErrors restore_not_run
    IntCmp $0 0 restore_ok
    IntCmp $0 2 restore_no_backup
      ; What could not be put back, as the program wrote it (the first lines of it).
      StrCpy $1 ""
      StrCpy $3 0
      ClearErrors
      FileOpen $2 "$PLUGINSDIR\restore.txt" r
      IfErrors report_done
      report_line:
        FileRead $2 $4
        IfErrors report_close
        StrCpy $1 "$1$4"
        IntOp $3 $3 + 1
        IntCmp $3 14 report_close report_line report_close
      report_close:
        FileClose $2
      report_done:
      MessageBox MB_OK|MB_ICONEXCLAMATION \
        "Not all of your original settings could be put back:$\n$\n$1$\nThe backup stays in $INSTDIR\Backup unless you choose to remove it." \
        /SD IDOK
      Goto restore_done
    restore_no_backup:
      MessageBox MB_OK|MB_ICONEXCLAMATION \
        "No backup was found in $INSTDIR\Backup: your original settings were not put back." \
        /SD IDOK
      Goto restore_done
    restore_not_run:
      MessageBox MB_OK|MB_ICONEXCLAMATION \
        "Torvane could not be started to put back your original settings: they were not put back." \
        /SD IDOK
      Goto restore_done
    restore_ok:
      MessageBox MB_OK|MB_ICONINFORMATION \
        "Your original settings have been put back. Restart Windows for all of them to take effect." \
        /SD IDOK
  restore_done:

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

  ; The backup of the original settings is the user's: it stays unless the user says otherwise,
  ; and then only Torvane's own files go; the folder goes only when nothing else is left in it.
  IfFileExists "$INSTDIR\Backup\originals.txt" backup_ask
  IfFileExists "$INSTDIR\Backup\*.tvb" backup_ask backup_done
  backup_ask:
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "The Backup folder holds your original Windows settings, which Torvane's $\"Restore Backup$\" puts back.$\n$\nDo you want to remove this backup as well? Other files in the folder are kept." \
      /SD IDNO IDNO backup_done
    !insertmacro DeleteBackupFile "originals.txt"
    !insertmacro DeleteBackupFile "system.tvb"
    !insertmacro DeleteBackupFile "desktop.tvb"
    !insertmacro DeleteBackupFile "startmenu.tvb"
    !insertmacro DeleteBackupFile "internet.tvb"
    !insertmacro DeleteBackupFile "cdrom.tvb"
    !insertmacro DeleteBackupFile "hdd.tvb"
    !insertmacro DeleteBackupFile "ram.tvb"
    !insertmacro DeleteBackupFile "bootup.tvb"
    !insertmacro DeleteBackupFile "shutdown.tvb"
    RMDir "$INSTDIR\Backup"
  backup_done:

  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
