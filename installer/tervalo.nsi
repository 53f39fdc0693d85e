; Tervalo's installer: the program in Program Files, a Start-menu shortcut and an entry in Apps &
; features, and two options, on by default: start at sign-in, and a settings file that every
; user of the PC may save. Built by `make installer` (makensis -INPUTCHARSET UTF8 with VERSION,
; EXE, ICON and OUTFILE defined).
;
; Silent use: setup.exe /S [/D=folder] [/STARTATSIGNIN=0] [/SHAREDSETTINGS=0]
;             Uninstall.exe /S [/REMOVESETTINGS=1]

Unicode true
; A 64-bit installer for a 64-bit program (and the only kind some systems run).
Target amd64-unicode
RequestExecutionLevel admin
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define PRODUCT "Tervalo"
!define PUBLISHER "Tervalo"
; The program reads and writes its settings at this fixed place.
!define SETTINGS "C:\Program Files\Tervalo3.txt"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervalo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The local Users group by its SID, which is the same in every display language.
!define USERS_SID "*S-1-5-32-545"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Spanish"

LangString NameProgram ${LANG_ENGLISH} "Tervalo"
LangString NameProgram ${LANG_SPANISH} "Tervalo"
LangString NameStartup ${LANG_ENGLISH} "Start Tervalo when I sign in"
LangString NameStartup ${LANG_SPANISH} "Iniciar Tervalo al iniciar sesión"
LangString NameShare ${LANG_ENGLISH} "Let every user of this PC save Tervalo's settings"
LangString NameShare ${LANG_SPANISH} "Todos los usuarios pueden guardar la configuración"
LangString NameRemoveSettings ${LANG_ENGLISH} "Remove my settings"
LangString NameRemoveSettings ${LANG_SPANISH} "Eliminar mi configuración"

LangString DescProgram ${LANG_ENGLISH} "The side bar, a Start-menu shortcut and an entry in Apps & features."
LangString DescProgram ${LANG_SPANISH} "La barra, un acceso en el menú Inicio y su entrada en Aplicaciones y características."
LangString DescStartup ${LANG_ENGLISH} "Tervalo starts with your Windows session."
LangString DescStartup ${LANG_SPANISH} "Tervalo se inicia con su sesión de Windows."
LangString DescShare ${LANG_ENGLISH} "The settings file is shared: each user can change the tiles, and what they open, of all."
LangString DescShare ${LANG_SPANISH} "El archivo es compartido: cada usuario podrá cambiar los accesos, y lo que abren, de todos."
LangString DescUninstall ${LANG_ENGLISH} "The program, its shortcut, its start at sign-in and its entry in Apps & features."
LangString DescUninstall ${LANG_SPANISH} "El programa, su acceso, su inicio con la sesión y su entrada en Aplicaciones y características."
LangString DescRemoveSettings ${LANG_ENGLISH} "Also delete ${SETTINGS}, shared by every user of this PC."
LangString DescRemoveSettings ${LANG_SPANISH} "Eliminar también ${SETTINGS}, que comparten todos."
LangString ShareFailed ${LANG_ENGLISH} "The right to save the settings could not be given to every user."
LangString ShareFailed ${LANG_SPANISH} "No se pudo dar a todos los usuarios el derecho a guardar la configuración."

; English exactly when the English name of the user locale's language is "English", as the
; program itself decides; Spanish for every other language.
!macro PICK_LANGUAGE
  System::Call 'kernel32::GetLocaleInfoW(i 0x400, i 0x1001, w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
  ${If} $0 == "English"
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${Else}
    StrCpy $LANGUAGE ${LANG_SPANISH}
  ${EndIf}
!macroend

; A running Tervalo holds its program file: it is ended before the file is replaced or removed.
!macro END_RUNNING_PROGRAM
  nsExec::Exec '"$SYSDIR\taskkill.exe" /F /IM Tervalo.exe'
  Pop $0
!macroend

Section "$(NameProgram)" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetRegView 64
  !insertmacro END_RUNNING_PROGRAM
  SetOutPath "$INSTDIR"
  File "/oname=Tervalo.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Tervalo.exe"

  ; An empty file makes the program start with its defaults; one that exists keeps its settings.
  ${IfNot} ${FileExists} "${SETTINGS}"
    FileOpen $0 "${SETTINGS}" w
    FileClose $0
  ${EndIf}

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tervalo.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(NameStartup)" SecStartup
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Tervalo.exe"'
SectionEnd

Section "$(NameShare)" SecShare
  ; Modify on the one file, never on the folder: a user may change the settings, and nothing
  ; else in Program Files.
  nsExec::Exec '"$SYSDIR\icacls.exe" "${SETTINGS}" /grant ${USERS_SID}:(M)'
  Pop $0
  ${If} $0 != 0
    DetailPrint "$(ShareFailed)"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(ShareFailed)" /SD IDOK
  ${EndIf}
SectionEnd

; An option left out on a new install takes back what an earlier install gave.
Section "-Options left out"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  ${IfNot} ${SectionIsSelected} ${SecShare}
    nsExec::Exec '"$SYSDIR\icacls.exe" "${SETTINGS}" /remove:g ${USERS_SID}'
    Pop $0
  ${EndIf}
SectionEnd

Section "un.$(NameProgram)" UnSecProgram
  SectionIn RO
  SetShellVarContext all
  SetRegView 64
  !insertmacro END_RUNNING_PROGRAM
  Delete "$INSTDIR\Tervalo.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(NameRemoveSettings)" UnSecSettings
  Delete "${SETTINGS}"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(DescProgram)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStartup} "$(DescStartup)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecShare} "$(DescShare)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "$(DescUninstall)"
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "$(DescRemoveSettings)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function .onInit
  !insertmacro PICK_LANGUAGE
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/STARTATSIGNIN=" $R1
  ${IfNot} ${Errors}
  ${AndIf} $R1 == "0"
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/SHAREDSETTINGS=" $R1
  ${IfNot} ${Errors}
  ${AndIf} $R1 == "0"
    !insertmacro UnselectSection ${SecShare}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro PICK_LANGUAGE
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS=" $R1
  ${IfNot} ${Errors}
  ${AndIf} $R1 == "1"
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
