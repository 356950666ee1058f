; The Windows installer: the program's folder (the zip's content), a
; Start-menu entry and an uninstaller. scripts/build-windows passes VERSION,
; STAGE (the folder to install) and OUTFILE.
;
; It installs for the current user, under %LOCALAPPDATA%\Programs, with no
; administrator prompt: SDL writes stdout.txt and stderr.txt beside the
; executable, which a user may not do under Program Files.
; A 64-bit installer for a 64-bit program (and for a 64-bit-only Wine).
Target amd64-unicode
!include "MUI2.nsh"

Name "Marivane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Marivane"
InstallDirRegKey HKCU "Software\Marivane" "InstallDir"
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Marivane"
!define MUI_ICON "${STAGE}\marivane.ico"
!define MUI_UNICON "${STAGE}\marivane.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\marivane.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Marivane"
VIAddVersionKey "FileDescription" "Marivane installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "the Marivane developers"

Section "Marivane"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Marivane.lnk" "$INSTDIR\marivane.exe" "" "$INSTDIR\marivane.exe" 0
  WriteRegStr HKCU "Software\Marivane" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Marivane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "the Marivane developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\marivane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Marivane.lnk"
  ; What the installer put there, and the two files SDL writes while it runs;
  ; anything else the user keeps in the folder stays.
  !include "${FILELIST}"
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\licences"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Marivane"
SectionEnd
