; Installs Quillmar Folder Vardel. Built by CMake with makensis; the defines name the files.
; A 64-bit installer, so $SYSDIR is the real system directory the program reads.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define APPNAME "Quillmar Folder Vardel"
!define APPKEY "QuillmarFolderVardel"
!define APPEXE "QuillmarFolderVardel.exe"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPKEY}"
!define SITE "https://www.quillmar.example"

; What the running program is known by: the name it holds while it runs, its hidden host window,
; and the message its host answers with 1 once start-up has locked every folder.
!define INSTANCE "Local\QuillmarFolderVardel"
!define HOSTCLASS "frmTest"
!define RESIDENTMSG "QuillmarFolderVardel.Resident"
!define ENDSESSION_CLOSEAPP 0x1
!define SYNCHRONIZE 0x00100000
!define ENDWAIT 20000       ; ms the program has to unlock everything and go
!define STARTWAIT 120       ; quarter seconds the new program has to lock everything again

Name "${APPNAME}"
OutFile "${OUTFILE}"
Icon "${APPICON}"
UninstallIcon "${APPICON}"
InstallDir "$PROGRAMFILES64\${APPNAME}"
InstallDirRegKey HKLM "${UNINSTKEY}" "InstallLocation"
ShowInstDetails show

VIProductVersion "1.4.0.0"
VIFileVersion "1.4.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APPNAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "1.4"
VIAddVersionKey /LANG=1033 "CompanyName" "Quillmar"
VIAddVersionKey /LANG=1033 "FileDescription" "${APPNAME} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "1.4.0.0"
VIAddVersionKey /LANG=1033 "Comments" "${SITE}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Quillmar"

Var WasRunning

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Ends a running program the way a log-off ends it: its host unlocks every folder, takes the marks
; off and puts the folders' own Desktop.ini back before it answers, then the process goes. The two
; messages are the session's end with ENDSESSION_CLOSEAPP, as a restart manager sends them to a
; program it closes for an update. A program that will not go stops the setup before anything is
; touched, with exit code 2 in silent mode.
!macro END_RUNNING un
Function ${un}EndRunning
  StrCpy $WasRunning 0
  StrCpy $R8 0
  again:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE}") p .r1'
    StrCmp $1 0 done
    System::Call 'kernel32::CloseHandle(p r1)'
    StrCpy $WasRunning 1
    IntOp $R8 $R8 + 1
    IntCmp $R8 40 0 0 stuck
    FindWindow $2 "${HOSTCLASS}"
    ${If} $2 = 0
      ; A program that has just started holds the name a moment before its window exists.
      Sleep 250
      Goto again
    ${EndIf}
    DetailPrint "Ending the running ${APPNAME}: every folder is unlocked"
    System::Call 'user32::GetWindowThreadProcessId(p r2, *i .r3)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r3) p .r4'
    SendMessage $2 ${WM_QUERYENDSESSION} 0 ${ENDSESSION_CLOSEAPP} $5 /TIMEOUT=${ENDWAIT}
    SendMessage $2 ${WM_ENDSESSION} 1 ${ENDSESSION_CLOSEAPP} $5 /TIMEOUT=${ENDWAIT}
    StrCmp $4 0 stuck
    System::Call 'kernel32::WaitForSingleObject(p r4, i ${ENDWAIT}) i .r5'
    System::Call 'kernel32::CloseHandle(p r4)'
    IntCmp $5 0 again stuck stuck
  stuck:
    MessageBox MB_OK|MB_ICONSTOP "${APPNAME} is running and did not end.$\r$\n$\r$\nNothing was changed. Log off and on again, then run this program again." /SD IDOK
    SetErrorLevel 2
    Quit
  done:
FunctionEnd
!macroend
!insertmacro END_RUNNING ""
!insertmacro END_RUNNING "un."

; Starts the new program when an older one was running, and waits until it has locked the folders
; again, so no folder is left open once the setup program is gone.
Function StartAgain
  StrCmp $WasRunning 1 0 done
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${APPEXE}"'
  System::Call 'user32::RegisterWindowMessageW(w "${RESIDENTMSG}") i .r6'
  StrCpy $R8 0
  wait:
    FindWindow $2 "${HOSTCLASS}"
    ${If} $2 <> 0
      SendMessage $2 $6 0 0 $5 /TIMEOUT=1000
      StrCmp $5 1 done
    ${EndIf}
    IntOp $R8 $R8 + 1
    IntCmp $R8 ${STARTWAIT} 0 0 late
    Sleep 250
    Goto wait
  late:
    MessageBox MB_OK|MB_ICONEXCLAMATION "${APPNAME} was updated but did not start again. Start it from the Start menu." /SD IDOK
    SetErrorLevel 3
  done:
FunctionEnd

Section "Install"
  SetRegView 64
  Call EndRunning

  SetOutPath "$INSTDIR"
  ; The program has gone; if its file still cannot be replaced, say so instead of keeping the old one.
  SetOverwrite try
  ClearErrors
  File "/oname=${APPEXE}" "${EXE}"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\${APPEXE} cannot be replaced." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetOverwrite on

  SetOutPath "$SYSDIR"
  File "/oname=lock.ico" "${LOCKICO}"
  ; The folder list is the user's: an existing one is never replaced. A new one must not meet
  ; the write-ahead log of a list that was deleted, or that log would be read into it.
  IfFileExists "$SYSDIR\accum.lsb" +3 0
    Delete "$SYSDIR\accum.lsb-wal"
    Delete "$SYSDIR\accum.lsb-shm"
  SetOverwrite off
  File "/oname=accum.lsb" "${ACCUM}"
  SetOverwrite on

  CreateShortCut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\${APPEXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "${APPNAME}"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "1.4"
  WriteRegDWORD HKLM "${UNINSTKEY}" "VersionMajor" 1
  WriteRegDWORD HKLM "${UNINSTKEY}" "VersionMinor" 4
  WriteRegStr HKLM "${UNINSTKEY}" "Publisher" "Quillmar"
  WriteRegStr HKLM "${UNINSTKEY}" "URLInfoAbout" "${SITE}"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\${APPEXE}"
  WriteRegStr HKLM "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
  ; In KB, as the installed-programs list reads it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTKEY}" "EstimatedSize" $0

  Call StartAgain
SectionEnd

Section "Uninstall"
  SetRegView 64
  ; lock.ico must outlive every mark that names it.
  Call un.EndRunning
  Delete "$INSTDIR\${APPEXE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APPNAME}.lnk"
  Delete "$SYSDIR\lock.ico"
  ; accum.lsb stays: it is the user's folder list.
  ; The program registers itself to start with Windows; that entry would name a removed file.
  DeleteRegValue HKLM "Software\Microsoft\Windows\CurrentVersion\Run" "${APPKEY}"
  DeleteRegKey HKLM "${UNINSTKEY}"
SectionEnd
