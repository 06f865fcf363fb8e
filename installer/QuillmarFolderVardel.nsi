; Installs Quillmar Folder Vardel. Built by CMake with makensis; the defines name the files.
; A 64-bit installer, so $SYSDIR is the real system directory the program reads.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define APPNAME "Quillmar Folder Vardel"
!define APPKEY "QuillmarFolderVardel"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPKEY}"

Name "${APPNAME}"
OutFile "${OUTFILE}"
Icon "${APPICON}"
UninstallIcon "${APPICON}"
InstallDir "$PROGRAMFILES64\${APPNAME}"
InstallDirRegKey HKLM "${UNINSTKEY}" "InstallLocation"
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "/oname=QuillmarFolderVardel.exe" "${EXE}"

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

  CreateShortCut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\QuillmarFolderVardel.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "${APPNAME}"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "1.4"
  WriteRegStr HKLM "${UNINSTKEY}" "Publisher" "Quillmar"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\QuillmarFolderVardel.exe"
  WriteRegStr HKLM "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  Delete "$INSTDIR\QuillmarFolderVardel.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APPNAME}.lnk"
  Delete "$SYSDIR\lock.ico"
  ; accum.lsb stays: it is the user's folder list.
  ; The program registers itself to start with Windows; that entry would name a removed file.
  DeleteRegValue HKLM "Software\Microsoft\Windows\CurrentVersion\Run" "${APPKEY}"
  DeleteRegKey HKLM "${UNINSTKEY}"
SectionEnd
