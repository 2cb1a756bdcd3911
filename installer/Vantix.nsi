; The Windows installer of the Peraxil 1800 configurator: VantixSetup.exe.
;
; Built by the win64 tree (target vantix_installer) with makensis from Debian's nsis package:
;   makensis -DPROGRAM_DIR=<program folder> -DICON_FILE=<Vantix.ico> -DOUTPUT_FILE=<VantixSetup.exe>
;            [-DPROGRAMS_DIR=<folder of the stripped .exe files>] Vantix.nsi
;
; Installs the program folder under Program Files, the installation's registry key, Start-menu
; shortcuts, the Add/Remove Programs entry and the tray companion's start at sign-in.
; Command line: /S (silent), /D=<folder> (where to install), /LANGUAGE=<name> (the program's
; language, one of the eleven; the default is the system's user-interface language).
; The uninstaller keeps the user's save\ folder unless /REMOVESAVE is given (or the user says so).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!ifndef PROGRAM_DIR
  !error "PROGRAM_DIR must name the built program folder"
!endif
!ifndef OUTPUT_FILE
  !define OUTPUT_FILE "VantixSetup.exe"
!endif

!ifndef PROGRAMS_DIR
  !define PROGRAMS_DIR "${PROGRAM_DIR}"
!endif
!getdllversion "${PROGRAMS_DIR}\Vantix.exe" VERSION_
!define VERSION "${VERSION_1}.${VERSION_2}.${VERSION_3}"
!define PRODUCT "Dunmo Peraxil 1800 Configurator"
!define PUBLISHER "Dunmo"
!define INSTALL_KEY "Software\Dunmo\Peraxil1800"
!define TRAY_KEY "Software\Dunmo\Peraxil1800\Tray"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DunmoPeraxil1800"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Peraxil1800Tray"
!define CONFIGURATOR_CLASS "SINGLE_INSTANCE_APP_VANTIX"
!define TRAY_CLASS "Peraxil1800Tray"
!define MENU_FOLDER "$SMPROGRAMS\Dunmo Peraxil 1800"

Name "${PRODUCT}"
OutFile "${OUTPUT_FILE}"
InstallDir "$PROGRAMFILES64\Dunmo\Peraxil 1800"
InstallDirRegKey HKLM "${INSTALL_KEY}" "InstallDir"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_1}.${VERSION_2}.${VERSION_3}.${VERSION_4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright Dunmo"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"

!ifndef ICON_FILE
  !error "ICON_FILE must name the program's icon"
!endif
!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vantix.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start the configurator"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
Page custom LanguagePage LanguagePageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var ProgramLanguage
Var LanguageList
Var RemoveSave

; ---------------------------------------------------------------------------------------------
; The program's language: the eleven of the installation, by the registry's names.
; ---------------------------------------------------------------------------------------------

; The system's user-interface language as one of the eleven names (English when none fits).
Function DefaultLanguage
  System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
  IntOp $1 $0 & 0x3FF
  StrCpy $ProgramLanguage "English"
  ${If} $0 = 0x0404
  ${OrIf} $0 = 0x0C04
  ${OrIf} $0 = 0x1404
    StrCpy $ProgramLanguage "ChineseTraditional"
  ${ElseIf} $1 = 0x04
    StrCpy $ProgramLanguage "ChineseSimplified"
  ${ElseIf} $0 = 0x0C0C
    StrCpy $ProgramLanguage "FrenchCanadian"
  ${ElseIf} $1 = 0x0C
    StrCpy $ProgramLanguage "French"
  ${ElseIf} $1 = 0x07
    StrCpy $ProgramLanguage "German"
  ${ElseIf} $1 = 0x12
    StrCpy $ProgramLanguage "Korean"
  ${ElseIf} $1 = 0x19
    StrCpy $ProgramLanguage "Russian"
  ${ElseIf} $1 = 0x11
    StrCpy $ProgramLanguage "Japanese"
  ${ElseIf} $1 = 0x16
    StrCpy $ProgramLanguage "PortugueseBrazil"
  ${ElseIf} $1 = 0x0A
    StrCpy $ProgramLanguage "Spanish"
  ${EndIf}
FunctionEnd

; Sets $0 to 1 when $ProgramLanguage is one of the eleven (ignoring case, as the program reads
; it), and spells it as the program's folder does.
Function CheckLanguage
  StrCpy $0 0
  !macro _CheckName NAME
    ${If} $ProgramLanguage == "${NAME}"
      StrCpy $ProgramLanguage "${NAME}"
      StrCpy $0 1
    ${EndIf}
  !macroend
  !insertmacro _CheckName English
  !insertmacro _CheckName ChineseSimplified
  !insertmacro _CheckName ChineseTraditional
  !insertmacro _CheckName French
  !insertmacro _CheckName FrenchCanadian
  !insertmacro _CheckName German
  !insertmacro _CheckName Korean
  !insertmacro _CheckName Russian
  !insertmacro _CheckName Japanese
  !insertmacro _CheckName PortugueseBrazil
  !insertmacro _CheckName Spanish
FunctionEnd

Function LanguagePage
  !insertmacro MUI_HEADER_TEXT "Language" "Choose the language of the configurator."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "The configurator and its tray companion show their texts in this language:"
  Pop $0
  ${NSD_CreateDropList} 0 30u 60% 120u ""
  Pop $LanguageList
  ${NSD_CB_AddString} $LanguageList "English"
  ${NSD_CB_AddString} $LanguageList "ChineseSimplified"
  ${NSD_CB_AddString} $LanguageList "ChineseTraditional"
  ${NSD_CB_AddString} $LanguageList "French"
  ${NSD_CB_AddString} $LanguageList "FrenchCanadian"
  ${NSD_CB_AddString} $LanguageList "German"
  ${NSD_CB_AddString} $LanguageList "Korean"
  ${NSD_CB_AddString} $LanguageList "Russian"
  ${NSD_CB_AddString} $LanguageList "Japanese"
  ${NSD_CB_AddString} $LanguageList "PortugueseBrazil"
  ${NSD_CB_AddString} $LanguageList "Spanish"
  ${NSD_CB_SelectString} $LanguageList $ProgramLanguage
  nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
  ${NSD_GetText} $LanguageList $ProgramLanguage
FunctionEnd

; ---------------------------------------------------------------------------------------------
; Running copies
; ---------------------------------------------------------------------------------------------

; Files of a running configurator cannot be replaced or removed: the user closes it first.
!macro RefuseWhileConfiguratorRuns
  FindWindow $0 "${CONFIGURATOR_CLASS}"
  ${If} $0 <> 0
    MessageBox MB_OK|MB_ICONSTOP "The Peraxil 1800 configurator is running. Close it, then start this program again." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
!macroend

; The tray companion ends when asked (it starts again at the next sign-in); its program file can
; be replaced or removed only once its process is gone, which takes a moment after its window.
!macro CloseTrayCompanion
  FindWindow $0 "${TRAY_CLASS}"
  ${If} $0 <> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\Peraxil1800Tray.exe"
    StrCpy $1 0
    ${Do}
      ClearErrors
      Delete "$INSTDIR\Peraxil1800Tray.exe"
      ${IfNot} ${Errors}
        ${Break}
      ${EndIf}
      IntOp $1 $1 + 1
      ${If} $1 > 100
        ${Break}
      ${EndIf}
      Sleep 100
    ${Loop}
  ${EndIf}
!macroend

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "This program needs a 64-bit Windows." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetRegView 64
  !insertmacro RefuseWhileConfiguratorRuns
  Call DefaultLanguage
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANGUAGE=" $R1
  ${IfNot} ${Errors}
    StrCpy $ProgramLanguage $R1
  ${EndIf}
  Call CheckLanguage
  ${If} $0 = 0
    MessageBox MB_OK|MB_ICONSTOP "Unknown language '$ProgramLanguage'. Choose one of English, ChineseSimplified, ChineseTraditional, French, FrenchCanadian, German, Korean, Russian, Japanese, PortugueseBrazil, Spanish." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

; ---------------------------------------------------------------------------------------------
; Installation
; ---------------------------------------------------------------------------------------------

Section "Program" SecProgram
  SectionIn RO
  SetShellVarContext all
  !insertmacro CloseTrayCompanion

  SetOutPath "$INSTDIR"
  File "${PROGRAMS_DIR}\Vantix.exe"
  File "${PROGRAMS_DIR}\Peraxil1800Tray.exe"
  SetOutPath "$INSTDIR\xml"
  File "${PROGRAM_DIR}\xml\*.xml"
  SetOutPath "$INSTDIR\skins"
  File "${PROGRAM_DIR}\skins\*.bmp"
  SetOutPath "$INSTDIR\fonts"
  File "${PROGRAM_DIR}\fonts\*.*"
  SetOutPath "$INSTDIR\lang"
  File "${PROGRAM_DIR}\lang\*.lng"
  SetOutPath "$INSTDIR\Manuals"
  File /r "${PROGRAM_DIR}\Manuals\*.*"

  ; save\ holds the user's profile files: every user of the machine may write there.
  CreateDirectory "$INSTDIR\save"
  nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR\save" /grant *S-1-5-32-545:(OI)(CI)M /Q'
  Pop $0

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${INSTALL_KEY}" "Language" "$ProgramLanguage"
  WriteRegStr HKLM "${INSTALL_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Peraxil1800Tray.exe"'

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Peraxil 1800 Configurator.lnk" "$INSTDIR\Vantix.exe" "" "$INSTDIR\Vantix.exe" 0
  CreateShortcut "${MENU_FOLDER}\User Manual.lnk" "$INSTDIR\Manuals\index.html"
  CreateShortcut "${MENU_FOLDER}\Uninstall.lnk" "$INSTDIR\Uninstall.exe"

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Vantix.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; ---------------------------------------------------------------------------------------------
; Removal
; ---------------------------------------------------------------------------------------------

Function un.onInit
  SetRegView 64
  !insertmacro RefuseWhileConfiguratorRuns
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESAVE" $R1
  ${If} ${Errors}
    StrCpy $RemoveSave 0
  ${Else}
    StrCpy $RemoveSave 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  !insertmacro CloseTrayCompanion

  Delete "$INSTDIR\Vantix.exe"
  Delete "$INSTDIR\Peraxil1800Tray.exe"
  RMDir /r "$INSTDIR\xml"
  RMDir /r "$INSTDIR\skins"
  RMDir /r "$INSTDIR\fonts"
  RMDir /r "$INSTDIR\lang"
  RMDir /r "$INSTDIR\Manuals"

  ; The user's profile files stay unless asked for: they cannot be made again.
  ${If} $RemoveSave = 0
    ${If} ${FileExists} "$INSTDIR\save\*.dn*"
      MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Remove your saved profiles in $INSTDIR\save as well?" /SD IDNO IDNO keepSave
      StrCpy $RemoveSave 1
      keepSave:
    ${EndIf}
  ${EndIf}
  ${If} $RemoveSave = 1
    RMDir /r "$INSTDIR\save"
  ${Else}
    RMDir "$INSTDIR\save"
  ${EndIf}

  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES64\Dunmo"

  Delete "${MENU_FOLDER}\Peraxil 1800 Configurator.lnk"
  Delete "${MENU_FOLDER}\User Manual.lnk"
  Delete "${MENU_FOLDER}\Uninstall.lnk"
  RMDir "${MENU_FOLDER}"

  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${INSTALL_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Dunmo"
  DeleteRegKey HKCU "${TRAY_KEY}"
  DeleteRegKey /ifempty HKCU "${INSTALL_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Dunmo"
SectionEnd
