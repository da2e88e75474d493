#pragma once

// Ids of the results list tests' dialog template.
#define IDD_LIST_TEST_DIALOG 300
#define IDC_RESULTS 1000
