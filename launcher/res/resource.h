// Resource ids of Runvoy.
#pragma once

// The "/KBIN" error box: its text, and its caption, the keyboard tool's name.
#define IDS_KEYBOARD_TOOL_MISSING 101
#define IDS_KEYBOARD_TOOL_NAME 102
