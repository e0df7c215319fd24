#include <algorithm>
#include <map>
#include <set>

#include "scan/file_deletion.h"
#include "scan/form_delete_report.h"
#include "scan_fixture.h"
#include "support/held_open.h"

namespace {
// "D:\kkk…\lll…\…" with names of 60 characters: a file in it has a path far over 260 characters.
std::string DeepFolder() {
    std::string deep = "D:";
    for (int i = 0; i < 5; ++i) deep += "\\" + std::string(60, char('k' + i));
    return deep;
}

// A folder under D: in which "x.tmp" has a path of exactly the given length.
std::string FolderForPathOfLength(size_t length, char letter) {
    std::string folder = "D:\\" + std::string(100, letter) + "\\" + std::string(100, letter);
    const size_t rest = length - folder.size() - std::string("\\x.tmp").size() - 1;
    folder += '\\';
    folder.append(rest, letter);
    return folder;
}

// Every file and folder under a drive or folder, found through "\\?\" paths without entering links. A
// name holding "\\" shows it as "<\\>", apart from the path it would spell; names that read alike all count.
using Tree = std::multiset<std::string>;
void ListTree(const std::string& folder, Tree& out) {
    WIN32_FIND_DATAW e;
    HANDLE h = FindFirstFileW(Long(folder + "\\*").c_str(), &e);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = Narrow(e.cFileName);
        if (name == "." || name == "..") continue;
        std::string shown = name;
        for (size_t at = 0; (at = shown.find('\\', at)) != std::string::npos; at += 4)
            shown.replace(at, 1, "<\\>");
        out.insert(folder + "\\" + shown);
        if ((e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(e.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListTree(folder + "\\" + name, out);
    } while (FindNextFileW(h, &e));
    FindClose(h);
}

Tree Everything(std::initializer_list<const char*> roots) {
    Tree all;
    for (const char* root : roots) ListTree(root, all);
    return all;
}

Tree Minus(Tree all, const std::set<std::string>& gone) {
    for (const std::string& path : gone) all.erase(path);
    return all;
}

void SetWriteTime(const std::string& path, FILETIME time) {
    HANDLE h = CreateFileW(Long(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    SetFileTime(h, nullptr, nullptr, &time);
    CloseHandle(h);
}

FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(Long(path).c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// What the report dialog showed, read while it was open.
struct Report {
    bool shown = false;
    std::string summary, copied;
    std::map<std::string, std::string> reasons;  // full path -> reason
};

enum class Mode { kPermanent, kRecycleBin };
}  // namespace

class DeleteFiles : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        EmptyFolder(L"H:\\files\\");
        EmptyFolder(L"H:\\info\\");
    }

    void UseMode(Mode mode) {
        form->optionsPage.gRadioRecycle.SetChecked(mode == Mode::kRecycleBin);
        form->optionsPage.gRadioPermanently.SetChecked(mode == Mode::kPermanent);
    }

    int RowOf(const std::string& path) {
        std::vector<ResultRow> rows = Rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].location + rows[i].name == path) return int(i);
        }
        return -1;
    }

    void UntickRow(const std::string& location, const std::string& name) {
        std::vector<ResultRow> rows = Rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].location != location || rows[i].name != name) continue;
            ClickScanBox(int(i));
            ASSERT_EQ(Rows()[i].mark, kMarkUnticked);
            return;
        }
        ADD_FAILURE() << "no row " << location << name;
    }

    void Untick(const std::string& path) {
        int row = RowOf(path);
        ASSERT_GE(row, 0) << path;
        ClickScanBox(row);
        ASSERT_EQ(Rows()[row].mark, kMarkUnticked);
    }

    // Presses Delete and reads the report, if one opens, before closing it.
    Report Delete() {
        Report report;
        std::function<void()> look = [&] {
            if (!formDeleteReport) {
                if (form->resultsPage.deleting) RunSoon(20, look);
                return;
            }
            report.shown = true;
            report.summary = formDeleteReport->LabelSummary.Text();
            ListView& list = formDeleteReport->ListViewLeft;
            for (int row = 0; row < list.Count(); ++row)
                report.reasons[list.Cell(row, 1) + list.Cell(row, 0)] = list.Cell(row, 2);
            formDeleteReport->suiButtonCopyClick();
            report.copied = formDeleteReport->ListText();
            SendMessageW(formDeleteReport->suiButtonClose.hwnd, BM_CLICK, 0, 0);
        };
        RunSoon(20, look);
        form->resultsPage.suiButtonDeleteClick();
        RunSoon(1, nullptr);
        return report;
    }
};

