// Resource ids of Register.
#pragma once

// Title of the question box, and of Register's window; a second instance looks for a dialog with this title.
#define IDS_QUESTION_TITLE 103
// The question whether to open the settings program.
#define IDS_QUESTION 104
#define IDI_REGISTER 107
#define IDI_REGISTER_SMALL 108
#define IDS_WINDOW_CLASS 109
#define IDS_MUTEX_NAME 110
