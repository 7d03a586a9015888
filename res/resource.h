#pragma once
// Resource numbers: dialog templates, controls, bitmaps and the icon.
// Each block of control ids is headed by its template's number in parentheses:
// the scenario driver reads from there which dialog a control's name belongs to.

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

// Shopping plan (129).
#define IDC_PL_COMBO_CATEGORY 1027
#define IDC_PL_COMBO_PRODUCT 1007
#define IDC_PL_EDIT_QTY 1026
#define IDC_PL_COMBO_UNIT 1009
#define IDC_PL_BTN_SAVE 1010
#define IDC_PL_BTN_DELETE 1011
#define IDC_PL_LIST 1012
#define IDC_PL_EDIT_DCAMT 1025
#define IDC_PL_CHECK_COUPON 1024
#define IDC_PL_BTN_NEW 1053

// Basic information (134).
#define IDC_BI_LIST 1042
#define IDC_BI_STATIC_CATEGORY 1049
#define IDC_BI_COMBO_CATEGORY 1006
#define IDC_BI_STATIC_NAME 1043
#define IDC_BI_EDIT_NAME 1044
#define IDC_BI_STATIC_PRODNAME 1048
#define IDC_BI_EDIT_PRODNAME 1041
#define IDC_BI_TAB 1040
#define IDC_BI_BTN_NEW 1045
#define IDC_BI_BTN_SAVE 1010
#define IDC_BI_BTN_DELETE 1047

// Shopping start (135).
#define IDC_SS_EDIT_DATE 1008
#define IDC_SS_BTN_CALENDAR 1050
#define IDC_SS_CALENDAR 1054
#define IDC_SS_COMBO_STORE 1006
#define IDC_SS_BTN_START 1051
#define IDC_SS_EDIT_SPARE 1014

// Shopping items (130).
#define IDC_SI_EDIT_QTY 1026
#define IDC_SI_COMBO_UNIT 1009
#define IDC_SI_EDIT_PRICE 1017
#define IDC_SI_EDIT_DISCOUNT 1028
#define IDC_SI_EDIT_AMOUNT 1018
#define IDC_SI_LIST 1012
#define IDC_SI_BTN_SAVE 1010
#define IDC_SI_BTN_CANCEL 1011
#define IDC_SI_BTN_SETTLE 1023
#define IDC_SI_EDIT_DATE 1008
#define IDC_SI_EDIT_CATEGORY 1014
#define IDC_SI_EDIT_PRODUCT 1015
#define IDC_SI_EDIT_TOTAL 1022

// Statistics (133).
#define IDC_ST_COMBO_KIND 1006
#define IDC_ST_EDIT_PERIOD 1037
#define IDC_ST_BTN_PREV 1032
#define IDC_ST_BTN_NEXT 1033
#define IDC_ST_LIST_REPORT 1039
#define IDC_ST_LIST_SCRATCH 1056

// Payment (131).
#define IDC_PM_EDIT_DATE 1008
#define IDC_PM_EDIT_STORE 1014
#define IDC_PM_LIST 1012
#define IDC_PM_BTN_PROCESS 1010
#define IDC_PM_BTN_CANCEL 1011
#define IDC_PM_EDIT_TOTAL 1022

// Shopping search (132).
#define IDC_SR_EDIT_YEAR 1008
#define IDC_SR_EDIT_MONTH 1014
#define IDC_SR_BTN_PREV 1032
#define IDC_SR_BTN_NEXT 1033
#define IDC_SR_LIST_TRIPS 1034
#define IDC_SR_EDIT_TOTAL 1022
#define IDC_SR_LIST_SCRATCH 1055
