#pragma once

// Ids of the framework tests' dialog template and menu.
#define IDD_TEST_DIALOG 100
#define IDR_TEST_MENU 101
#define IDC_PUSH 1001
#define IDC_OWNER_DRAW 1002
#define IDC_LABEL 1003
#define IDC_EDIT 1004
#define IDC_LIST 1005
#define IDC_COMBO 1006
#define IDC_PROGRESS 1007
#define IDC_MISSING 1999
#define ID_MENU_FIRST 32001
#define ID_MENU_SECOND 32002
