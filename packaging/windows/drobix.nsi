; SPDX-FileCopyrightText: 2026 The Drobix developers
;
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer: the game into Program Files, a Start-menu entry, an uninstaller that
; leaves the player's data file and settings. Made by tools/windows/package.sh with
;   makensis -DVERSION=... -DSTAGE=<the zip's folder> -DOUTFILE=<installer> drobix.nsi

; A 64-bit installer for the 64-bit game: it runs where the game does, Wine without its
; 32-bit half among them.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Drobix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Drobix"
InstallDirRegKey HKLM "Software\Quillbeam\Drobix" "InstallDir"
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Drobix"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSES\GPL-3.0-or-later.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Drobix"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Drobix"
    CreateShortcut "$SMPROGRAMS\Drobix\Drobix.lnk" "$INSTDIR\drobix.exe"
    CreateShortcut "$SMPROGRAMS\Drobix\Uninstall Drobix.lnk" "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "Software\Quillbeam\Drobix" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Drobix"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quillbeam"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\drobix.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, and nothing else: the data file in the machine-wide
; application-data folder and the players' settings stay.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Drobix\Drobix.lnk"
    Delete "$SMPROGRAMS\Drobix\Uninstall Drobix.lnk"
    RMDir "$SMPROGRAMS\Drobix"
    Delete "$INSTDIR\drobix.exe"
    Delete "$INSTDIR\README.txt"
    RMDir /r "$INSTDIR\LICENSES"
    RMDir /r "$INSTDIR\third-party"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Quillbeam\Drobix"
    DeleteRegKey /ifempty HKLM "Software\Quillbeam"
SectionEnd
