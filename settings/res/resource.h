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
