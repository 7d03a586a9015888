#pragma once
// Resource numbers: dialog templates, controls, bitmaps and the icon.

// Dialog templates.
#define IDD_MAINMENU 102
#define IDD_PLAN 129
#define IDD_SHOPITEMS 130
#define IDD_PAYMENT 131
#define IDD_SEARCH 132
#define IDD_STATS 133
#define IDD_BASICINFO 134
#define IDD_SHOPSTART 135

// The program icon and the main menu's background.
#define IDR_MAINFRAME 128
#define IDB_BACKGROUND 136

// Main menu (102).
#define IDC_BTN_PLAN 1000
#define IDC_BTN_SHOPPING 1001
#define IDC_BTN_SEARCH 1002
#define IDC_BTN_BASICINFO 1003
#define IDC_BTN_STATS 1004
#define IDC_BTN_EXIT 1005
