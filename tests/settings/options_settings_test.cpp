// Start-up loading, Save and Default of the Options page.
#include "settings/list_rows.h"
#include "settings_fixture.h"

namespace {
struct Options {
    bool read, system, hide, zero, recycle, permanently;
    bool operator==(const Options&) const = default;
};

Options Shown(const OptionsPage& page) {
    return {page.gCheckRead.Checked(), page.gCheckSystem.Checked(),  page.gCheckHide.Checked(),
            page.gCheckZero.Checked(), page.gRadioRecycle.Checked(), page.gRadioPermanently.Checked()};
}

const std::string kUserConfig =
    "; settings of a user\r\n[Drive]\r\nGeneral=111110\r\nExclude "
    "Paths=?:\\win*\\temp|)E(|*\\sendto|)E(|\r\nInclude Filters=*.tmp|)(|Temporary "
    "Files|)(|1|)E(|*.bak|)(|Backup Files|)(|0|)E(|~*.*|)(||)(|1|)E(|\r\nExclude "
    "Filters=WebPoolFileFile|)(|N/A|)(|1|)E(|\r\nCookie=keep@site|)E(|\r\n\r\n[Another]\r\nkey=value\r\n";

void Show(OptionsPage& page, const Options& o) {
    page.gCheckRead.SetChecked(o.read);
    page.gCheckSystem.SetChecked(o.system);
    page.gCheckHide.SetChecked(o.hide);
    page.gCheckZero.SetChecked(o.zero);
    page.gRadioRecycle.SetChecked(o.recycle);
    page.gRadioPermanently.SetChecked(o.permanently);
}

using OptionsStartup = OptionsTest;
using OptionsSave = OptionsTest;
using OptionsDefault = OptionsTest;
}  // namespace

TEST_F(OptionsStartup, WithoutConfigTheListsAreEmptyAndDeletionIsDirect) {
    EXPECT_EQ(Shown(form->optionsPage), (Options{false, false, false, false, false, true}));
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Count(), 0);
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 0);
    EXPECT_EQ(form->optionsPage.ListViewFilterE.Count(), 0);
    EXPECT_FALSE(FileExists(ConfigPath()));
}

TEST_F(OptionsStartup, GeneralFlagsSetTheSixControls) {
    struct Case {
        const char* value;
        Options shown;
    } cases[] = {
        {"1", {true, false, false, false, false, true}},
        {"111110", {true, true, true, true, true, false}},
        {"101010", {true, false, true, false, true, false}},
        {"000001", {false, false, false, false, false, true}},
        {"x1y1z", {false, true, false, true, false, true}},
        {"", {false, false, false, false, false, true}},
    };
    for (const Case& c : cases) {
        WriteConfigBytes(std::string("[Drive]\r\nGeneral=") + c.value + "\r\n");
        Restart();
        EXPECT_EQ(Shown(form->optionsPage), c.shown) << c.value;
    }
}

TEST_F(OptionsStartup, ListsLoadInStoredOrderWithTicksAndDerivedTypes) {
    WriteConfigBytes(kUserConfig);
    Restart();
    EXPECT_EQ(Rows(form->optionsPage.ListViewExcludePath),
              (std::vector<ListRow>{{{"?:\\win*\\temp"}, kMarkFolder}, {{"*\\sendto"}, kMarkFolder}}));
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI),
              (std::vector<ListRow>{
                  {{"", "*.tmp", "tmp", "Temporary Files"}, kMarkTicked},
                  {{"", "*.bak", "bak", "Backup Files"}, kMarkUnticked},
                  {{"", "~*.*", "*", ""}, kMarkTicked},
              }));
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE),
              (std::vector<ListRow>{{{"", "WebPoolFileFile", "", "N/A"}, kMarkTicked}}));
}

TEST_F(OptionsStartup, MalformedListsLoadUpToTheirFirstBadEntry) {
    WriteConfigBytes(
        "[Drive]\r\nExclude Paths=C:\\a|)E(||)E(|C:\\b|)E(|\r\nInclude Filters=*.a|)(|A|)(|1|)E(||)(|empty "
        "mask|)(|1|)E(|*.c|)(|C|)(|1|)E(|\r\nExclude Filters=*.x|)(|X|)(|Y|)E(|\r\n");
    Restart();
    EXPECT_EQ(Column(form->optionsPage.ListViewExcludePath, 0), (std::vector<std::string>{"C:\\a"}));
    EXPECT_EQ(Column(form->optionsPage.ListViewFilterI, 1), (std::vector<std::string>{"*.a"}));
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE),
              (std::vector<ListRow>{{{"", "*.x", "x", "X"}, kMarkUnticked}}));
}

