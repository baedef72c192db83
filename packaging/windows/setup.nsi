; The Windows setup: a per-user install that needs no administrator rights, with a Start-menu
; shortcut and an uninstall entry. scripts/release.sh builds it with
;   makensis -DVERSION=1.0.0.1 -DPROGRAM_DIR=<folder with the program and LICENSE.txt>
;            -DICON=<app.ico> -DOUTFILE=<setup.exe> [-DSIGN_COMMAND=<command for %1>] setup.nsi
; Silent mode (/S) and the install folder (/D=) work as with any NSIS setup.
; A 64-bit setup for a 64-bit program: it runs wherever the program can.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WordFunc.nsh

!define NAME "Vardak Entity Helper"
!define PUBLISHER "The Vardak Entity Helper authors"
!define EXE "VardakEntityHelper.exe"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VardakEntityHelper"

Name "${NAME}"
Caption "${NAME} ${VERSION} Setup"
OutFile "${OUTFILE}"
; The usual folder of programs installed for one user (FOLDERID_UserProgramFiles).
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) ${PUBLISHER}; MIT License"

!ifdef SIGN_COMMAND
  !uninstfinalize '${SIGN_COMMAND}'
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

!insertmacro MUI_PAGE_LICENSE "${PROGRAM_DIR}\LICENSE.txt"
; An update goes where the installed version is, so it has no folder to choose.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderWhenInstalled
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running program keeps its .exe open, so the file cannot be opened for writing: ask to close
; it, and give up (with $0 set to 1) when the user cancels or there is no user to ask.
!macro WaitUntilNotRunning DIR
  StrCpy $0 0
  ${Do}
    ${IfNot} ${FileExists} "${DIR}\${EXE}"
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $1 "${DIR}\${EXE}" a
    ${IfNot} ${Errors}
      FileClose $1
      ${Break}
    ${EndIf}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${NAME} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY`
      StrCpy $0 1
      ${Break}
    ${EndIf}
  ${Loop}
!macroend

; Both the folder to install to and, when an update moves it with /D=, the installed one.
!macro WaitUntilNeitherRuns
  !insertmacro WaitUntilNotRunning "$INSTDIR"
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == 0
  ${AndIf} $2 != ""
  ${AndIf} $2 != $INSTDIR
    !insertmacro WaitUntilNotRunning "$2"
  ${EndIf}
!macroend

; The files an install puts in the folder; the uninstaller removes exactly these.
!macro RemoveInstalledFiles DIR
  Delete "${DIR}\${EXE}"
  Delete "${DIR}\LICENSE.txt"
  Delete "${DIR}\${UNINSTALLER}"
  RMDir "${DIR}"
!macroend

Function .onInit
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $2 != ""
    ${VersionCompare} "$2" "${VERSION}" $3
    ${If} $3 == 1
      ${IfNot} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION \
          "${NAME} $2 is installed, which is newer than ${VERSION}. Replace it with ${VERSION}?" \
          /SD IDNO IDYES`
        SetErrorLevel 2
        Quit
      ${EndIf}
    ${EndIf}
  ${EndIf}
  !insertmacro WaitUntilNeitherRuns
  ${If} $0 != 0
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function SkipFolderWhenInstalled
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $2 != ""
    Abort
  ${EndIf}
FunctionEnd

Section
  ; The program may have been started while the pages were shown.
  !insertmacro WaitUntilNeitherRuns
  ${If} $0 != 0
    Abort "${NAME} is running: nothing was changed."
  ${EndIf}
  ; An install elsewhere, chosen with /D=, replaces the one the entry names.
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $2 != ""
  ${AndIf} $2 != $INSTDIR
    !insertmacro RemoveInstalledFiles "$2"
    Delete "${SHORTCUT}"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\${EXE}"
  File "${PROGRAM_DIR}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $4 $5 $6
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $4
SectionEnd

Function un.onInit
  !insertmacro WaitUntilNotRunning "$INSTDIR"
  ${If} $0 != 0
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Section Uninstall
  !insertmacro RemoveInstalledFiles "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
