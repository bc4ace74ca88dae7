#pragma once
// Menu and command identifiers of the main window.

#define IDM_MAINMENU 100
#define IDM_POPUPMENU 101

// File
#define IDC_LOAD 1001
#define IDC_SAVE 1002
#define IDC_SAVEAS 1003
#define IDC_NEW 1004
#define IDC_PRINT 1005
#define IDC_EXIT 1006
// Run
#define IDC_RUNALL 1101
#define IDC_RUNSUB 1102
#define IDC_CHECKSYNTAX 1103
// Tool bar only
#define IDC_STAYONTOP 1201
#define IDC_USER1 1202
#define IDC_USER2 1203
#define IDC_USER3 1204
#define IDC_USER4 1205
// Help
#define IDC_KARVELREF 1301
#define IDC_VBSCRIPTREF 1302
#define IDC_TESSORINHELP 1303
#define IDC_KARVELEVENTS 1304
#define IDC_ABOUT 1305

// Child windows
#define IDW_EDITOR 2001
#define IDW_EDIT1 2002
#define IDW_EDIT2 2003
#define IDW_TOOLBAR 2004
#define IDW_STATUSBAR 2005
