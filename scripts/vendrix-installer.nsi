; The Windows installer of Vendrix, made by scripts/build-windows with Debian's makensis from the folder
; that the zip holds:
;   makensis -DVERSION=x.y.z -DSOURCE=folder -DICON=vendrix.ico -DOUTFILE=setup.exe vendrix-installer.nsi
; (-DUNCOMPRESSED makes it at once, without compression, for the tests under Wine.)
; It installs for the current user (no administrator rights), under %LOCALAPPDATA%\Programs\Vendrix,
; with a Start menu entry that starts the window with --from-menu (ParkDir.txt in the user's data
; folder), "Open in Vendrix" on the context menu of folders in Explorer, and an entry in Programs and
; Features with its uninstaller. /S installs or uninstalls silently.
;
; Installing over an earlier version replaces the program files and keeps the user's settings
; (HKCU\Software\vendrix\vendrix) and ParkDir.txt (%LOCALAPPDATA%\vendrix). Uninstalling removes
; everything the installer or the program made: the program files, the Start menu entry, the
; context menu, the Programs and Features entry, and the settings and ParkDir.txt, which hold
; nothing the user made (the window's place, view choices, the last folder). Season folders and
; the files the user wrote are never touched.
; A 64-bit installer, like the programs it installs.
Target amd64-unicode
!ifdef UNCOMPRESSED
SetCompress off
!else
SetCompressor /SOLID lzma
!endif
RequestExecutionLevel user

!include FileFunc.nsh

Name "Vendrix ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vendrix"
Icon "${ICON}"
UninstallIcon "${ICON}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vendrix"
; "Open in Vendrix" on a folder, and on the background of an open folder. Per user, in HKCU's classes.
!define FOLDER_VERB "Software\Classes\Directory\shell\Vendrix"
!define BACKGROUND_VERB "Software\Classes\Directory\Background\shell\Vendrix"
; Where the window keeps its settings (QSettings "vendrix", "vendrix") and ParkDir.txt (--from-menu).
!define SETTINGS_KEY "Software\vendrix"
!define USER_DATA "$LOCALAPPDATA\vendrix"

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
    ; The folder is the season to open; --from-menu keeps ParkDir.txt out of the folders around it.
    WriteRegStr HKCU "${FOLDER_VERB}" "" "Open in Vendrix"
    WriteRegStr HKCU "${FOLDER_VERB}" "Icon" "$INSTDIR\vendrix.exe"
    WriteRegStr HKCU "${FOLDER_VERB}\command" "" '"$INSTDIR\vendrix.exe" --from-menu "%1"'
    WriteRegStr HKCU "${BACKGROUND_VERB}" "" "Open in Vendrix"
    WriteRegStr HKCU "${BACKGROUND_VERB}" "Icon" "$INSTDIR\vendrix.exe"
    WriteRegStr HKCU "${BACKGROUND_VERB}\command" "" '"$INSTDIR\vendrix.exe" --from-menu "%V"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vendrix"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vendrix developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vendrix.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; Programs and Features shows the size from here, in kilobytes.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Vendrix.lnk"
    DeleteRegKey HKCU "${FOLDER_VERB}"
    DeleteRegKey HKCU "${BACKGROUND_VERB}"
    ; Only what the installer put there: a folder the user chose may hold other files.
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\licenses"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\README.txt"
    RMDir "$INSTDIR"
    ; The program's own memory; the folder stays when the user saved files of theirs in it.
    DeleteRegKey HKCU "${SETTINGS_KEY}\vendrix"
    DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
    Delete "${USER_DATA}\ParkDir.txt"
    RMDir "${USER_DATA}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
