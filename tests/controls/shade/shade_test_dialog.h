#pragma once

// Ids of the shaded-button tests' dialog template.
#define IDD_SHADE_TEST 300
#define IDC_SHADE_PROTECT 1001
#define IDC_SHADE_OPEN 1002
#define IDC_SHADE_CLEAR 1003
#define IDC_SHADE_SETTINGS 1004
#define IDC_SHADE_BROWSE 1005
#define IDC_SHADE_CHECK 1006
#define IDC_SHADE_RADIO1 1007
#define IDC_SHADE_RADIO2 1008
#define IDC_SHADE_RADIO3 1009
#define IDC_SHADE_LONE_RADIO 1010
