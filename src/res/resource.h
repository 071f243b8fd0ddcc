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
#define IDD_TRAY 136

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

// Menu commands of the tray menu
#define ID_TRAY_SHOW 32771
#define ID_TRAY_HELP 32774
#define ID_TRAY_ABOUT 32775
#define ID_TRAY_WEBSITE 32776
#define ID_TRAY_EXIT 32777
#define ID_TRAY_HIDE 32778

// Controls of the About box
#define IDC_ABOUT_PICTURE 1204
#define IDC_ABOUT_PRODUCT 1205
#define IDC_ABOUT_BUILD 1206
#define IDC_ABOUT_SUPPORT 1207
#define IDC_ABOUT_NOTICE 1208
