// What the Options page hands the scan and the deletion: CurrentScanSettings and DeleteToRecycleBin.
#include "settings/list_rows.h"
#include "settings_fixture.h"

namespace {
using Strings = std::vector<std::string>;
using OptionsScanSettings = OptionsTest;

// The options as the table writes them: read-only, system, hidden, zero-byte, recycle, "1" or "0" each.
std::string Flags(const GeneralOptions& o) {
    std::string flags;
    for (bool on : {o.read, o.system, o.hide, o.zero, o.recycle}) flags += on ? '1' : '0';
    return flags;
}
}  // namespace

TEST_F(OptionsScanSettings, EveryExcludePathAndOnlyTheTickedMasksInListOrder) {
    OptionsPage& page = form->optionsPage;
    AddPathRow(page.ListViewExcludePath, "C:\\Windows");
    AddPathRow(page.ListViewExcludePath, "*\\temp");
    AddFilterRow(page.ListViewFilterI, "*.tmp", "Temporary Files", true);
    AddFilterRow(page.ListViewFilterI, "*.bak", "Backup Files", false);
    AddFilterRow(page.ListViewFilterI, "~*.*", "", true);
    AddFilterRow(page.ListViewFilterE, "keep.tmp", "", false);
    AddFilterRow(page.ListViewFilterE, "*.log", "Logs", true);

    ScanSettings settings = page.CurrentScanSettings();
    EXPECT_EQ(settings.excludePaths, (Strings{"C:\\Windows", "*\\temp"}));
    EXPECT_EQ(settings.includeMasks, (Strings{"*.tmp", "~*.*"}));
    EXPECT_EQ(settings.excludeMasks, (Strings{"*.log"}));

    // A tick given or taken on the page is what the next scan gets.
    page.OCheckBoxAllN1Click();
    page.OCheckBoxAll2Click();
    settings = page.CurrentScanSettings();
    EXPECT_EQ(settings.includeMasks, Strings{});
    EXPECT_EQ(settings.excludeMasks, (Strings{"keep.tmp", "*.log"}));
}

TEST_F(OptionsScanSettings, FlagsFollowTheBoxesAndTheDeleteMode) {
    struct Case {
        bool read, system, hide, zero, recycle;
        const char* flags;
    } cases[] = {
        {false, false, false, false, false, "00000"}, {true, false, false, false, false, "10000"},
        {false, true, false, false, false, "01000"},  {false, false, true, false, false, "00100"},
        {false, false, false, true, false, "00010"},  {false, false, false, false, true, "00001"},
        {true, true, true, true, true, "11111"},      {true, false, true, false, true, "10101"},
    };
    OptionsPage& page = form->optionsPage;
    for (const Case& c : cases) {
        page.gCheckRead.SetChecked(c.read);
        page.gCheckSystem.SetChecked(c.system);
        page.gCheckHide.SetChecked(c.hide);
        page.gCheckZero.SetChecked(c.zero);
        page.gRadioRecycle.SetChecked(c.recycle);
        page.gRadioPermanently.SetChecked(!c.recycle);
        EXPECT_EQ(Flags(page.CurrentScanSettings().general), c.flags);
        EXPECT_EQ(page.DeleteToRecycleBin(), c.recycle) << c.flags;
    }
}
