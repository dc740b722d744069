; The Windows installer, one for two ways to install:
;  for all users: Program Files, an all-users Start Menu shortcut and an
;    entry in HKLM's installed programs list; needs administrator rights;
;  just for me: the user's LocalAppData\Programs, a shortcut in the user's own
;    Start Menu and an entry in HKCU; needs no administrator rights.
; An administrator chooses on a page, or with /S /AllUsers or /S /CurrentUser;
; other users install just for themselves. The uninstaller removes exactly
; what its way of installing put there.
; makensis -DVERSION=x.y.z -DNAME=... -DPUBLISHER=... -DCOPYRIGHT=...
;          -DEXE=lowpass.exe -DLICENSE=LICENSE -DOUTFILE=setup.exe installer.nsi
; (names and version: install/identity.cmake)

Target amd64-unicode

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Low Pass Filter"
!define MULTIUSER_USE_PROGRAMFILES64
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\LowPassButterworth"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"

Name "${NAME}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
ManifestDPIAware true  ; sharp at every display scale, as the program is

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} installer"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

; The way this copy was installed: just for me when the user's own entry
; names the folder the uninstaller is in.
Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${Else}
        Call un.MultiUser.InstallMode.AllUsers
    ${EndIf}
FunctionEnd

; SHCTX and $SMPROGRAMS are HKLM and the all-users Start Menu, or HKCU and the
; user's own, as the way of installing chose them.
Section
    SetOutPath "$INSTDIR"
    File "/oname=lowpass.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\lowpass.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0  ; kilobytes
SectionEnd

Section "Uninstall"
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\lowpass.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ${If} $MultiUser.InstallMode == "CurrentUser"
        RMDir "$LOCALAPPDATA\Programs"  ; only if nothing else is installed there
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