// A ticked file is deleted only through a name that reaches exactly it; every ticked file is tried, and
// what stays is reported with its reason. Files on every drive are counted before and after.
class DeleteEveryTickedFile : public DeleteFiles, public testing::WithParamInterface<Mode> {};

TEST_P(DeleteEveryTickedFile, OnlyTheTickedFilesGoAndEachLeftFileHasItsReason) {
    const bool recycle = GetParam() == Mode::kRecycleBin;
    UseMode(GetParam());
    const std::string recycleName = "The Recycle Bin cannot take this name; permanent mode can delete it";
    const std::string inUse = "In use by another program", changed = "Changed since the scan";
    const std::string at259 = FolderForPathOfLength(259, 'p'), deep = DeepFolder();
    for (const std::string& folder : {at259, deep}) {
        for (size_t at = 0; (at = folder.find('\\', at + 1)) != std::string::npos;)
            MakeFolder(folder.substr(0, at));
        MakeFolder(folder);
    }
    EmptyFolder(L"K:\\");  // what the other mode left; the folder holding the link stays
    TickOnlyDrives({"D:", "K:"});
    MakeFolder("K:\\swap");
    MakeFolder("D:\\dotdir.");
    MakeFolder("D:\\dotdir");
    struct Case {
        std::string path;
        bool ticked;
        std::string permanentReason, recycleReason;  // "" when the file goes
    } cases[] = {
        {"D:\\a_first.tmp", true, "", ""},
        {"D:\\notes.txt ", true, "", recycleName},
        {"D:\\notes.txt", false, "", ""},  // not listed: a user's document beside the ticked twin
        {"D:\\report.", true, "", recycleName},
        {"D:\\report", false, "", ""},
        {"D:\\dotdir.\\y.tmp", true, "", recycleName},
        {"D:\\dotdir\\y.tmp", false, "", ""},
        {"D:\\con.tmp", true, "", recycleName},
        {"D:\\aux.tmp", true, "", recycleName},
        {"D:\\held.tmp", true, inUse, inUse},
        {"D:\\readonly.tmp", true, "", ""},
        {"D:\\grown.tmp", true, changed, changed},
        {"D:\\retimed.tmp", true, changed, changed},
        {"D:\\vanished.tmp", true, "", ""},
        {"K:\\swap\\swapped.tmp", true, changed, changed},
        {"D:\\臨時.tmp", true, "", ""},
        {at259 + "\\x.tmp", true, "", ""},
        {deep + "\\deep.tmp", true, "",
         "The path is too long for the Recycle Bin; permanent mode can delete it"},
        {"D:\\zz_last.tmp", true, "", ""},
    };
    for (const Case& c : cases) MakeFile(c.path);
    ASSERT_EQ(at259.size() + 6, 259u);
    SetFileAttributesW(Long("D:\\readonly.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    AddFilterRow(form->optionsPage.ListViewFilterI, "notes.txt?", "", true);
    AddFilterRow(form->optionsPage.ListViewFilterI, "report?", "", true);

    form->resultsPage.suiButtonScanClick();
    for (const Case& c : cases) {
        if (!c.ticked && RowOf(c.path) >= 0) Untick(c.path);
    }
    // Changes after the scan: another size, another time, gone, a folder link in the file's place.
    MakeFile("D:\\grown.tmp", "a longer content");
    FILETIME retimed = WriteTime("D:\\retimed.tmp");
    retimed.dwHighDateTime -= 1;
    SetWriteTime("D:\\retimed.tmp", retimed);
    RemoveFile("D:\\vanished.tmp");
    // A folder link in the file's place: its folder swaps with one that holds such a link (made by
    // fixtures.sh; moving a link itself under Wine would move its target).
    ASSERT_TRUE(MoveFileW(Long("K:\\swap").c_str(), Long("K:\\swap_old").c_str()));
    ASSERT_TRUE(MoveFileW(Long("K:\\link_holder").c_str(), Long("K:\\swap").c_str()));
    const Tree drivesBefore = Everything({"D:", "E:", "F:", "G:", "K:"});
    const size_t trashBefore = Everything({"H:\\files"}).size();

    std::set<std::string> deleted;
    std::map<std::string, std::string> left;
    int64_t freed = 0;
    size_t deletedCount = 0;
    for (const Case& c : cases) {
        const std::string& reason = recycle ? c.recycleReason : c.permanentReason;
        if (!c.ticked) continue;
        if (!reason.empty()) {
            left[c.path] = reason;
            continue;
        }
        deletedCount += 1;
        if (c.path == "D:\\vanished.tmp") continue;
        deleted.insert(c.path);
        freed += 4;
    }
    Report report;
    {
        HeldOpen held(Long("D:\\held.tmp"));
        report = Delete();
    }

    EXPECT_EQ(Everything({"D:", "E:", "F:", "G:", "K:"}), Minus(drivesBefore, deleted));
    EXPECT_TRUE(Exists("F:\\swap_target\\keep.tmp"));
    MoveFileW(Long("K:\\swap").c_str(), Long("K:\\link_holder").c_str());
    EXPECT_EQ(Everything({"H:\\files"}).size(), trashBefore + (recycle ? deleted.size() : 0));
    ASSERT_TRUE(report.shown);
    EXPECT_EQ(report.reasons, left);
    EXPECT_EQ(report.summary, "Deleted " + std::to_string(deletedCount) + " files, " + std::to_string(freed) +
                                  " Byte(s) freed. " + std::to_string(left.size()) +
                                  " files were not deleted:");
    EXPECT_EQ(report.copied.substr(0, report.copied.find("\r\n")), "文件名\t位置\t原因");
    EXPECT_NE(report.copied.find("\r\nheld.tmp\tD:\\\t" + inUse + "\r\n"), std::string::npos)
        << report.copied;
    EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
    EXPECT_FALSE(form->resultsPage.suiPanelDeling.Visible());
}

INSTANTIATE_TEST_SUITE_P(BothModes, DeleteEveryTickedFile,
                         testing::Values(Mode::kPermanent, Mode::kRecycleBin), [](const auto& info) {
                             return info.param == Mode::kPermanent ? "Permanent" : "RecycleBin";
                         });

// Case twins and names that no Win32 path reaches exactly exist on drives backed by other file systems:
// "back\\slash.tmp" beside a folder "back" holding "slash.tmp", and two names whose bytes both read as
// "caf\uFFFD.tmp". Only the ticked files that a path reaches exactly go.
TEST_P(DeleteEveryTickedFile, CaseTwinsAndNamesWin32CannotHold) {
    const bool recycle = GetParam() == Mode::kRecycleBin;
    UseMode(GetParam());
    const std::string drive = recycle ? "J:" : "I:";
    const std::string unreachable =
        "This name cannot be reached exactly; delete it with the tools of the system it comes from";
    const std::string twinName = Narrow(L"caf\uFFFD.tmp");
    TickOnlyDrives({drive});
    form->resultsPage.suiButtonScanClick();
    Untick(drive + "\\case.tmp");
    UntickRow(drive + "\\back\\", "slash.tmp");
    UntickRow(drive + "\\", twinName);  // the first of the two; the second stays ticked
    const Tree before = Everything({drive.c_str(), "D:", "F:"});
    Report report = Delete();
    EXPECT_EQ(Everything({drive.c_str(), "D:", "F:"}),
              Minus(before, {drive + "\\Case.tmp", drive + "\\zz.tmp"}));
    ASSERT_TRUE(report.shown);
    // Not even its own handle reaches "what?.tmp" here, so the system's words say why.
    const std::map<std::string, std::string> expected = {
        {drive + "\\what?.tmp", LeftReasonText({L"", L"", LeftReason::kSystem, ERROR_INVALID_NAME})},
        {drive + "\\back\\slash.tmp", unreachable},
        {drive + "\\" + twinName, unreachable},
    };
    EXPECT_EQ(report.reasons, expected) << report.copied;
    EXPECT_EQ(report.summary, "Deleted 2 files, 10 Byte(s) freed. 3 files were not deleted:");
}

// A ticked file that vanished after the scan counts as gone; its case twin, alike in size and time, which
// a lookup by name would reach, stays.
TEST_P(DeleteEveryTickedFile, AVanishedFileIsNeverTakenForItsCaseTwin) {
    UseMode(GetParam());
    const std::string drive = GetParam() == Mode::kRecycleBin ? "Q:" : "P:";
    TickOnlyDrives({drive});
    form->resultsPage.suiButtonScanClick();
    Untick(drive + "\\twin.tmp");
    ASSERT_TRUE(DeleteFileW(Long(drive + "\\Twin.tmp").c_str()));
    const Tree before = Everything({drive.c_str()});
    Report report = Delete();
    EXPECT_FALSE(report.shown);
    EXPECT_EQ(Everything({drive.c_str()}),
              Minus(before, {drive + "\\a1.tmp", drive + "\\a2.tmp", drive + "\\a3.tmp", drive + "\\a4.tmp",
                             drive + "\\a5.tmp"}));
}

TEST_F(DeleteFiles, NoReportWhenEveryTickedFileWent) {
    for (Mode mode : {Mode::kPermanent, Mode::kRecycleBin}) {
        UseMode(mode);
        MakeFile("D:\\a.tmp");
        MakeFile("D:\\b.tmp");
        form->resultsPage.suiButtonScanClick();
        RemoveFile("D:\\b.tmp");  // already gone counts as deleted
        Report report = Delete();
        EXPECT_FALSE(report.shown);
        EXPECT_FALSE(Exists("D:\\a.tmp"));
        EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
        EXPECT_EQ(Rows().size(), 2u);  // the rows stay until the next scan
    }
}

TEST_F(DeleteFiles, NothingTickedOrCancelDeletesNothing) {
    MakeFile("D:\\a.tmp");
    form->resultsPage.suiButtonScanClick();
    answer = IDCANCEL;
    form->resultsPage.suiButtonDeleteClick();
    EXPECT_EQ(messages, std::vector<std::string>{"Delete all selected files?"});
    EXPECT_TRUE(Exists("D:\\a.tmp"));
    EXPECT_TRUE(form->resultsPage.suiPanelClean1.Visible());
    form->resultsPage.SCheckBoxAllNClick();
    messages.clear();
    form->resultsPage.suiButtonDeleteClick();
    EXPECT_EQ(messages, std::vector<std::string>{"Please select file first!"});
    EXPECT_TRUE(Exists("D:\\a.tmp"));
}

TEST_F(DeleteFiles, RecycleBinKeepsWhatItTookRestorable) {
    UseMode(Mode::kRecycleBin);
    MakeFile("D:\\a.tmp", "restorable");
    form->resultsPage.suiButtonScanClick();
    Delete();
    EXPECT_FALSE(Exists("D:\\a.tmp"));
    EXPECT_TRUE(Exists("H:\\files\\a.tmp"));
}

TEST_F(DeleteFiles, FolderLinksAndTheirTargetsSurvive) {
    TickOnlyDrives({"E:"});
    form->resultsPage.suiButtonScanClick();
    form->resultsPage.suiButtonDeleteClick();
    EXPECT_FALSE(Exists("E:\\links\\inner\\a.tmp"));
    EXPECT_TRUE(Exists("F:\\sentinel\\keep.tmp"));
    EXPECT_TRUE(Exists("E:\\links\\to_sentinel"));
    MakeFile("E:\\links\\inner\\a.tmp", "a\n");
}

// While deleting, the busy panel counts the files, and the window keeps answering between them.
TEST_F(DeleteFiles, BusyPanelShowsHowFarTheDeletionHasCome) {
    for (int i = 0; i < 300; ++i) MakeFile("D:\\f" + std::to_string(i) + ".tmp");
    form->resultsPage.suiButtonScanClick();
    form->resultsPage.deleteViewInterval = 0;
    std::vector<std::string> seen;
    // A timer runs only when the deletion lets messages run.
    std::function<void()> watch = [&] {
        if (form->resultsPage.suiPanelDeling.Visible())
            seen.push_back(form->resultsPage.delingProgressLabel.Text());
        if (form->resultsPage.deleting) RunSoon(1, watch);
    };
    RunSoon(1, watch);
    form->resultsPage.suiButtonDeleteClick();
    RunSoon(1, nullptr);
    ASSERT_FALSE(seen.empty());
    const bool midway = std::any_of(seen.begin(), seen.end(), [](const std::string& text) {
        return text != "0 of 300 files" && text != "300 of 300 files" && text.ends_with(" of 300 files");
    });
    EXPECT_TRUE(midway) << seen.front() << " .. " << seen.back();
    EXPECT_EQ(form->resultsPage.delingProgressLabel.Text(), "300 of 300 files");
    EXPECT_EQ(form->resultsPage.delingProgressBar.Position(), 300);
    EXPECT_EQ(form->resultsPage.delingProgressBar.Max(), 300);
    EXPECT_FALSE(Exists("D:\\f299.tmp"));
}

// The summary counts only what a fresh listing no longer holds: singular and plural at their edges, the
// bytes as the size texts read, files already gone counted without bytes, and a file another program
// holds with delete sharing reported as postponed (the name stays until that program closes it).
TEST_F(DeleteFiles, SummaryCountsWhatTheDiskShows) {
    const std::string postponed =
        "Deletion was postponed: another program still has it open; it goes when that program closes it";
    const DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const struct Case {
        Mode mode;
        std::vector<std::pair<std::string, int64_t>> files;  // made before the scan, with their sizes
        std::string held;                                    // held open by another program
        DWORD heldShare;
        bool folderVanishes;  // D:\gone with three ticked files is removed after the scan
        std::string summary;
        std::string heldReason;
    } cases[] = {
        {Mode::kPermanent,
         {},
         "D:\\only.tmp",
         0,
         false,
         "Deleted 0 files, 0 Byte(s) freed. 1 file was not deleted:",
         "In use by another program"},
        {Mode::kRecycleBin,
         {{"D:\\one.tmp", 2048}},
         "D:\\only.tmp",
         0,
         false,
         "Deleted 1 file, 2.00 KB freed. 1 file was not deleted:",
         "In use by another program"},
        {Mode::kPermanent,
         {{"D:\\big.tmp", 3 << 19}, {"D:\\one.tmp", 5}},
         "D:\\shared.tmp",
         shareAll,
         false,
         "Deleted 2 files, 1.50 MB freed. 1 file was not deleted:",
         postponed},
        {Mode::kRecycleBin,
         {{"D:\\one.tmp", 5}},
         "D:\\only.tmp",
         0,
         true,
         "Deleted 4 files, 5 Byte(s) freed. 1 file was not deleted:",
         "In use by another program"},
        {Mode::kPermanent,
         {{"D:\\one.tmp", 5}},
         "D:\\only.tmp",
         0,
         true,
         "Deleted 4 files, 5 Byte(s) freed. 1 file was not deleted:",
         "In use by another program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.summary);
        EmptyFolder(L"D:\\");
        UseMode(c.mode);
        for (const auto& [path, size] : c.files) MakeFileOfSize(path, size);
        MakeFile(c.held);
        if (c.folderVanishes) {
            MakeFolder("D:\\gone");
            for (const char* name : {"a.tmp", "b.tmp", "c.tmp"}) MakeFile(std::string("D:\\gone\\") + name);
        }
        form->resultsPage.suiButtonScanClick();
        if (c.folderVanishes) {
            EmptyFolder(L"D:\\gone\\");  // another program was quicker with the whole folder
            ASSERT_TRUE(RemoveDirectoryW(Long("D:\\gone").c_str()));
        }
        Report report;
        {
            HeldOpen held(Long(c.held), c.heldShare);
            report = Delete();
            EXPECT_TRUE(Exists(c.held));
        }
        ASSERT_TRUE(report.shown);
        EXPECT_EQ(report.summary, c.summary);
        EXPECT_EQ(report.reasons, (std::map<std::string, std::string>{{c.held, c.heldReason}}));
        for (const auto& file : c.files) EXPECT_FALSE(Exists(file.first)) << file.first;
    }
}

// Closing the window during a deletion ends it after the file in hand (permanent mode) or the shell
// operation in hand: the files not yet tried stay, the busy panel says so meanwhile, and the program ends
// without the report, although a file was left.
TEST_P(DeleteEveryTickedFile, ClosingDuringADeletionStopsItWithoutAReport) {
    {
        const Mode mode = GetParam();
        UseMode(mode);
        MakeFile("D:\\0held.tmp");
        for (int i = 0; i < 2000; ++i) MakeFile("D:\\f" + std::to_string(10000 + i) + ".tmp");
        form->resultsPage.suiButtonScanClick();
        std::vector<std::string> rows;
        for (const ResultRow& r : Rows()) rows.push_back(r.location + r.name);
        ASSERT_EQ(rows.size(), 2001u);
        ASSERT_EQ(rows.front(), "D:\\0held.tmp");
        form->resultsPage.deleteViewInterval = 0;
        size_t doneAtClose = 0;
        bool stayedToFinish = false, reportOpened = false;
        std::string busyText;
        UINT_PTR closer = 0;
        closer = Every(1, [&] {
            if (formDeleteReport) {
                reportOpened = true;
                SendMessageW(formDeleteReport->suiButtonClose.hwnd, BM_CLICK, 0, 0);
                return;
            }
            const std::string progress = form->resultsPage.delingProgressLabel.Text();
            if (!form->resultsPage.deleting || busyText.size()) return;
            if (mode == Mode::kPermanent && progress == "0 of 2001 files") return;
            doneAtClose = std::stoul(progress);
            SendMessageW(form->hwnd, WM_CLOSE, 0, 0);
            busyText = form->resultsPage.delingProgressLabel.Text();
            stayedToFinish = IsWindowVisible(form->hwnd) && form->resultsPage.suiPanelDeling.Visible();
        });
        HeldOpen held(Long("D:\\0held.tmp"));
        form->resultsPage.suiButtonDeleteClick();
        StopTimer(closer);
        EXPECT_FALSE(IsWindow(form->hwnd));
        EXPECT_FALSE(reportOpened);
        EXPECT_EQ(busyText, "Stopping…");
        EXPECT_TRUE(stayedToFinish);
        EXPECT_TRUE(messages.size() == 1 && messages[0] == "Delete all selected files?");
        // What went is a run of rows from the first on: nothing after the file in hand was tried.
        size_t gone = 0;
        while (gone + 1 < rows.size() && !Exists(rows[gone + 1])) ++gone;
        for (size_t i = gone + 1; i < rows.size(); ++i) EXPECT_TRUE(Exists(rows[i])) << rows[i];
        EXPECT_TRUE(Exists(rows.front()));
        if (mode == Mode::kPermanent) {
            EXPECT_GT(doneAtClose, 0u);
            EXPECT_LT(gone, rows.size() - 1);
        } else {
            EXPECT_TRUE(gone == 0 || gone == 2000) << gone;  // before the shell operation, or after it
        }
        EmptyFolder(L"D:\\");
    }
}

// Run without root's override of permission bits (the unprivileged run of these tests): files in a
// folder where the user may not delete stay, are reported as such in both modes, and are not counted.
TEST_F(DeleteFiles, AFolderWithoutTheRightToDeleteKeepsItsFilesAndSaysWhy) {
    HANDLE probe = CreateFileW(Long("L:\\locked\\probe.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this process may write anywhere (root's override of permission bits)";
    }
    for (Mode mode : {Mode::kPermanent, Mode::kRecycleBin}) {
        SCOPED_TRACE(mode == Mode::kPermanent ? "permanent" : "Recycle Bin");
        UseMode(mode);
        MakeFile("L:\\free.tmp");
        TickOnlyDrives({"L:"});
        form->resultsPage.suiButtonScanClick();
        const Tree before = Everything({"L:", "D:", "F:"});
        Report report = Delete();
        EXPECT_EQ(Everything({"L:", "D:", "F:"}), Minus(before, {"L:\\free.tmp"}));
        ASSERT_TRUE(report.shown);
        EXPECT_EQ(report.summary, "Deleted 1 file, 4 Byte(s) freed. 2 files were not deleted:");
        EXPECT_EQ(report.reasons,
                  (std::map<std::string, std::string>{{"L:\\locked\\a.tmp", "Access denied"},
                                                      {"L:\\locked\\b.tmp", "Access denied"}}));
    }
}

namespace {
// The files under a folder as the scan lists them, in the listing's order.
void ListTargets(const std::wstring& folder, std::vector<DeletionTarget>& out) {
    WIN32_FIND_DATAW e;
    HANDLE h = FindFirstFileW((L"\\\\?\\" + folder + L"*").c_str(), &e);
    if (h == INVALID_HANDLE_VALUE) return;
    std::vector<std::wstring> folders;
    do {
        if (!wcscmp(e.cFileName, L".") || !wcscmp(e.cFileName, L"..")) continue;
        if (e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            folders.push_back(folder + e.cFileName + L"\\");
        else
            out.push_back(
                {folder,
                 e.cFileName,
                 {(int64_t(e.nFileSizeHigh) << 32) | e.nFileSizeLow,
                  (uint64_t(e.ftLastWriteTime.dwHighDateTime) << 32) | e.ftLastWriteTime.dwLowDateTime}});
    } while (FindNextFileW(h, &e));
    FindClose(h);
    for (const std::wstring& f : folders) ListTargets(f, out);
}

// One run over a tree under root: many folders, read-only files, a file held open, one that grew, one and
// a whole folder gone after the listing, and a name no path reaches.
struct TreeRun {
    DeletionOutcome outcome;
    Tree after;
};
TreeRun DeleteTree(const std::string& root, unsigned threads) {
    MakeFolder(root);
    for (int f = 0; f < 12; ++f) {
        const std::string folder = root + "\\f" + std::to_string(f);
        MakeFolder(folder);
        for (int i = 0; i < 8; ++i)
            MakeFile(folder + "\\x" + std::to_string(i) + ".tmp", std::string(i + 1, 'x'));
    }
    SetFileAttributesW(Long(root + "\\f3\\x2.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(Long(root + "\\f7\\x0.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    std::vector<DeletionTarget> targets;
    ListTargets(Widen(root) + L"\\", targets);
    targets.insert(targets.begin() + 40, {Widen(root) + L"\\f5\\", L"a/b.tmp", {4, 0}});
    MakeFile(root + "\\f1\\x1.tmp", "grown since the listing");
    RemoveFile(root + "\\f2\\x5.tmp");
    EmptyFolder(Widen(root) + L"\\f9\\");
    RemoveDirectoryW(Long(root + "\\f9").c_str());
    // Held without sharing by a handle of this process: to the deletion it is another program's.
    HANDLE held =
        CreateFileW(Long(root + "\\f4\\x4.tmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    TreeRun run;
    run.outcome = DeletePermanently(targets, [](size_t) { return true; }, {.threads = threads});
    CloseHandle(held);
    run.after = Everything({root.c_str()});
    return run;
}

std::vector<std::string> LeftBelow(const DeletionOutcome& outcome, size_t rootLength) {
    std::vector<std::string> left;
    for (const LeftFile& f : outcome.left)
        left.push_back(Narrow(f.folder.substr(rootLength) + f.name) + " " + LeftReasonText(f));
    return left;
}

Tree Below(const Tree& tree, size_t rootLength) {
    Tree below;
    for (const std::string& path : tree) below.insert(path.substr(rootLength));
    return below;
}
}  // namespace

// Folders shared among threads give what one thread gives: the same files on disk, the same report
// rows in the same order.
TEST_F(DeleteFiles, ParallelPermanentDeletionMatchesTheSequentialOne) {
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        EmptyFolder(L"D:\\");
        const TreeRun one = DeleteTree("D:\\one", 1), many = DeleteTree("D:\\many", 4);
        EXPECT_EQ(one.outcome.deleted, 12u * 8 - 2);  // the vanished ones count as deleted
        EXPECT_EQ(many.outcome.deleted, one.outcome.deleted);
        EXPECT_EQ(many.outcome.bytesFreed, one.outcome.bytesFreed);
        EXPECT_EQ(LeftBelow(many.outcome, 7), LeftBelow(one.outcome, 6));
        EXPECT_EQ(Below(many.after, 7), Below(one.after, 6));
        if (HasFailure()) break;
    }
    EXPECT_EQ(Below(Everything({"D:\\one"}), 6),
              (Tree{"\\f1", "\\f1\\x1.tmp", "\\f2", "\\f3", "\\f4", "\\f4\\x4.tmp", "\\f5", "\\f6", "\\f7",
                    "\\f0", "\\f8", "\\f10", "\\f11"}));
}
