// Resource ids of Pantik: dialog templates, controls, icons, bitmaps, integers. String ids are the numbers
// 3000 to 3305 used directly by name below.
#pragma once

// Dialog templates
#define IDD_MAIN 103
#define IDD_MANAGER 131
#define IDD_INPUTBOX 132
#define IDD_DT_TAB 10000
#define IDD_NT_TAB 10001
#define IDD_OSD_TAB 10002

// Icons and per-language integers (RCDATA): font heights
#define IDI_MAIN 133
#define IDR_HEIGHT_LARGE 133
#define IDR_HEIGHT_135 135
#define IDR_HEIGHT_136 136
#define IDR_HEIGHT_137 137
#define IDR_HEIGHT_UI 138

// Main dialog controls
#define IDC_MAIN_TAB 1043
#define IDC_MAIN_OK 1042
#define IDC_MAIN_APPLY 1044
#define IDC_MAIN_HELP 9

// Strings
#define IDS_TITLE 3000
#define IDS_PROFILE_FILE 3001
#define IDS_UI_FACE 3002
#define IDS_HELP_SUFFIX 3003

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
