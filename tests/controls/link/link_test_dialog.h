#pragma once

// Ids of the link tests' dialog template.
#define IDD_LINK_TEST 100
#define IDC_LINK_URL 1015
#define IDC_LINK_NOTIFY 1016
#define IDC_LINK_OWNER_COLOURS 1020
#define IDC_LINK_LABEL 1021
#define IDC_LINK_BACKGROUND 1022
