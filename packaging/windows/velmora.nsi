; The Windows installer: per user or for all users, a Start-menu entry, and an
; uninstaller that removes exactly what was installed (and, if asked, the
; settings). makensis gets VERSION, STAGE (the unpacked zip folder), ICON,
; WELCOME (the 164x314 picture of the welcome and finish pages, drawn by
; tools/cardart), LISTS (files.nsh and unfiles.nsh, made from the folder, and
; licence.txt) and OUTFILE.
; A 64-bit installer for a 64-bit program (and Wine without 32-bit support runs it).
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | OUTFILE | ICON | WELCOME | LISTS
  !error "makensis -DVERSION=x.y.z -DSTAGE=<folder> -DICON=<.ico> -DWELCOME=<.bmp> -DLISTS=<folder> -DOUTFILE=<setup.exe> velmora.nsi"
!endif

!define APP "Velmora"
!define PUBLISHER "Quenlow"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define SETTINGSROOT "Software\VB and VBA Program Settings\Quenlow"
; The exit code of a silent run that found Velmora running (and changed nothing).
!define EXIT_RUNNING 3

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "$(AllUsersNotPossible)"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_TOP "$(InstallModeTop)"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_ALLUSERS "$(InstallModeAllUsers)"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_CURRENTUSER "$(InstallModeJustMe)"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh
!include FileFunc.nsh
!insertmacro un.GetOptions
!insertmacro GetSize

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${APP} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT (code), CC0-1.0 (pictures)"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmora.exe"
; The language is offered in a list with the user's display language chosen
; (a silent run takes that one), and kept in the Apps entry, so the
; uninstaller speaks it too and goes when the entry goes.
!define MUI_LANGDLL_WINDOWTITLE "$(LangDialogTitle)"
!define MUI_LANGDLL_INFO "$(LangDialogInfo)"
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTKEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_WELCOME
; LICENSE.txt with each paragraph on one line, for the page to wrap.
!insertmacro MUI_PAGE_LICENSE "${LISTS}/licence.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_RESERVEFILE_LANGDLL
!include /CHARSET=UTF8 "languages.nsh"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "$(Needs64Bit)" /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
  ; After the install mode, so that a language kept by an earlier install is
  ; read from that install's Apps entry.
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  ; The install this uninstaller sits in is the one whose Apps entry names its
  ; folder, in HKCU for a per-user install, in HKLM for all users: that, not
  ; the user's rights (an administrator's "uninstall.exe /S" would otherwise
  ; assume all users), says which Start menu and which Apps entry are its own.
  ReadRegStr $0 HKCU "${UNINSTKEY}" "InstallLocation"
  ReadRegStr $1 HKLM "${UNINSTKEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Call un.MultiUser.InstallMode.CurrentUser
  ${ElseIf} $1 == $INSTDIR
    Call un.MultiUser.InstallMode.AllUsers
  ${EndIf}
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

; A running Velmora holds its program files: replacing or removing them then
; fails and leaves some behind. The user is asked to close it; a silent run
; stops with exit code EXIT_RUNNING before anything has changed. A program
; file that is running cannot be opened for writing, whichever version or
; user runs it.
!macro REFUSE_WHILE_RUNNING un
Function ${un}RefuseWhileRunning
  retry:
  ${ForEach} $1 0 1 + 1
    ${If} $1 == 0
      StrCpy $2 "$INSTDIR\velmora.exe"
    ${Else}
      StrCpy $2 "$INSTDIR\velmora.com"
    ${EndIf}
    ${If} ${FileExists} $2
      ClearErrors
      FileOpen $0 $2 a
      ${If} ${Errors}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_RUNNING}
        Quit
      ${EndIf}
      FileClose $0
    ${EndIf}
  ${Next}
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING ""
!insertmacro REFUSE_WHILE_RUNNING "un."

Section "Velmora"
  Call RefuseWhileRunning
  SetOutPath "$INSTDIR"
  !include "${LISTS}/files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\velmora.exe" "" "$INSTDIR\velmora.exe" 0

  ; SHCTX is HKCU or HKLM, whichever the install mode chose.
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\velmora.exe"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
  ; What Apps & Features shows as the size: the folder as installed, in KiB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.RefuseWhileRunning
  ; Only the files this installer put there, so nothing of the user's that
  ; happens to lie in the folder is lost.
  !include "${LISTS}/unfiles.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey SHCTX "${UNINSTKEY}"

  ; The settings are the user's: removed only when asked (a silent uninstall
  ; keeps them unless /REMOVESETTINGS is given).
  ${GetOptions} $CMDLINE "/REMOVESETTINGS" $0
  ${IfNot} ${Errors}
    Goto removeSettings
  ${EndIf}
  MessageBox MB_YESNO|MB_ICONQUESTION "$(RemoveSettings)" /SD IDNO IDNO done
removeSettings:
  DeleteRegKey HKCU "${SETTINGSROOT}\Velmora"
  DeleteRegKey /ifempty HKCU "${SETTINGSROOT}"
done:
SectionEnd
