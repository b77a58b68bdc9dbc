// Resource ids of Pantik, all in one place: dialog templates, controls, strings, icons, bitmaps and the
// per-language integers. Plain definitions, read by the resource compiler and by the portable core alike.
#pragma once

// Dialog templates
#define IDD_MAIN 103
#define IDD_MANAGER 131
#define IDD_INPUTBOX 132
#define IDD_DT_TAB 10000
#define IDD_NT_TAB 10001
#define IDD_OSD_TAB 10002
#define IDD_SETAP 40000

// The main window's icon
#define IDI_MAIN 133

// Per-language integers (RCDATA): font heights in logical units. LARGE: list boxes, edits and combo boxes; TAB:
// the registration dialog's tab control; TEXT: labels, buttons and edits of the registration dialog, the manager,
// the input box and the wizard; TREE: program trees and lists; UI: the main window's controls.
#define IDR_HEIGHT_LARGE 133
#define IDR_HEIGHT_TAB 135
#define IDR_HEIGHT_TEXT 136
#define IDR_HEIGHT_TREE 137
#define IDR_HEIGHT_UI 138

// Bitmaps: the round-button pictures are these bases plus a state and a set (see ButtonImage.h); the wizard's picture
#define IDB_NO_PROGRAM 500
#define IDB_AT_ONCE 502
#define IDB_IN_SEQUENCE 504
#define IDB_ONE_PROGRAM 506
#define IDB_WIZARD 516

// Main dialog controls
#define IDC_MAIN_TAB 1043
#define IDC_MAIN_OK 1042
#define IDC_MAIN_APPLY 1044
#define IDC_MAIN_HELP 9

// Button pages: desktop (template 10000) and notebook (template 10001)
#define IDC_DT_BUTTON1 10004
#define IDC_DT_BUTTON2 10021
#define IDC_DT_BUTTON3 10023
#define IDC_DT_BUTTON4 10025
#define IDC_DT_BUTTON5 10027
#define IDC_DT_MANAGER 10005
#define IDC_DT_DEFAULT 10006
#define IDC_DT_EDIT1 10007
#define IDC_DT_EDIT2 10008
#define IDC_DT_EDIT3 10009
#define IDC_DT_EDIT4 10010
#define IDC_DT_EDIT5 10012
#define IDC_DT_WIZARD 10011
#define IDC_DT_PATTERN_LABEL 10013
#define IDC_DT_GROUP 10014
#define IDC_DT_LABEL1 10015
#define IDC_DT_LABEL2 10016
#define IDC_DT_LABEL3 10017
#define IDC_DT_LABEL4 10018
#define IDC_DT_LABEL5 10019
#define IDC_DT_PATTERN 10051

#define IDC_NT_BUTTON1 10028
#define IDC_NT_BUTTON2 10030
#define IDC_NT_BUTTON3 10032
#define IDC_NT_DEFAULT 10037
#define IDC_NT_PATTERN 10040
#define IDC_NT_MANAGER 10041
#define IDC_NT_WIZARD 10042
#define IDC_NT_EDIT1 10043
#define IDC_NT_EDIT2 10044
#define IDC_NT_EDIT3 10045
#define IDC_NT_PATTERN_LABEL 10046
#define IDC_NT_GROUP 10047
#define IDC_NT_LABEL1 10048
#define IDC_NT_LABEL2 10049
#define IDC_NT_LABEL3 10050

// On-screen display page (template 10002)
#define IDC_OSD_DEFAULT 10020
#define IDC_OSD_DISPLAY 10022
#define IDC_OSD_FONT 10024
#define IDC_OSD_SIZE 10026
#define IDC_OSD_SELECT 10029
#define IDC_OSD_FONT_LABEL 10031
#define IDC_OSD_SIZE_LABEL 10033
#define IDC_OSD_COLOR_LABEL 10034
#define IDC_OSD_PREVIEW 10035
#define IDC_OSD_GROUP 10036
#define IDC_OSD_PREVIEW_LABEL 10039

// Setting manager (template 131)
#define IDC_MGR_CLOSE 1000
#define IDC_MGR_ADD 1001
#define IDC_MGR_DELETE 1002
#define IDC_MGR_COPY 1003
#define IDC_MGR_RENAME 1004
#define IDC_MGR_LIST 1005
#define IDC_MGR_LABEL 1010

