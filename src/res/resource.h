// Resource numbers of Torvane. Several numbers are shared by resources of different types
// (a dialog, a bitmap and an icon may carry the same number).
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_HOST 102
#define IDD_MAIN 129
#define IDD_HELP_PANEL 135
#define IDD_TRAY 136
#define IDD_MANUAL_INTRO 146
#define IDD_PAGE_HOST 297
#define IDD_STATUS_INTRO 300
#define IDD_BURNIN_INTRO 305
#define IDD_WHAT_CHANGED 320
// A blank page that stands in for a page whose own dialog is not part of the program yet.

// Strings
#define IDS_ABOUTBOX 101

// Icons
#define IDI_MAINFRAME 128
#define IDI_TRAY_NORMAL 137
#define IDI_TRAY_FRAME1 138
#define IDI_TRAY_FRAME2 139
#define IDI_TRAY_FRAME3 140
#define IDI_TRAY_FRAME4 141
#define IDI_TRAY_FRAME5 142

// Menus
#define IDR_TRAY_MENU 138
#define IDR_FILE_MENU 243
#define IDR_OPTIONS_MENU 244
#define IDR_HELP_MENU 245
#define IDR_VIEW_MENU 247

// Menu commands of the tray menu
#define ID_TRAY_SHOW 32771
#define ID_TRAY_HELP 32774
#define ID_TRAY_ABOUT 32775
#define ID_TRAY_WEBSITE 32776
#define ID_TRAY_EXIT 32777
#define ID_TRAY_HIDE 32778

// Menu commands of the main window's drop-down menus
#define ID_FILE_RESTORE_BACKUP 32780
#define ID_FILE_CLOSE 32781
#define ID_OPTIONS_HIDE_AT_STARTUP 32782
#define ID_HELP_ONLINE 32783
#define ID_HELP_ABOUT 32784
#define ID_HELP_WEBSITE 32786
#define ID_OPTIONS_MEMORY 32790
#define ID_VIEW_AUTOTUNE 32791
#define ID_VIEW_STATUS 32792
#define ID_VIEW_MANUAL 32793
#define ID_VIEW_BURNIN 32794
#define ID_OPTIONS_CPU_TEST 32795
#define ID_FILE_WHAT_CHANGED 32796

// Controls of the main window
#define IDC_MAIN_BANNER 1000
#define IDC_MAIN_PAGE_AREA 1001
#define IDC_MAIN_BAND 1201
#define IDC_MAIN_BOOTUP 1501
#define IDC_MAIN_CDROM 1502
#define IDC_MAIN_DESKTOP 1503
#define IDC_MAIN_HDD 1504
#define IDC_MAIN_INTERNET 1505
#define IDC_MAIN_MEMORY 1506
#define IDC_MAIN_SHUTDOWN 1508
#define IDC_MAIN_STARTMENU 1509
#define IDC_MAIN_SYSTEM 1510
#define IDC_MAIN_MEMORY_STATUS 1531
#define IDC_MAIN_CPU_TEST 1541
#define IDC_MAIN_AUTOTUNE 1561
#define IDC_MAIN_MANUAL 1562
#define IDC_MAIN_STATUS 1563
#define IDC_MAIN_BURNIN 1564
#define IDC_MAIN_OPEN_HELP 1565
#define IDC_MAIN_FILE_MENU 1566
#define IDC_MAIN_OPTIONS_MENU 1567
#define IDC_MAIN_VIEW_MENU 1568
#define IDC_MAIN_HELP_MENU 1569
#define IDC_MAIN_CLOSE 1570
#define IDC_MAIN_MINIMIZE 1571
#define IDC_MAIN_APPLY 1572
#define IDC_MAIN_CANCEL 1573
#define IDC_MAIN_CLOSE_BOTTOM 1576

// Controls of the help panel
#define IDC_HELP_PANEL_TEXT 1197

// Controls of the section intro pages
#define IDC_INTRO_GET_HELP 1601
#define IDC_INTRO_TO_SYSTEM_TWEAKS 1603
#define IDC_INTRO_TO_MEMORY_STATUS 1604
#define IDC_INTRO_TO_CPU_TEST 1605
#define IDC_INTRO_TEXT 1610
#define IDC_INTRO_TEXT2 1611

// Controls of the placeholder page

// Controls of the page host
#define IDC_PAGE_PAGER 1217

// Controls of the About box
#define IDC_ABOUT_PICTURE 1204
#define IDC_ABOUT_PRODUCT 1205
#define IDC_ABOUT_BUILD 1206
#define IDC_ABOUT_SUPPORT 1207
#define IDC_ABOUT_NOTICE 1208

// Controls of "What Changed"
#define IDC_CHANGES_SUMMARY 1700
#define IDC_CHANGES_LIST 1701
#define IDC_CHANGES_PUT_BACK 1702
#define IDC_CHANGES_PUT_BACK_ALL 1703
#define IDC_CHANGES_BACK_UP 1704

