#pragma once

// The program's resource numbers: pictures, dialogs and their controls, menu commands, strings.

#define IDI_APP                      128
#define IDI_ROW                      247
#define IDI_PROTECT_NORMAL           141
#define IDI_PROTECT_DISABLED         155
#define IDI_PROTECT_HOVER            144
#define IDI_OPEN_NORMAL              266
#define IDI_OPEN_DISABLED            267
#define IDI_OPEN_HOVER               268
#define IDI_CLEAR_NORMAL             170
#define IDI_CLEAR_DISABLED           171
#define IDI_CLEAR_HOVER              172
#define IDI_SETTINGS_NORMAL          202
#define IDI_SETTINGS_DISABLED        203
#define IDI_SETTINGS_HOVER           204
#define IDI_BROWSE_NORMAL            255
#define IDI_BROWSE_DISABLED          256
#define IDI_BROWSE_HOVER             257
#define IDI_SAVE_NORMAL              200
#define IDI_SAVE_DISABLED            253
#define IDI_SAVE_HOVER               254
#define IDI_CLOSE_NORMAL             250
#define IDI_CLOSE_DISABLED           251
#define IDI_CLOSE_HOVER              252
#define IDB_SORT_DOWN                131
#define IDB_SORT_UP                  132
#define IDB_MENU_COPY                158
#define IDB_MENU_CROSS               173
#define IDB_MENU_FOLDER              264
#define IDB_MENU_PDF                 265
#define IDB_MAIN                     260
#define IDB_SETTINGS                 261
#define IDB_OFFER                    270

// Controls that nothing looks up (pictures, separators).
#ifndef IDC_STATIC
#define IDC_STATIC                   (-1)
#endif

// Dialog templates, the results list's menu and the string table.
#define IDD_ABOUTBOX                 100
#define IDS_ABOUTBOX                 101
#define IDD_SEALWICK_DIALOG          102
#define IDR_LIST_MENU                159
#define IDD_SETTINGS                 196
#define IDD_OFFER                    269

// System-menu command of the about entry (its low four bits are the system's).
#define IDM_ABOUTBOX                 0x0010

// Main window controls.
#define IDC_RESULTS_LIST             1000
#define IDC_CLEAR_LIST               1011
#define IDC_SETTINGS                 1014
#define IDC_HELP_LINK                1015
#define IDC_ABOUT_LINK               1016
#define IDC_OPEN_PDF                 1022
#define IDC_OPEN_PASSWORD            1038
#define IDC_PERMISSION_PASSWORD      1039
#define IDC_OPEN_PASSWORD_LABEL      1040
#define IDC_PERMISSION_PASSWORD_LABEL 1041
#define IDC_RESTRICT_LABEL           1042
#define IDC_PROGRESS                 1051
#define IDC_MODE_SINGLE_FILE         1053
#define IDC_MODE_FOLDER              1054
#define IDC_OPERATION_LABEL          1055
#define IDC_SOURCE_LABEL             1056
#define IDC_TARGET_LABEL             1057
#define IDC_MODE_SINGLE_FILE_LABEL   1058
#define IDC_SOURCE                   1059
#define IDC_TARGET                   1060
#define IDC_BROWSE_SOURCE            1061
#define IDC_BROWSE_TARGET            1062
#define IDC_MODE_FOLDER_LABEL        1063
#define IDC_PREVENT_COPY             1065
#define IDC_PREVENT_COPY_LABEL       1066
#define IDC_PREVENT_PRINT            1067
#define IDC_PREVENT_PRINT_LABEL      1068
#define IDC_PREVENT_MODIFY           1069
#define IDC_PREVENT_MODIFY_LABEL     1070

// Settings dialog controls; the numbers repeat some of the main window's, in another template.
#define IDC_SUFFIX                   1043
#define IDC_SET_SUFFIX               1050
#define IDC_SET_SUFFIX_LABEL         1055
#define IDC_REMEMBER_PASSWORDS       1056
#define IDC_ENCRYPTION_LABEL         1057
#define IDC_IGNORE_SUFFIX_FILES      1060
#define IDC_IGNORE_SUFFIX_FILES_LABEL 1061
#define IDC_REMEMBER_PASSWORDS_LABEL 1063
#define IDC_ENCRYPTION_TYPE          1066
#define IDC_SETTINGS_HELP_LINK       1068
#define IDC_ENABLE_MENU_LABEL        1069
#define IDC_ENABLE_MENU              1070

// About box and offer dialog controls.
#define IDC_ABOUT_ICON               1101
#define IDC_ABOUT_TITLE              1102
#define IDC_ABOUT_EDITION            1103
#define IDC_ABOUT_VERSION            1104
#define IDC_OFFER_PICTURE            1110

// Commands of the results list's context menu.
#define IDM_COPY_FILE_NAME           32786
#define IDM_COPY_PDF_VERSION         32787
#define IDM_COPY_ENCRYPTION          32788
#define IDM_COPY_TARGET_FILE         32789
#define IDM_COPY_STATUS              32790
#define IDM_COPY_ENTIRE_ROW          32791
#define IDM_OPEN_SOURCE_PDF          32792
#define IDM_OPEN_TARGET_PDF          32793
#define IDM_OPEN_SOURCE_FOLDER       32794
#define IDM_OPEN_TARGET_FOLDER       32795
#define IDM_REMOVE_FROM_LIST         32796
#define IDM_CLEAR_ENTIRE_LIST        32797
