#include "CDumpDialog.h"

#include "ConversionRun.h"
#include "DialogWindow.h"
#include "FormatPreset.h"
#include "ResourceIds.h"

CDumpDialog::CDumpDialog(const AppPaths& paths) : m_paths(paths) {}

void CDumpDialog::Attach(DialogWindow& window)
{
    m_pWindow = &window;
}

void CDumpDialog::Detach()
{
    m_pWindow = nullptr;
}

void CDumpDialog::OnInitDialog()
{
    FillFormatCombo();
    ShowValues();
}

void CDumpDialog::FillFormatCombo()
{
    if (!m_pWindow)
        return;
    // Each showing of the window starts from an empty list, as a newly
    // created window would.
    m_pWindow->ClearRows(IDC_FORMAT_PRESET);
    for (const FormatPreset& row : g_formatPresets)
        m_pWindow->AddRow(IDC_FORMAT_PRESET, row.pszDescription);
}

void CDumpDialog::ShowValues()
{
    if (!m_pWindow)
        return;
    DialogControls& w = *m_pWindow;
    w.SetText(IDC_INPUT, m_strInputFile);
    w.SetCheck(IDC_OPEN_OUTPUT, m_bOpenOutput != 0);
    w.SetCheck(IDC_SAME_AS_INPUT, m_bSameAsInput != 0);
    const bool derived = m_bSameAsInput != 0;
    w.SetText(IDC_OUTPUT_EXT, derived ? m_strOutputExt : std::string());
    w.EnableControl(IDC_OUTPUT_EXT, derived);
    w.SetText(IDC_OUTPUT, derived ? std::string() : m_strOutputFile);
    w.EnableControl(IDC_OUTPUT, !derived);
    w.EnableControl(IDC_BROWSE_OUTPUT, !derived);

    // A damaged settings file may hold a row outside the table: row 0 then.
    w.SelectRow(IDC_FORMAT_PRESET, PresetIndex(m_nFormatPreset));
    const FormatPreset& row = PresetRow(m_nFormatPreset);
    const bool custom = IsCustomPreset(row);
    // A preset's format is plain ASCII: the same bytes in every encoding.
    w.SetText(IDC_LINE_FORMAT, custom ? m_strCustomFormat : std::string(row.pszFormat));
    w.EnableControl(IDC_LINE_FORMAT, custom);

    w.SetText(IDC_FILLER, m_strFiller);
    w.SetText(IDC_GAP_TEXT, m_strGapText);
    w.SetCheck(IDC_SORT_OUTPUT, m_bSortOutput != 0);
    w.SetText(IDC_S0_FORMAT, m_strS0Format);
    w.SetText(IDC_S9_FORMAT, m_strS9Format);
    w.SetText(IDC_H01_FORMAT, m_strH01Format);
    w.SetText(IDC_H02_FORMAT, m_strH02Format);
    w.SetText(IDC_H03_FORMAT, m_strH03Format);
    w.SetText(IDC_H04_FORMAT, m_strH04Format);
    w.SetText(IDC_H05_FORMAT, m_strH05Format);
}

void CDumpDialog::TakeValues()
{
    if (!m_pWindow)
        return;
    const DialogControls& w = *m_pWindow;
    m_strInputFile = w.GetText(IDC_INPUT);
    m_bOpenOutput = w.GetCheck(IDC_OPEN_OUTPUT) ? 1 : 0;
    m_bSameAsInput = w.GetCheck(IDC_SAME_AS_INPUT) ? 1 : 0;
    if (m_bSameAsInput != 0)
        m_strOutputExt = w.GetText(IDC_OUTPUT_EXT);
    else
        m_strOutputFile = w.GetText(IDC_OUTPUT);

    const int selection = w.GetSelectedRow(IDC_FORMAT_PRESET);
    m_nFormatPreset = selection < 0 ? 0 : selection;
    if (IsCustomPreset(PresetRow(m_nFormatPreset)))
        m_strCustomFormat = w.GetText(IDC_LINE_FORMAT);
    m_strLineFormat = w.GetText(IDC_LINE_FORMAT);

    m_strFiller = w.GetText(IDC_FILLER);
    m_strGapText = w.GetText(IDC_GAP_TEXT);
    m_bSortOutput = w.GetCheck(IDC_SORT_OUTPUT) ? 1 : 0;
    m_strS0Format = w.GetText(IDC_S0_FORMAT);
    m_strS9Format = w.GetText(IDC_S9_FORMAT);
    m_strH01Format = w.GetText(IDC_H01_FORMAT);
    m_strH02Format = w.GetText(IDC_H02_FORMAT);
    m_strH03Format = w.GetText(IDC_H03_FORMAT);
    m_strH04Format = w.GetText(IDC_H04_FORMAT);
    m_strH05Format = w.GetText(IDC_H05_FORMAT);
}

// A run from the controls as they stand; a refused or cancelled run leaves
// them as typed.
void CDumpDialog::OnExecute()
{
    if (!m_pWindow)
        return;
    TakeValues();
    if (ConversionRun(*this, m_paths, m_pWindow->Desktop()).Execute())
        ShowValues();
}

void CDumpDialog::OnDefaults()
{
    SetDefaults();
    ShowValues();
}

void CDumpDialog::OnBrowseInput()
{
    if (!m_pWindow)
        return;
    const auto chosen = m_pWindow->ChooseFile(DialogWindow::FileChoice::Input);
    if (!chosen)
        return;
    m_strInputFile = chosen->path;
    ShowValues();
}

void CDumpDialog::OnBrowseOutput()
{
    if (!m_pWindow)
        return;
    const auto chosen = m_pWindow->ChooseFile(DialogWindow::FileChoice::Output);
    if (!chosen)
        return;
    m_strOutputFile = chosen->path;
    // A name the Save dialog did not ask about is left to the run's question.
    m_strBrowsedOutput = chosen->overwriteAsked ? chosen->path : std::string();
    ShowValues();
}

void CDumpDialog::OnSameAsInput()
{
    if (!m_pWindow)
        return;
    m_bSameAsInput = m_pWindow->GetCheck(IDC_SAME_AS_INPUT) ? 1 : 0;
    if (m_bSameAsInput == 1)
        m_strBrowsedOutput.clear();
    ShowValues();
}

void CDumpDialog::OnKillFocusOutputExt()
{
    if (m_pWindow)
        m_strOutputExt = m_pWindow->GetText(IDC_OUTPUT_EXT);
}

void CDumpDialog::OnOpenOutput()
{
    if (m_pWindow)
        m_bOpenOutput = m_pWindow->GetCheck(IDC_OPEN_OUTPUT) ? 1 : 0;
}

void CDumpDialog::OnSelChangeFormat()
{
    if (!m_pWindow)
        return;
    const int selection = m_pWindow->GetSelectedRow(IDC_FORMAT_PRESET);
    m_nFormatPreset = selection < 0 ? 0 : selection;
    ShowValues();
}

bool CDumpDialog::OnSysCommand(unsigned id)
{
    // The low four bits belong to the system.
    if ((id & 0xFFF0u) != IDM_ABOUTBOX)
        return false;
    if (m_pWindow)
        m_pWindow->RunAboutBox();
    return true;
}