// Name input box (template 132)
#define IDC_INPUT_OK 1006
#define IDC_INPUT_CANCEL 1007
#define IDC_INPUT_PROMPT 1008
#define IDC_INPUT_EDIT 1009

// Set-up wizard: its seven pages in the order the sheet holds them, and their controls
#define IDD_WIZ_BUTTON 51000
#define IDD_WIZ_METHOD 52000
#define IDD_WIZ_SOURCE 53000
#define IDD_WIZ_PROGRAM 54000
#define IDD_WIZ_FINISH 55000
#define IDD_WIZ_NAME 56000
#define IDD_WIZ_SOME 57000

// The property sheet's own buttons in wizard mode, and the wizard's Finish button beside them
#define IDC_WIZ_BACK 12323
#define IDC_WIZ_NEXT 12324
#define IDC_WIZ_FINISH 12325
#define IDC_WIZ_HELP 9
#define IDC_WIZ_OWN_FINISH 50006
// The picture at the left of every page but the several-programs page
#define IDC_WIZ_PICTURE 50005

#define IDC_WIZB_TEXT 55001
#define IDC_WIZB_RADIO1 55002
#define IDC_WIZB_RADIO2 55003
#define IDC_WIZB_RADIO3 55004
#define IDC_WIZB_RADIO4 55005
#define IDC_WIZB_RADIO5 55006
#define IDC_WIZB_CLICK_NEXT 55007

#define IDC_WIZM_TEXT 56001
#define IDC_WIZM_SINGLE 56002
#define IDC_WIZM_SEQUENTIAL 56003
#define IDC_WIZM_SIMULTANEOUS 56004
#define IDC_WIZM_CLICK_NEXT 56005

#define IDC_WIZS_TEXT 57001
#define IDC_WIZS_START_MENU 57002
#define IDC_WIZS_MEDIA_CENTER 57003
#define IDC_WIZS_FAVORITES 57004
#define IDC_WIZS_ALL_FILES 57005
#define IDC_WIZS_SHORTCUT_KEY 57006
#define IDC_WIZS_IME 57007
#define IDC_WIZS_CLICK_NEXT 57008

// Both program pages hold the same source controls
#define IDC_WIZP_TEXT 58001
#define IDC_WIZP_MEDIA_CENTER 54003
#define IDC_WIZP_SHORTCUT_KEY 54004
#define IDC_WIZP_START_MENU 54005
#define IDC_WIZP_FAVORITES 54006
#define IDC_WIZP_ALL_FILES 54007

#define IDC_WIZF_TEXT 52001
#define IDC_WIZF_HINT 52002

#define IDC_WIZN_TEXT 51001
#define IDC_WIZN_EDIT 51002
#define IDC_WIZN_CLICK_NEXT 51003

#define IDC_WIZO_START_MENU 53001
#define IDC_WIZO_MEDIA_CENTER 53002
#define IDC_WIZO_FAVORITES 53003
#define IDC_WIZO_ALL_FILES 53004
#define IDC_WIZO_SHORTCUT_KEY 53005
#define IDC_WIZO_EDIT1 59001
#define IDC_WIZO_EDIT2 59002
#define IDC_WIZO_EDIT3 59003
#define IDC_WIZO_EDIT4 59004
#define IDC_WIZO_EDIT5 59005
#define IDC_WIZO_LABEL1 59006
#define IDC_WIZO_LABEL2 59007
#define IDC_WIZO_LABEL3 59008
#define IDC_WIZO_LABEL4 59009
#define IDC_WIZO_LABEL5 59010
#define IDC_WIZO_TEXT 59011
#define IDC_WIZO_HINT 59012

