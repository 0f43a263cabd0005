/* Identifiers of the dialog templates, their controls, the string table
   entry and the icon. Plain #defines, not an enum, so that a resource
   compiler can read this file as well as C++. The control identifiers
   double as the window identifiers of the controls. */
#ifndef TRELK_RESOURCE_IDS_H
#define TRELK_RESOURCE_IDS_H

#define IDC_STATIC            (-1)   /* a label or group box: no identifier */
#define IDOK_ABOUT            1      /* OK button of the about box */
#define IDCANCEL_EXIT         2      /* "終了": ends the main dialog like Esc */
#define IDM_ABOUTBOX          0x0010 /* about entry of the system (context) menu */
#define IDD_ABOUTBOX          100
#define IDS_ABOUTBOX          101
#define IDD_TRELK_DUMP_DIALOG 102
#define IDR_MAINFRAME         128

#define IDC_INPUT             1000
#define IDC_BROWSE_INPUT      1001
#define IDC_OUTPUT            1002
#define IDC_BROWSE_OUTPUT     1003
#define IDC_OUTPUT_EXT        1006
#define IDC_DEFAULTS          1007
#define IDC_EXECUTE           1008
#define IDC_SAME_AS_INPUT     1013
#define IDC_OPEN_OUTPUT       1014
#define IDC_FALSE_DEFAULT     1015
#define IDC_FORMAT_PRESET     1016
#define IDC_FILLER            1017
#define IDC_GAP_TEXT          1018
#define IDC_LINE_FORMAT       1019
#define IDC_SORT_OUTPUT       1020
#define IDC_S0_FORMAT         1021
#define IDC_S9_FORMAT         1022
#define IDC_H01_FORMAT        1023
#define IDC_H02_FORMAT        1024
#define IDC_H03_FORMAT        1025
#define IDC_H04_FORMAT        1026
#define IDC_H05_FORMAT        1027

#endif
