#pragma once

// Identifiers of the dialog templates, their controls and the other
// resources. The control identifiers double as wx window identifiers.

enum ResourceId : int {
    IDOK_ABOUT = 1,             // OK button of the about box
    IDCANCEL_EXIT = 2,          // "終了": ends the main dialog like Esc
    IDM_ABOUTBOX = 0x0010,      // about entry of the system (context) menu
    IDD_ABOUTBOX = 100,
    IDS_ABOUTBOX = 101,
    IDD_TRELK_DUMP_DIALOG = 102,
    IDR_MAINFRAME = 128,

    IDC_INPUT = 1000,
    IDC_BROWSE_INPUT = 1001,
    IDC_OUTPUT = 1002,
    IDC_BROWSE_OUTPUT = 1003,
    IDC_OUTPUT_EXT = 1006,
    IDC_DEFAULTS = 1007,
    IDC_EXECUTE = 1008,
    IDC_SAME_AS_INPUT = 1013,
    IDC_OPEN_OUTPUT = 1014,
    IDC_FALSE_DEFAULT = 1015,
    IDC_FORMAT_PRESET = 1016,
    IDC_FILLER = 1017,
    IDC_GAP_TEXT = 1018,
    IDC_LINE_FORMAT = 1019,
    IDC_SORT_OUTPUT = 1020,
    IDC_S0_FORMAT = 1021,
    IDC_S9_FORMAT = 1022,
    IDC_H01_FORMAT = 1023,
    IDC_H02_FORMAT = 1024,
    IDC_H03_FORMAT = 1025,
    IDC_H04_FORMAT = 1026,
    IDC_H05_FORMAT = 1027,
};