// Program registration dialog (template 40000): the source tab control, its six source controls (three trees and
// three lists in one place), the five program slots with their labels, the launch-method radios, the buttons and
// the hint line
#define IDC_SETAP_TAB 40001
#define IDC_SETAP_START_MENU 40002
#define IDC_SETAP_FAVORITES 40003
#define IDC_SETAP_ALL_FILES 40004
#define IDC_SETAP_MEDIA_CENTER 40005
#define IDC_SETAP_SHORTCUT_KEY 40006
#define IDC_SETAP_IME 40018
#define IDC_SETAP_SINGLE 40007
#define IDC_SETAP_SEQUENTIAL 40008
#define IDC_SETAP_SIMULTANEOUS 40009
#define IDC_SETAP_SLOT1 40010
#define IDC_SETAP_SLOT2 40011
#define IDC_SETAP_SLOT3 40012
#define IDC_SETAP_SLOT4 40013
#define IDC_SETAP_SLOT5 40014
#define IDC_SETAP_METHOD_GROUP 40016
#define IDC_SETAP_OK 40017
#define IDC_SETAP_CANCEL 40019
#define IDC_SETAP_PROGRAMS_GROUP 40020
#define IDC_SETAP_LABEL1 40021
#define IDC_SETAP_LABEL2 40022
#define IDC_SETAP_LABEL3 40023
#define IDC_SETAP_LABEL4 40024
#define IDC_SETAP_LABEL5 40025
#define IDC_SETAP_HELP 40026
#define IDC_SETAP_HINT 1046

// The registration dialog's context menus: the slot menu's items, and the Send menus' "Program1" to "Program5",
// whose ids are the program numbers 1 to 5
#define IDM_SLOT_CANCEL 1
#define IDM_SLOT_DELETE 2
#define IDM_SLOT_PARAMETERS 3
#define IDM_SEND_PROGRAM1 1

// Strings: the same ids in the English, Japanese and Chinese tables

// Main window, store file names, data files and the UI face
#define IDS_TITLE 3000
#define IDS_PROFILE_FILE 3001
#define IDS_UI_FACE 3002
#define IDS_HELP_SUFFIX 3003
#define IDS_COMMAND_LIST_FILE 3004
#define IDS_SIZE_MINIMUM 3005
#define IDS_SIZE_SMALL 3006
#define IDS_SIZE_STANDARD 3007
#define IDS_SIZE_LARGE 3008
#define IDS_SIZE_MAXIMUM 3009
#define IDS_TAB_BUTTONS 3010
#define IDS_TAB_ONSCREEN 3011
#define IDS_PATTERN_LABEL 3012
#define IDS_SETTING_MANAGER 3013
#define IDS_DEFAULT 3014
#define IDS_WIZARD 3015
#define IDS_BUTTON_PREFIX 3016
#define IDS_BUTTON_GROUP 3017
#define IDS_MEDIA_CENTER_FILE 3018
#define IDS_BUTTON_ACCESS_NAME 3019
#define IDS_OK 3020
#define IDS_CANCEL 3021
#define IDS_APPLY 3022
#define IDS_HELP 3023

// On-screen display page
#define IDS_OSD_DISPLAY 3030
#define IDS_OSD_FONT 3031
#define IDS_OSD_SIZE 3032
#define IDS_OSD_COLOR 3033
#define IDS_OSD_SELECT 3034
#define IDS_OSD_PREVIEW 3035

// Setting manager and name input box
#define IDS_MGR_TITLE 3040
#define IDS_MGR_LIST_LABEL 3041
#define IDS_MGR_ADD 3042
#define IDS_MGR_DELETE 3043
#define IDS_MGR_COPY 3044
#define IDS_MGR_RENAME 3045
#define IDS_MGR_CLOSE 3046
#define IDS_MGR_DELETE_QUESTION 3047
// Appended to a set's name to name its copy
#define IDS_MGR_COPY_SUFFIX 3048
#define IDS_INPUT_OK 3051
#define IDS_INPUT_CANCEL 3052
#define IDS_INPUT_NAME_PROMPT 3053
#define IDS_NAME_IN_USE 3055
#define IDS_INPUT_ERROR 3056
#define IDS_NAME_EMPTY 3057
#define IDS_NAME_TOO_LONG 3058
#define IDS_MGR_ADD_KEY 3060
#define IDS_MGR_DELETE_KEY 3061
#define IDS_MGR_COPY_KEY 3062
#define IDS_MGR_RENAME_KEY 3063
#define IDS_MGR_CLOSE_KEY 3064

