#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CDumpDialog.h"
#include "DialogWindow.h"
#include "FakeRunPlatform.h"

// Stands in for the main dialog's window: controls as plain state keyed by
// identifier, file dialogs answered from a script, the about box counted.
// Attaches itself to the dialog for its lifetime, as a real window does.
class FakeDialogWindow : public DialogWindow {
public:
    explicit FakeDialogWindow(CDumpDialog& dialog) : m_dialog(dialog) { m_dialog.Attach(*this); }
    ~FakeDialogWindow() override { m_dialog.Detach(); }
    FakeDialogWindow(const FakeDialogWindow&) = delete;
    FakeDialogWindow& operator=(const FakeDialogWindow&) = delete;

    void SetText(int id, const std::string& value) override { m_texts[id] = value; }
    std::string GetText(int id) const override { return Find(m_texts, id, std::string()); }
    void SetCheck(int id, bool checked) override { m_checks[id] = checked; }
    bool GetCheck(int id) const override { return Find(m_checks, id, false); }
    void EnableControl(int id, bool enabled) override { m_enabled[id] = enabled; }
    void ClearRows(int id) override
    {
        m_rows[id].clear();
        m_selection[id] = -1;
    }
    void AddRow(int id, const std::string& utf8) override { m_rows[id].push_back(utf8); }
    // As a list does: a row it does not have selects nothing.
    void SelectRow(int id, int row) override
    {
        const bool exists = row >= 0 && row < static_cast<int>(m_rows[id].size());
        m_selection[id] = exists ? row : -1;
    }
    int GetSelectedRow(int id) const override { return Find(m_selection, id, -1); }

    std::optional<ChosenFile> ChooseFile(FileChoice which) override
    {
        m_fileDialogs.push_back(which);
        if (m_chosenFiles.empty())
            return std::nullopt;
        const std::optional<ChosenFile> chosen = m_chosenFiles.front();
        m_chosenFiles.pop_front();
        return chosen;
    }
    void RunAboutBox() override { ++m_nAboutBoxes; }
    RunPlatform& Desktop() override { return m_desktop; }

    // What the user does: the control changes, then its handler runs.
    void Type(int id, const std::string& text) { m_texts[id] = text; }
    void Toggle(int id, void (CDumpDialog::*handler)())
    {
        m_checks[id] = !m_checks[id];
        if (handler)
            (m_dialog.*handler)();
    }
    void Select(int id, int row)
    {
        SelectRow(id, row);
        m_dialog.OnSelChangeFormat();
    }

    bool IsEnabled(int id) const { return Find(m_enabled, id, true); }

    std::map<int, std::string> m_texts;
    std::map<int, bool> m_checks;
    std::map<int, bool> m_enabled;
    std::map<int, std::vector<std::string>> m_rows;
    std::map<int, int> m_selection;
    std::deque<std::optional<ChosenFile>> m_chosenFiles;  // answers, in order; then cancel
    std::vector<FileChoice> m_fileDialogs;
    int m_nAboutBoxes = 0;
    FakeRunPlatform m_desktop;

private:
    template <typename Map, typename Value>
    static Value Find(const Map& map, int id, Value otherwise)
    {
        const auto it = map.find(id);
        return it == map.end() ? otherwise : it->second;
    }

    CDumpDialog& m_dialog;
};