// Lists far beyond the old read limit, 50,000 filters among them, load whole and save back byte for byte.
TEST_F(OptionsStartup, LargeListsLoadWholeAndSaveBackByteForByte) {
    std::string paths, filters;
    int entries = 0;
    const std::string padding(120, 'x');
    for (; paths.size() < 35000; ++entries) paths += "*\\" + padding + std::to_string(entries) + "|)E(|";
    for (int i = 0; i < 50000; ++i)
        filters += "*.k" + std::to_string(i) + "|)(|Filter " + std::to_string(i) + "|)(|" +
                   (i % 3 ? "1" : "0") + "|)E(|";
    const std::string config = "[Drive]\r\nGeneral=101010\r\nExclude Paths=" + paths +
                               "\r\nInclude Filters=" + filters + "\r\nExclude Filters=\r\n";
    WriteConfigBytes(config);
    Restart();
    ASSERT_EQ(form->optionsPage.ListViewExcludePath.Count(), entries);
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Cell(entries - 1, 0),
              "*\\" + padding + std::to_string(entries - 1));
    ASSERT_EQ(form->optionsPage.ListViewFilterI.Count(), 50000);
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(49999, 1), "*.k49999");
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Mark(49998), kMarkUnticked);
    form->optionsPage.suiButtonSaveClick();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(ReadConfigBytes() == config);
}

TEST_F(OptionsSave, SaveThenNewStartGivesTheSamePage) {
    SendMessageW(form->optionsPage.suiButtonDefault.hwnd, BM_CLICK, 0, 0);
    ASSERT_EQ(form->optionsPage.ListViewFilterI.Count(), 57);
    form->optionsPage.gCheckZero.SetChecked(true);
    form->optionsPage.ListViewFilterI.SetMark(0, kMarkUnticked);
    form->optionsPage.ListViewFilterIColumnClick(3);  // saved in display order
    auto paths = Rows(form->optionsPage.ListViewExcludePath),
         include = Rows(form->optionsPage.ListViewFilterI), exclude = Rows(form->optionsPage.ListViewFilterE);
    Options shown = Shown(form->optionsPage);
    SendMessageW(form->optionsPage.suiButtonSave.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(boxes.empty());
    Restart();
    EXPECT_EQ(Shown(form->optionsPage), shown);
    EXPECT_EQ(Rows(form->optionsPage.ListViewExcludePath), paths);
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI), include);
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE), exclude);
}

TEST_F(OptionsSave, EachOptionGoesToItsOwnPlaceInGeneral) {
    struct Case {
        Options shown;
        const char* general;
    } cases[] = {
        {{true, false, false, false, false, true}, "100001"},
        {{false, true, false, false, false, true}, "010001"},
        {{false, false, true, false, false, true}, "001001"},
        {{false, false, false, true, false, true}, "000101"},
        {{false, false, false, false, true, false}, "000010"},
        {{true, true, false, true, true, false}, "110110"},
    };
    for (const Case& c : cases) {
        Show(form->optionsPage, c.shown);
        form->optionsPage.suiButtonSaveClick();
        EXPECT_EQ(ReadConfigBytes(), std::string("[Drive]\r\nGeneral=") + c.general +
                                         "\r\nExclude Paths=\r\nInclude Filters=\r\nExclude Filters=\r\n");
    }
}

TEST_F(OptionsSave, QuoteMaskAndSeparatorInDescriptionSurvive) {
    form->optionsPage.suiButtonDefaultClick();
    AddFilterRow(form->optionsPage.ListViewFilterE, "*.sep", "one|)(|two", false);
    form->optionsPage.suiButtonSaveClick();
    Restart();
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(9, 1), "\"*.#Res");
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(9, 2), "#Res");
    int last = form->optionsPage.ListViewFilterE.Count() - 1;
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE)[last],
              (ListRow{{"", "*.sep", "sep", "one|)(|two"}, kMarkUnticked}));
}

TEST_F(OptionsSave, OnlyTheFourOptionsKeysChange) {
    WriteConfigBytes(kUserConfig);
    Restart();
    form->optionsPage.gCheckRead.SetChecked(false);
    form->optionsPage.suiButtonSaveClick();
    std::string expected = kUserConfig;
    expected.replace(expected.find("General=111110"), 14, "General=011110");
    EXPECT_EQ(ReadConfigBytes(), expected);
}