// Program registration dialog, its menus and the save question
#define IDS_SETAP_TITLE 3070
#define IDS_SETAP_OK 3076
#define IDS_SETAP_CANCEL 3077
#define IDS_SETAP_PROGRAM 3078
#define IDS_SETAP_PROGRAMS_GROUP 3079
#define IDS_SETAP_SINGLE 3080
#define IDS_SETAP_SEQUENTIAL 3081
#define IDS_SETAP_SIMULTANEOUS 3082
#define IDS_SETAP_METHOD_GROUP 3083
#define IDS_MY_COMPUTER 3100
#define IDS_START_MENU_ROOT 3101
#define IDS_MENU_DELETE 3103
#define IDS_MENU_CANCEL 3104
#define IDS_PARAMETER_SETTING 3106
#define IDS_PARAMETER_PROMPT 3107
#define IDS_SAVE_QUESTION 3110
#define IDS_SAVE_CAPTION 3111
// Reports of a save that failed: what could not be saved (caption IDS_SAVE_CAPTION)
#define IDS_SAVE_FAILED_BUTTONS 3112
#define IDS_SAVE_FAILED_ONSCREEN 3113
#define IDS_SAVE_FAILED_ALL 3114
#define IDS_SAVE_FAILED_PATTERN 3115
#define IDS_SAVE_FAILED_SETS 3116
#define IDS_MENU_SEND 3120
#define IDS_MENU_PROGRAM1 3121
#define IDS_MENU_PROGRAM2 3122
#define IDS_MENU_PROGRAM3 3123
#define IDS_MENU_PROGRAM4 3124
#define IDS_MENU_PROGRAM5 3125

// Names printed on the keys of the named-key keyboard
#define IDS_KEY_MAIL 3130
#define IDS_KEY_INTERNET 3131
#define IDS_KEY_GALLERY 3132
#define IDS_KEY_DESIGN 3133
#define IDS_KEY_SOFT_KEY 3134

// Set-up wizard
#define IDS_WIZ_TITLE 3200
#define IDS_WIZ_NEXT 3201
#define IDS_WIZ_BACK 3202
#define IDS_WIZ_CANCEL 3203
#define IDS_WIZ_FINISH 3204
#define IDS_WIZ_CLICK_NEXT 3205
#define IDS_WIZ_BUTTON_TEXT 3211
#define IDS_WIZ_BUTTON1 3212
#define IDS_WIZ_BUTTON2 3213
#define IDS_WIZ_BUTTON3 3214
#define IDS_WIZ_BUTTON4 3215
#define IDS_WIZ_BUTTON5 3216
#define IDS_WIZ_METHOD_TEXT 3221
#define IDS_WIZ_SINGLE 3222
#define IDS_WIZ_SEQUENTIAL 3223
#define IDS_WIZ_SIMULTANEOUS 3224
#define IDS_WIZ_SOURCE_TEXT 3231
#define IDS_WIZ_PROGRAM_TEXT 3241
#define IDS_WIZ_FINISH_TEXT 3251
#define IDS_WIZ_FINISH_HINT 3252
#define IDS_WIZ_NAME_TEXT 3261
#define IDS_WIZ_PROGRAM_LABEL 3271
#define IDS_WIZ_SOME_TEXT 3272
#define IDS_WIZ_SOME_HINT 3273
#define IDS_WIZ_CANCEL_QUESTION 3274
#define IDS_FN_PREFIX 3275
#define IDS_WIZ_FN1 3276
#define IDS_WIZ_FN2 3277
#define IDS_WIZ_FN3 3278
#define IDS_WIZ_FN4 3279
#define IDS_WIZ_FN5 3280

// Program sources: registration tabs and wizard choices; the registration hint line
#define IDS_SOURCE_START_MENU 3290
#define IDS_SOURCE_MEDIA_CENTER 3291
#define IDS_SOURCE_FAVORITES 3292
#define IDS_SOURCE_ALL_FILES 3293
#define IDS_SOURCE_SHORTCUT_KEY 3294
#define IDS_WIZ_FROM_START_MENU 3295
#define IDS_WIZ_FROM_MEDIA_CENTER 3296
#define IDS_WIZ_FROM_FAVORITES 3297
#define IDS_WIZ_FROM_ALL_FILES 3298
#define IDS_WIZ_FROM_SHORTCUT_KEY 3299
#define IDS_WIZ_FROM_IME 3300
#define IDS_WIZ_BUTTON_FORMAT 3301
#define IDS_SOURCE_IME 3303
#define IDS_IME_FILE 3304
#define IDS_SETAP_HINT 3305
