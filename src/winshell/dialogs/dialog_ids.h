// The dialog templates of dialogs.rc and their controls; read by windres as well as by the
// compiler, so only numbers here. The controls keep the program's long-standing ids (1 is the
// button that closes, as the system's IDOK); labels, pictures and notes are numbered from 1100.
#pragma once

// "Listes de mots"
#define IDD_WORD_LISTS 1000
#define IDC_LIST_ENTRIES 1009
#define IDC_LIST_OPEN 1027
#define IDC_LIST_SAVE 1011
#define IDC_LIST_RANDOM 1030
#define IDC_LIST_AUTO_ADVANCE_LABEL 1100
#define IDC_LIST_AUTO_ADVANCE 1037
#define IDC_LIST_HELP_PICTURE 1101
#define IDC_LIST_HIDE_HELP 1008
#define IDC_LIST_SOLUTION_PICTURE 1102
#define IDC_LIST_HIDE_SOLUTION 1032
#define IDC_LIST_CLOSE 1
#define IDC_LIST_REVIEW 1103

// The text exercise editor
#define IDD_EDITOR 1100
#define IDC_EDIT_OPEN 1011
#define IDC_EDIT_SAVE 1012
#define IDC_EDIT_CLEAR_ALL 1022
#define IDC_EDIT_TEXT 1009
#define IDC_EDIT_LINK 1042
#define IDC_EDIT_UNLINK 1044
#define IDC_EDIT_HIDE 1045
#define IDC_EDIT_MAKE_VISIBLE 1043
#define IDC_EDIT_FIX 1048
#define IDC_EDIT_CLOSE 1
#define IDC_EDIT_APPLY 1010
#define IDC_EDIT_LINK_ALL 1046
#define IDC_EDIT_HIDE_ALL 1047
#define IDC_EDIT_LOADED_COPY 1021

// "Configuration"
#define IDD_SETTINGS 1200
#define IDC_SET_SOUND_PROBLEM 1100
#define IDC_SET_COLOURS_LABEL 1101
#define IDC_SET_COLOURS 1011
#define IDC_SET_ZOOM_LABEL 1102
#define IDC_SET_ZOOM 1035
#define IDC_SET_ZOOM_NOTE 1103
#define IDC_SET_LINES_LABEL 1104
#define IDC_SET_LINES 1037
#define IDC_SET_CELLS_LABEL 1105
#define IDC_SET_CELLS 1038
#define IDC_SET_AUTO_PLACE 1007
#define IDC_SET_NO_SOUNDS 1008
#define IDC_SET_NO_EFFECTS 1060
#define IDC_SET_SPEECH_GROUP 1106
#define IDC_SET_VOICE_GROUP 1107
#define IDC_SET_VOICE 1019
#define IDC_SET_RATE_GROUP 1108
#define IDC_SET_RATE 1020
#define IDC_SET_VOLUME_GROUP 1109
#define IDC_SET_VOLUME 1022
#define IDC_SET_INSTALL_VOICES 1010
#define IDC_SET_RESTART_NOTE 1110
#define IDC_SET_OK 1
// The syllables in colour, and the button of the window "Élèves".
#define IDC_SET_SYLLABLES 1111
#define IDC_SET_SYLLABLE_PAIR 1112
#define IDC_SET_SPLIT_GLIDES 1113
#define IDC_SET_ELEVES 1114
// The child's notebook: "Bilan" for a period, and the export.
#define IDC_SET_REPORT 1115
#define IDC_SET_REPORT_PERIOD 1116
#define IDC_SET_EXPORT 1117

// "Configuration du puzzle"
#define IDD_PUZZLE_SETTINGS 1300
#define IDC_PUZ_CLOSE 1
#define IDC_PUZ_PIECES_LABEL 1100
#define IDC_PUZ_PIECES 1000
#define IDC_PUZ_ZOOM_LABEL 1101
#define IDC_PUZ_ZOOM 1001
#define IDC_PUZ_MODEL_ZOOM_LABEL 1102
#define IDC_PUZ_MODEL_ZOOM 1002
#define IDC_PUZ_NO_AUTO_PLACE 1004
#define IDC_PUZ_HIDE_SOLUTION 1006
#define IDC_PUZ_NO_SOUNDS 1003
#define IDC_PUZ_NO_EFFECTS 1039

// The voice warning
#define IDD_VOICE_WARNING 1400
#define IDC_WARN_MESSAGE 1100
#define IDC_WARN_INSTALL 1055
#define IDC_WARN_RESTART 1101
#define IDC_WARN_NEVER 1056
#define IDC_WARN_CLOSE 1

// "Élèves"
#define IDD_ELEVES 1500
#define IDC_ELV_CHILDREN 1000
#define IDC_ELV_NAME_LABEL 1100
#define IDC_ELV_NAME 1001
#define IDC_ELV_LOOK_LABEL 1101
#define IDC_ELV_LOOK 1002
#define IDC_ELV_ADD 1003
#define IDC_ELV_RENAME 1004
#define IDC_ELV_REMOVE 1005
#define IDC_ELV_FOLDER_GROUP 1102
#define IDC_ELV_FOLDER 1103
#define IDC_ELV_CHOOSE_FOLDER 1006
// As Escape and the close box: it only hides the window.
#define IDC_ELV_CLOSE 2
