// Control ids of the setting manager (template 131) and the name input box (template 132).
#pragma once

// Setting manager
#define IDC_MGR_CLOSE 1000
#define IDC_MGR_ADD 1001
#define IDC_MGR_DELETE 1002
#define IDC_MGR_COPY 1003
#define IDC_MGR_RENAME 1004
#define IDC_MGR_LIST 1005
#define IDC_MGR_LABEL 1010

// Name input box
#define IDC_INPUT_OK 1006
#define IDC_INPUT_CANCEL 1007
#define IDC_INPUT_PROMPT 1008
#define IDC_INPUT_EDIT 1009
