// Control ids of the on-screen display page (dialog template 10002).
#pragma once

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
