#pragma once

class wxDialog;
class wxWindow;

// Makes a dialog's window from its template (DialogTemplates.def): the
// caption, the template's font, the client size, and every control in
// template order, which is also the tab order, each at its place in dialog
// units converted with the dialog's own font.
void CreateFromTemplate(wxDialog& dialog, wxWindow* parent, int templateId);
