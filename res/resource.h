#pragma once

// Resource numbers of the pictures; the dialogs, menu and strings add theirs here too.

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