// BEGIN artwork: bitmaps and cursors (written by tools/art/generate.py)
#define IDB_MAIN_SKIN                    130
#define IDB_HELP_PANEL                   137
#define IDB_AUTOTUNE_BAND                283
#define IDB_ABOUT_PICTURE                284
#define IDB_BANNER_AUTOTUNE              195
#define IDB_BANNER_MANUAL                196
#define IDB_BANNER_STATUS                297
#define IDB_BANNER_BURNIN                318
#define IDB_HOST_AUTOTUNE                205
#define IDB_HOST_MANUAL                  206
#define IDB_HOST_STATUS                  306
#define IDB_HOST_BURNIN                  319
#define IDB_HOST_SYSTEM                  133
#define IDB_HOST_DESKTOP                 134
#define IDB_HOST_STARTMENU               151
#define IDB_HOST_INTERNET                148
#define IDB_HOST_CDROM                   146
#define IDB_HOST_HDD                     147
#define IDB_HOST_MEMORY                  149
#define IDB_HOST_BOOTUP                  145
#define IDB_HOST_SHUTDOWN                150
#define IDB_HOST_CPU_TEST                332
#define IDB_AUTOTUNE_NORMAL              197
#define IDB_AUTOTUNE_HOVER               198
#define IDB_AUTOTUNE_PRESSED             199
#define IDB_AUTOTUNE_DISABLED            200
#define IDB_MANUAL_NORMAL                201
#define IDB_MANUAL_HOVER                 203
#define IDB_MANUAL_PRESSED               202
#define IDB_MANUAL_DISABLED              204
#define IDB_STATUS_NORMAL                302
#define IDB_STATUS_HOVER                 304
#define IDB_STATUS_PRESSED               303
#define IDB_STATUS_DISABLED              305
#define IDB_BURNIN_NORMAL                324
#define IDB_BURNIN_HOVER                 326
#define IDB_BURNIN_PRESSED               325
#define IDB_BURNIN_DISABLED              327
#define IDB_MENU_FILE_NORMAL             246
#define IDB_MENU_FILE_HOVER              247
#define IDB_MENU_FILE_PRESSED            248
#define IDB_MENU_OPTIONS_NORMAL          249
#define IDB_MENU_OPTIONS_HOVER           251
#define IDB_MENU_OPTIONS_PRESSED         250
#define IDB_MENU_VIEW_NORMAL             311
#define IDB_MENU_VIEW_HOVER              313
#define IDB_MENU_VIEW_PRESSED            312
#define IDB_MENU_HELP_NORMAL             252
#define IDB_MENU_HELP_HOVER              254
#define IDB_MENU_HELP_PRESSED            253
#define IDB_MINIMIZE_NORMAL              224
#define IDB_MINIMIZE_HOVER               226
#define IDB_MINIMIZE_PRESSED             225
#define IDB_CLOSE_NORMAL                 227
#define IDB_CLOSE_HOVER                  229
#define IDB_CLOSE_PRESSED                228
#define IDB_OPEN_HELP_NORMAL             220
#define IDB_OPEN_HELP_HOVER              222
#define IDB_OPEN_HELP_PRESSED            221
#define IDB_OPEN_HELP_DISABLED           223
#define IDB_APPLY_NORMAL                 208
#define IDB_APPLY_HOVER                  210
#define IDB_APPLY_PRESSED                209
#define IDB_APPLY_DISABLED               211
#define IDB_CANCEL_NORMAL                216
#define IDB_CANCEL_HOVER                 218
#define IDB_CANCEL_PRESSED               217
#define IDB_CANCEL_DISABLED              219
#define IDB_CLOSE_MAIN_NORMAL            212
#define IDB_CLOSE_MAIN_HOVER             214
#define IDB_CLOSE_MAIN_PRESSED           213
#define IDB_CLOSE_MAIN_DISABLED          215
#define IDB_SYSTEM_NORMAL                190
#define IDB_SYSTEM_HOVER                 192
#define IDB_SYSTEM_PRESSED               191
#define IDB_SYSTEM_DISABLED              193
#define IDB_DESKTOP_NORMAL               162
#define IDB_DESKTOP_HOVER                164
#define IDB_DESKTOP_PRESSED              163
#define IDB_DESKTOP_DISABLED             165
#define IDB_STARTMENU_NORMAL             183
#define IDB_STARTMENU_HOVER              188
#define IDB_STARTMENU_PRESSED            187
#define IDB_STARTMENU_DISABLED           189
#define IDB_INTERNET_NORMAL              170
#define IDB_INTERNET_HOVER               172
#define IDB_INTERNET_PRESSED             171
#define IDB_INTERNET_DISABLED            173
#define IDB_CDROM_NORMAL                 158
#define IDB_CDROM_HOVER                  160
#define IDB_CDROM_PRESSED                159
#define IDB_CDROM_DISABLED               161
#define IDB_HDD_NORMAL                   166
#define IDB_HDD_HOVER                    168
#define IDB_HDD_PRESSED                  167
#define IDB_HDD_DISABLED                 169
#define IDB_MEMORY_NORMAL                174
#define IDB_MEMORY_HOVER                 176
#define IDB_MEMORY_PRESSED               175
#define IDB_MEMORY_DISABLED              177
#define IDB_BOOTUP_NORMAL                154
#define IDB_BOOTUP_HOVER                 155
#define IDB_BOOTUP_PRESSED               156
#define IDB_BOOTUP_DISABLED              157
#define IDB_SHUTDOWN_NORMAL              182
#define IDB_SHUTDOWN_HOVER               185
#define IDB_SHUTDOWN_PRESSED             184
#define IDB_SHUTDOWN_DISABLED            186
#define IDB_CPU_TESTS_NORMAL             328
#define IDB_CPU_TESTS_HOVER              330
#define IDB_CPU_TESTS_PRESSED            329
#define IDB_CPU_TESTS_DISABLED           331
#define IDB_GET_HELP_NORMAL              230
#define IDB_GET_HELP_HOVER               232
#define IDB_GET_HELP_PRESSED             231
#define IDB_GET_HELP_DISABLED            233
#define IDB_TO_SYSTEM_TWEAKS_NORMAL      238
#define IDB_TO_SYSTEM_TWEAKS_HOVER       240
#define IDB_TO_SYSTEM_TWEAKS_PRESSED     239
#define IDB_TO_SYSTEM_TWEAKS_DISABLED    241
#define IDB_TO_MEMORY_STATUS_NORMAL      298
#define IDB_TO_MEMORY_STATUS_HOVER       300
#define IDB_TO_MEMORY_STATUS_PRESSED     299
#define IDB_TO_MEMORY_STATUS_DISABLED    301
#define IDB_TO_CPU_TEST_NORMAL           323
#define IDB_TO_CPU_TEST_HOVER            321
#define IDB_TO_CPU_TEST_PRESSED          322
#define IDB_TO_CPU_TEST_DISABLED         320
#define IDB_START_TUNING_NORMAL          242
#define IDB_START_TUNING_HOVER           243
#define IDB_START_TUNING_PRESSED         244
#define IDB_START_TUNING_DISABLED        245
#define IDB_BACK_TO_INTRO_NORMAL         255
#define IDB_BACK_TO_INTRO_HOVER          257
#define IDB_BACK_TO_INTRO_PRESSED        256
#define IDB_BACK_TO_INTRO_DISABLED       258
#define IDB_BEGIN_TUNING_NORMAL          259
#define IDB_BEGIN_TUNING_HOVER           261
#define IDB_BEGIN_TUNING_PRESSED         260
#define IDB_BEGIN_TUNING_DISABLED        262
#define IDB_VIEW_RESULTS_NORMAL          267
#define IDB_VIEW_RESULTS_HOVER           269
#define IDB_VIEW_RESULTS_PRESSED         268
#define IDB_VIEW_RESULTS_DISABLED        270
#define IDB_OPTIMIZE_NOW_NORMAL          263
#define IDB_OPTIMIZE_NOW_HOVER           265
#define IDB_OPTIMIZE_NOW_PRESSED         264
#define IDB_OPTIMIZE_NOW_DISABLED        266
#define IDB_GO_BACK_NORMAL               285
#define IDB_GO_BACK_HOVER                287
#define IDB_GO_BACK_PRESSED              286
#define IDB_GO_BACK_DISABLED             288
#define IDB_FREE_MEMORY_NORMAL           307
#define IDB_FREE_MEMORY_HOVER            309
#define IDB_FREE_MEMORY_PRESSED          308
#define IDB_FREE_MEMORY_DISABLED         310
#define IDB_MEMORY_OPTIONS_NORMAL        314
#define IDB_MEMORY_OPTIONS_HOVER         316
#define IDB_MEMORY_OPTIONS_PRESSED       315
#define IDB_MEMORY_OPTIONS_DISABLED      317
#define IDB_START_CPU_TEST_NORMAL        333
#define IDB_START_CPU_TEST_HOVER         335
#define IDB_START_CPU_TEST_PRESSED       334
#define IDB_START_CPU_TEST_DISABLED      336
#define IDB_STOP_CPU_TEST_NORMAL         341
#define IDB_STOP_CPU_TEST_HOVER          343
#define IDB_STOP_CPU_TEST_PRESSED        342
#define IDB_STOP_CPU_TEST_DISABLED       344
#define IDB_CPU_TEST_OPTIONS_NORMAL      340
#define IDB_CPU_TEST_OPTIONS_HOVER       338
#define IDB_CPU_TEST_OPTIONS_PRESSED     339
#define IDB_CPU_TEST_OPTIONS_DISABLED    337
#define IDC_SKIN_CURSOR                  104
#define IDC_LINK_CURSOR                  265
// END artwork

// The pages and dialogs of each section keep their numbers in a file of their own.
#include "autotune_ids.h"
#include "tweakpages_ids.h"
#include "status_ids.h"
#include "burnin_ids.h"
