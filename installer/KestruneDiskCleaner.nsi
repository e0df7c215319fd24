; Per-user installer of Kestrune Disk Cleaner, built by tools/package.sh with Debian's makensis.
; Defines from the command line: VERSION (2.0), DIST_DIR (the exe and the user guide), ICON, OUT_FILE.
;
; The program writes Config.ini and its two leftover lists beside itself, so it goes into the user's own
; programs folder, which needs no administrator rights and stays writable for the user.
; Silent use: setup.exe /S [/DESKTOP] [/D=folder]; the uninstaller takes /S and keeps the settings then.

; Only a 64-bit installer starts under a 64-bit-only Wine, and every 64-bit Windows runs it.
Target amd64-unicode
; No file dates in the installer: two builds of the same files give the same bytes.
SetDateSave off
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!define PRODUCT "Kestrune Disk Cleaner"
!define PUBLISHER "Kestrune"
!define EXE "KestruneDiskCleaner.exe"
!define GUIDE "Sweepwell.chm"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KestruneDiskCleaner"
; The main window's class and title, by which a running copy is found.
!define WINDOW_CLASS "KdcForm"
!define WINDOW_TITLE "Kestrune Disk Cleaner"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "${PRODUCT} ${VERSION} Uninstall"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An earlier install is updated where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Closes a running copy of the program before its files are replaced or removed. It asks the program's
; main window to close; a copy that does not end is left to the user: retry once it is closed, or stop.
!macro DEFINE_CLOSE_PROGRAM un
Function ${un}CloseProgram
    FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
    ${If} $0 = 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "${PRODUCT} is running and will be closed now.$\r$\n\
        Changes on its Options page that were not saved are lost." /SD IDOK IDOK close
    SetErrorLevel 2
    Quit
close:
    ${Do}
        FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        ; The window goes before the process ends; the process holds the exe until it has ended.
        System::Call "user32::GetWindowThreadProcessId(p r0, *i 0 r1)"
        System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2" ; SYNCHRONIZE
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
        StrCpy $3 1
        ${If} $2 P<> 0
            System::Call "kernel32::WaitForSingleObject(p r2, i 10000) i .r3"
            System::Call "kernel32::CloseHandle(p r2)"
        ${EndIf}
        ${If} $3 <> 0
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is still running.$\r$\n\
                Please close it, then press Retry." /SD IDCANCEL IDRETRY retry
            SetErrorLevel 2
            Quit
        retry:
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_PROGRAM ""
!insertmacro DEFINE_CLOSE_PROGRAM "un."

Section "${PRODUCT}" SecProgram
    SectionIn RO
    Call CloseProgram
    SetOutPath "$INSTDIR"
    ; Config.ini and the leftover lists are the user's: nothing here writes them.
    ClearErrors
    File "${DIST_DIR}/${EXE}"
    File "${DIST_DIR}/${GUIDE}"
    ; A file that could not be replaced was skipped (the user's choice, or the silent default): a silent
    ; install then ends with an error level instead of passing for a good one.
    ${If} ${Errors}
    ${AndIf} ${Silent}
        SetErrorLevel 2
        Abort
    ${EndIf}
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.kestrune.example"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SecProgram} $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Desktop shortcut" SecDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${EXE}"
SectionEnd

Function .onInit
    SetShellVarContext current
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/DESKTOP" $R1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Uninstall"
    Call un.CloseProgram
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\${GUIDE}"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ${If} ${FileExists} "$INSTDIR\Config.ini"
    ${OrIf} ${FileExists} "$INSTDIR\Diskclean1.dat"
    ${OrIf} ${FileExists} "$INSTDIR\Diskclean2.dat"
        MessageBox MB_YESNO|MB_ICONQUESTION "Keep your settings (Config.ini) and the leftover lists \
            Diskclean1.dat and Diskclean2.dat for a later install?" /SD IDYES IDYES keep
        Delete "$INSTDIR\Config.ini"
        Delete "$INSTDIR\Diskclean1.dat"
        Delete "$INSTDIR\Diskclean2.dat"
    keep:
    ${EndIf}
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only an empty folder goes: whatever else the user keeps there stays.
    RMDir "$INSTDIR"
SectionEnd
