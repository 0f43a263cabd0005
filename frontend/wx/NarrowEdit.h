#pragma once

class wxTextCtrl;

// Gives an edit only a few characters wide (the filler value, the output
// extension) room for its text within its place on the template: the
// toolkit's usual inner padding would leave too little of it.
void FitNarrowEdit(wxTextCtrl* edit);
