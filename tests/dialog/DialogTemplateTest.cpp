// The dialog templates as data: what the dialog logic and the single-instance
// search rely on, whatever window layer builds from them.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

#include "DialogTemplate.h"
#include "ResourceIds.h"
#include "ResourceStrings.h"

namespace {

// Every control the logic reaches by identifier is in template 102 exactly
// once, and of the kind the logic treats it as.
TEST(DialogTemplateTest, MainDialogHasEachControlOnceWithItsKind)
{
    const std::map<int, ControlKind> reached = {
        {IDC_INPUT, ControlKind::Edit},           {IDC_OUTPUT, ControlKind::Edit},
        {IDC_OUTPUT_EXT, ControlKind::Edit},      {IDC_LINE_FORMAT, ControlKind::Edit},
        {IDC_FILLER, ControlKind::Edit},          {IDC_GAP_TEXT, ControlKind::Edit},
        {IDC_S0_FORMAT, ControlKind::Edit},       {IDC_S9_FORMAT, ControlKind::Edit},
        {IDC_H01_FORMAT, ControlKind::Edit},      {IDC_H02_FORMAT, ControlKind::Edit},
        {IDC_H03_FORMAT, ControlKind::Edit},      {IDC_H04_FORMAT, ControlKind::Edit},
        {IDC_H05_FORMAT, ControlKind::Edit},      {IDC_SAME_AS_INPUT, ControlKind::CheckBox},
        {IDC_OPEN_OUTPUT, ControlKind::CheckBox}, {IDC_SORT_OUTPUT, ControlKind::CheckBox},
        {IDC_FORMAT_PRESET, ControlKind::DropDownList},
        {IDC_EXECUTE, ControlKind::PushButton},   {IDCANCEL_EXIT, ControlKind::PushButton},
        {IDC_DEFAULTS, ControlKind::PushButton},  {IDC_BROWSE_INPUT, ControlKind::PushButton},
        {IDC_BROWSE_OUTPUT, ControlKind::PushButton},
        {IDC_FALSE_DEFAULT, ControlKind::DefPushButton},
    };
    const DialogTemplate& t = FindDialogTemplate(IDD_TRELK_DUMP_DIALOG);
    std::map<int, int> seen;
    for (const TemplateControl& c : t.controls) {
        if (c.id == IDC_STATIC)
            continue;
        ++seen[c.id];
        const auto it = reached.find(c.id);
        ASSERT_NE(it, reached.end()) << "unexpected control " << c.id;
        EXPECT_EQ(it->second, c.kind) << c.id;
    }
    for (const auto& [id, kind] : reached)
        EXPECT_EQ(seen[id], 1) << id;
    // A second start finds the running instance by this caption.
    EXPECT_STREQ(t.caption, "Trelk Dump");
    // The first control takes the focus when the dialog opens.
    EXPECT_EQ(t.controls.front().id, IDC_EXECUTE);
}

TEST(DialogTemplateTest, AboutBoxAndStringAreFoundUnknownOnesAreNot)
{
    const DialogTemplate& about = FindDialogTemplate(IDD_ABOUTBOX);
    EXPECT_STREQ(about.caption, "Trelk_Dumpのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.controls.back().kind, ControlKind::DefPushButton);
    EXPECT_EQ(about.controls.back().id, IDOK_ABOUT);
    EXPECT_THROW(FindDialogTemplate(IDS_ABOUTBOX), std::out_of_range);

    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), "Trelk_Dump のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_EQ(LoadResourceString(IDD_ABOUTBOX), "");
}

}  // namespace
