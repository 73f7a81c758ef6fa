; The Windows installer of Vendrix, made by scripts/build-windows with Debian's makensis from the folder
; that the zip holds:
;   makensis -DVERSION=x.y.z -DSOURCE=folder -DICON=vendrix.ico -DOUTFILE=setup.exe vendrix-installer.nsi
; It installs for the current user (no administrator rights), under %LOCALAPPDATA%\Programs\Vendrix,
; with a Start menu entry that starts the window with --from-menu (ParkDir.txt in the user's data
; folder); Programs and Features lists it with its uninstaller.
; A 64-bit installer, like the programs it installs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

Name "Vendrix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vendrix"
Icon "${ICON}"
UninstallIcon "${ICON}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vendrix"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Vendrix"
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; Started from the menu, the window keeps ParkDir.txt in the user's data folder.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\Vendrix.lnk" "$INSTDIR\vendrix.exe" "--from-menu"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vendrix"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vendrix developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vendrix.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Vendrix.lnk"
    ; Only what the installer put there: a folder the user chose may hold other files.
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\README.txt"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
