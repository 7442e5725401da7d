; The Quorrel installer: the program and the libraries it loads into Program
; Files, a Start menu entry, and an uninstaller that removes what was
; installed. /S installs (and uninstalls) silently.
;
; scripts/windows.sh builds it:
;   makensis -DVERSION=1.0.0 -DSTAGE=dir -DFILES=files.nsh -DUNFILES=unfiles.nsh
;            -DSIZE_KB=n -DICON=quorrel.ico -DOUTFILE=setup.exe quorrel.nsi
; where files.nsh and unfiles.nsh list every file of STAGE, to install and to
; remove one by one: the uninstaller never deletes what it did not install.

; A 64-bit installer: a 64-bit Windows (or Wine prefix) may have no 32-bit
; subsystem to start a 32-bit one, and the program is 64-bit anyway.
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorrel"
; A case file opens in Quorrel from Explorer: .quorrel names the file type,
; which says how to open it.
!define CASE_EXTENSION "Software\Classes\.quorrel"
!define CASE_TYPE "Quorrel.Case"
!define CASE_TYPE_KEY "Software\Classes\${CASE_TYPE}"

Name "Quorrel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorrel"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorrel.exe"
!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Quorrel"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Quorrel ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Quorrel developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "The Quorrel developers"

; For every user: the shortcut in the common Start menu, the 64-bit registry.
Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Quorrel"
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Quorrel.lnk" "$INSTDIR\quorrel.exe" "" "$INSTDIR\quorrel.exe" 0 \
    SW_SHOWNORMAL "" "Estimate the time of death from body temperatures by Newton's law of cooling"

  ; Apps and Features lists it and can remove it.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorrel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Quorrel developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorrel.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  WriteRegStr HKLM "${CASE_EXTENSION}" "" "${CASE_TYPE}"
  WriteRegStr HKLM "${CASE_EXTENSION}" "Content Type" "application/x-quorrel-case"
  WriteRegStr HKLM "${CASE_TYPE_KEY}" "" "Quorrel case"
  WriteRegStr HKLM "${CASE_TYPE_KEY}\DefaultIcon" "" "$INSTDIR\quorrel.exe,0"
  WriteRegStr HKLM "${CASE_TYPE_KEY}\shell\open\command" "" '"$INSTDIR\quorrel.exe" "%1"'
  ; Explorer shows the new type's icon without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Quorrel.lnk"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only once empty: a file the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The extension only while it is still ours: another program may have
  ; taken it since.
  DeleteRegKey HKLM "${CASE_TYPE_KEY}"
  ReadRegStr $0 HKLM "${CASE_EXTENSION}" ""
  StrCmp $0 "${CASE_TYPE}" 0 +2
    DeleteRegKey HKLM "${CASE_EXTENSION}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
