; The Scribix installer for Windows, in French: the program folder under Program Files, a
; Start-menu entry and an uninstaller. Silent with /S. The children's work lives in their
; application-data folder (%APPDATA%\Scribix), which neither the installer nor the uninstaller
; touches.
;
; makensis -DVERSION=<version> -DPROGRAM_FOLDER=<folder of scribix.exe> [-DOUTFILE=<setup.exe>]
;   scribix.nsi

; A 64-bit installer for a 64-bit program: it runs where the program runs, and under a 64-bit wine.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION
  !error "VERSION: the program's version, e.g. -DVERSION=0.1"
!endif
!ifndef PROGRAM_FOLDER
  !error "PROGRAM_FOLDER: the folder of scribix.exe and its resources"
!endif
!ifndef OUTFILE
  !define OUTFILE "scribix-${VERSION}-setup.exe"
!endif

!include "MUI2.nsh"

!define UNINSTALLER "desinstaller-scribix.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Scribix"

Name "Scribix"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Scribix"
InstallDirRegKey HKLM "Software\Scribix" "InstallDir"
BrandingText "Scribix ${VERSION}"

!define MUI_ABORTWARNING
; scribix.exe's own icon, which the build draws beside it.
!define MUI_ICON "${PROGRAM_FOLDER}/scribix.ico"
!define MUI_UNICON "${PROGRAM_FOLDER}/scribix.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\scribix.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
  SetRegView 64
  ; The Start-menu entry is for every user of the computer.
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; A folder of the program folder with its own files only: "File /r <folder>" would take every
; folder of that name below the program folder too, which is also the build folder, with the
; tests' wine prefixes in it.
!macro ProgramSubfolder NAME
  SetOutPath "$INSTDIR\${NAME}"
  File /r "${PROGRAM_FOLDER}/${NAME}/*"
!macroend

Section "Scribix"
  SetOutPath "$INSTDIR"
  File "${PROGRAM_FOLDER}/scribix.exe"
  File "${PROGRAM_FOLDER}/Documentation-Scribix.pdf"
  ; The page on the French voices, opened from the settings window, and the words whose
  ; syllables and silent letters the rules get wrong ("monsieur", "sept"): without that list
  ; the installed program would cut and colour them wrongly.
  File "${PROGRAM_FOLDER}/installer-voix.html"
  File "${PROGRAM_FOLDER}/syllabes-exceptions.txt"
  !insertmacro ProgramSubfolder resb
  !insertmacro ProgramSubfolder sons
  !insertmacro ProgramSubfolder Puzzles
  !insertmacro ProgramSubfolder Liste-de-mots
  !insertmacro ProgramSubfolder Exercices
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "$SMPROGRAMS\Scribix"
  CreateShortcut "$SMPROGRAMS\Scribix\Scribix.lnk" "$INSTDIR\scribix.exe"
  CreateShortcut "$SMPROGRAMS\Scribix\Documentation de Scribix.lnk" \
    "$INSTDIR\Documentation-Scribix.pdf"

  WriteRegStr HKLM "Software\Scribix" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Scribix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\scribix.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: a folder chosen by hand that held other files keeps
; them, and the children's work in their application data stays.
Section "Uninstall"
  Delete "$SMPROGRAMS\Scribix\Scribix.lnk"
  Delete "$SMPROGRAMS\Scribix\Documentation de Scribix.lnk"
  RMDir "$SMPROGRAMS\Scribix"

  Delete "$INSTDIR\scribix.exe"
  Delete "$INSTDIR\Documentation-Scribix.pdf"
  Delete "$INSTDIR\installer-voix.html"
  Delete "$INSTDIR\syllabes-exceptions.txt"
  RMDir /r "$INSTDIR\resb"
  RMDir /r "$INSTDIR\sons"
  RMDir /r "$INSTDIR\Puzzles"
  RMDir /r "$INSTDIR\Liste-de-mots"
  RMDir /r "$INSTDIR\Exercices"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Scribix"
SectionEnd