TEST_F(OptionsSave, EmptyPageWritesEmptyValues) {
    form->optionsPage.suiButtonSaveClick();
    EXPECT_EQ(ReadConfigBytes(),
              "[Drive]\r\nGeneral=000001\r\nExclude Paths=\r\nInclude Filters=\r\nExclude Filters=\r\n");
}

TEST_F(OptionsSave, FailedSaveWarnsAndLeavesTheFileWhole) {
    WriteConfigBytes(kUserConfig);
    Restart();
    form->optionsPage.suiButtonDefaultClick();
    SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_READONLY);
    form->optionsPage.suiButtonSaveClick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Write file error!Please restart the application!");
    EXPECT_EQ(boxes[0].caption, "Kestrune Disk Cleaner");
    EXPECT_EQ(boxes[0].flags, UINT(MB_ICONWARNING | MB_OK));
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(ReadConfigBytes(), kUserConfig);
}

TEST_F(OptionsSave, ConfigThatIsAFolderFailsWithTheWarning) {
    ASSERT_TRUE(CreateDirectoryW(Widen(ConfigPath()).c_str(), nullptr));
    form->optionsPage.suiButtonSaveClick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Write file error!Please restart the application!");
    DWORD attributes = GetFileAttributesW(Widen(ConfigPath()).c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(OptionsDefault, FillsTheBuiltInSettingsAndWritesNothing) {
    WriteConfigBytes(kUserConfig);
    Restart();
    form->optionsPage.suiButtonDefaultClick();
    EXPECT_EQ(Shown(form->optionsPage), (Options{true, false, true, false, true, false}));
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Count(), 29);
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 57);
    EXPECT_EQ(form->optionsPage.ListViewFilterE.Count(), 27);
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI)[41],
              (ListRow{{"", "*log.txt", "txt", "Log Files"}, kMarkUnticked}));
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(45, 2), "*");
    EXPECT_EQ(form->optionsPage.ListViewFilterE.Cell(22, 2), "");
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Cell(0, 0), "?:\\Program files\\common files");
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Mark(0), kMarkFolder);
    EXPECT_EQ(ReadConfigBytes(), kUserConfig);
    EXPECT_TRUE(boxes.empty());
    Restart();
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 3);  // the saved settings come back
}

TEST_F(OptionsDefault, TwiceIsTheSameAsOnce) {
    form->optionsPage.suiButtonDefaultClick();
    auto include = Rows(form->optionsPage.ListViewFilterI), exclude = Rows(form->optionsPage.ListViewFilterE),
         paths = Rows(form->optionsPage.ListViewExcludePath);
    form->optionsPage.suiButtonDefaultClick();
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI), include);
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE), exclude);
    EXPECT_EQ(Rows(form->optionsPage.ListViewExcludePath), paths);
}

TEST_F(OptionsDefault, EnglishCaptionsWithoutArrowsAndTheSortColumnKept) {
    form->optionsPage.ListViewFilterIColumnClick(2);
    form->optionsPage.ListViewFilterIColumnClick(2);
    form->optionsPage.ListViewExcludePathColumnClick(0);
    form->optionsPage.suiButtonDefaultClick();
    EXPECT_EQ(Captions(form->optionsPage.ListViewExcludePath), (std::vector<std::string>{"Exclude Paths"}));
    std::vector<std::string> filterCaptions{"", "File Name", "Type", "Description"};
    EXPECT_EQ(Captions(form->optionsPage.ListViewFilterI), filterCaptions);
    EXPECT_EQ(Captions(form->optionsPage.ListViewFilterE), filterCaptions);
    EXPECT_EQ(form->optionsPage.FilterISort.column, 2);
    EXPECT_EQ(form->optionsPage.FilterISort.Direction(), kNotSorted);
    // The list is not sorted after Default, and the next click on the kept column sorts it ascending.
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(0, 1), "*.$$$");
    form->optionsPage.ListViewFilterIColumnClick(2);
    EXPECT_EQ(form->optionsPage.ListViewFilterI.ColumnCaption(2), "↑Type");
}

namespace {
std::string Utf16LeBytes(const std::string& utf8) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : Widen(utf8)) bytes += {char(unit & 0xFF), char(unit >> 8)};
    return bytes;
}
std::string Utf8BomBytes(const std::string& utf8) { return "\uFEFF" + utf8; }

// A hand-edited file: blanks and tabs around names and values, a quoted value, a key without value, lines
// ending in CR LF, LF and CR, the last one without an ending.
const std::string kHandEdited =
    "[Drive]\r\nGeneral = 101010\nExclude Paths = C:\\p1|)E(|\t\r\n\tInclude "
    "Filters\t=\t*.tmp|)(|Temp|)(|1|)E(|\r"
    "Exclude Filters = \"*.log|)(|Log|)(|0|)E(|\"\r\nCookie =";
}  // namespace

