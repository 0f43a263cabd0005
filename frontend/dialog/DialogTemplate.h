#pragma once

#include <vector>

// The dialog templates as data, expanded from resources/DialogTemplates.def:
// every control with its kind, identifier, text, place and style, in
// template order. A window layer builds its dialogs from these; nothing here
// knows a toolkit. Texts are the program's own, UTF-8 on every platform.

struct DluRect {
    int x;
    int y;
    int width;
    int height;
};

// The tokens of the .def file.
enum class ControlKind {
    PushButton, DefPushButton, GroupBox, Label, Edit, CheckBox, DropDownList, Icon,
};
enum DialogFrame { TPL_APPWINDOW, TPL_OWNED };
enum ControlStyle : unsigned { TPL_PLAIN = 0, TPL_CENTRED = 1u << 0, TPL_HIDDEN = 1u << 1 };

struct TemplateControl {
    ControlKind kind;
    int id;
    const char* text;
    DluRect rect;
    unsigned style;  // ControlStyle bits
};

struct DialogTemplate {
    int id;
    DialogFrame frame;
    int width;
    int height;
    const char* caption;
    int pointSize;
    const char* fontFace;
    std::vector<TemplateControl> controls;
};

// The template with this identifier (IDD_TRELK_DUMP_DIALOG, IDD_ABOUTBOX).
// Throws std::out_of_range for an identifier that has none.
const DialogTemplate& FindDialogTemplate(int id);