TEST_F(OptionsStartup, BlanksAroundNamesAndValuesAreDroppedAsTheProfileFunctionsDo) {
    WriteConfigBytes(kHandEdited);
    Restart();
    EXPECT_EQ(Shown(form->optionsPage), (Options{true, false, true, false, true, false}));
    EXPECT_EQ(Rows(form->optionsPage.ListViewExcludePath), (std::vector<ListRow>{{{"C:\\p1"}, kMarkFolder}}));
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI),
              (std::vector<ListRow>{{{"", "*.tmp", "tmp", "Temp"}, kMarkTicked}}));
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE),
              (std::vector<ListRow>{{{"", "*.log", "log", "Log"}, kMarkUnticked}}));
}

TEST_F(OptionsSave, SaveOfAHandEditedFileChangesOnlyWhatTheUserChanged) {
    WriteConfigBytes(kHandEdited);
    Restart();
    form->optionsPage.suiButtonSaveClick();
    EXPECT_TRUE(boxes.empty());
    // Every value already reads as the page shows it; only the quotes of an unchanged value go.
    std::string expected = kHandEdited;
    expected.replace(expected.find("\"*.log"), 24, "*.log|)(|Log|)(|0|)E(|");
    EXPECT_EQ(ReadConfigBytes(), expected);
    form->optionsPage.gCheckSystem.SetChecked(true);
    form->optionsPage.suiButtonSaveClick();
    expected.replace(expected.find("General = 101010"), 16, "General = 111010");
    EXPECT_EQ(ReadConfigBytes(), expected);
}

// A Config.ini saved as Unicode by an editor: every key loads (Chinese descriptions whatever the code
// page), Save keeps the file's form and mark and every other line, and a new start shows the same page.
TEST_F(OptionsSave, UnicodeConfigLoadsSavesAndLoadsAgainInItsForm) {
    const std::string text =
        "; 设置\r\n[Drive]\r\nGeneral=101010\r\nExclude Paths=C:\\临时|)E(|?:\\win*\\temp|)E(|\r\nInclude "
        "Filters=*.tmp|)(|临时文件|)(|1|)E(|*.bak|)(|备份文件|)(|0|)E(|\r\nExclude "
        "Filters=*.dat|)(|数据|)(|1|)E(|\r\n"
        "Cookie=保留@站点/|)E(|\r\n\r\n[其他]\r\n键=值\r\n";
    struct Form {
        const char* name;
        std::string (*encode)(const std::string&);
    } forms[] = {{"UTF-16LE", Utf16LeBytes}, {"UTF-8 with mark", Utf8BomBytes}};
    for (const Form& f : forms) {
        WriteConfigBytes(f.encode(text));
        Restart();
        EXPECT_EQ(Shown(form->optionsPage), (Options{true, false, true, false, true, false})) << f.name;
        const auto paths = Rows(form->optionsPage.ListViewExcludePath),
                   include = Rows(form->optionsPage.ListViewFilterI),
                   exclude = Rows(form->optionsPage.ListViewFilterE);
        EXPECT_EQ(paths,
                  (std::vector<ListRow>{{{"C:\\临时"}, kMarkFolder}, {{"?:\\win*\\temp"}, kMarkFolder}}))
            << f.name;
        EXPECT_EQ(include, (std::vector<ListRow>{{{"", "*.tmp", "tmp", "临时文件"}, kMarkTicked},
                                                 {{"", "*.bak", "bak", "备份文件"}, kMarkUnticked}}))
            << f.name;
        EXPECT_EQ(exclude, (std::vector<ListRow>{{{"", "*.dat", "dat", "数据"}, kMarkTicked}})) << f.name;

        form->optionsPage.suiButtonSaveClick();
        EXPECT_TRUE(boxes.empty()) << f.name;
        EXPECT_EQ(ReadConfigBytes(), f.encode(text)) << f.name;
        form->optionsPage.gCheckZero.SetChecked(true);
        form->optionsPage.suiButtonSaveClick();
        std::string changed = text;
        changed.replace(changed.find("General=101010"), 14, "General=101110");
        EXPECT_EQ(ReadConfigBytes(), f.encode(changed)) << f.name;

        Restart();
        EXPECT_EQ(Shown(form->optionsPage), (Options{true, false, true, true, true, false})) << f.name;
        EXPECT_EQ(Rows(form->optionsPage.ListViewExcludePath), paths) << f.name;
        EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI), include) << f.name;
        EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE), exclude) << f.name;
    }
}
