#include <algorithm>
#include <map>
#include <set>

#include "scan/form_delete_report.h"
#include "scan_fixture.h"

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
    folder += "\\" + std::string(length - folder.size() - std::string("\\x.tmp").size() - 1, letter);
    return folder;
}

// Every file and folder under a drive or folder, found through "\\?\" paths without entering links.
void ListTree(const std::string& folder, std::set<std::string>& out) {
    WIN32_FIND_DATAW e;
    HANDLE h = FindFirstFileW(Long(folder + "\\*").c_str(), &e);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = Narrow(e.cFileName);
        if (name == "." || name == "..") continue;
        out.insert(folder + "\\" + name);
        if ((e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(e.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListTree(folder + "\\" + name, out);
    } while (FindNextFileW(h, &e));
    FindClose(h);
}

std::set<std::string> Everything(std::initializer_list<const char*> roots) {
    std::set<std::string> all;
    for (const char* root : roots) ListTree(root, all);
    return all;
}

std::set<std::string> Minus(std::set<std::string> all, const std::set<std::string>& gone) {
    for (const std::string& path : gone) all.erase(path);
    return all;
}

// A file held open without sharing by another process (the test executable itself, started with
// --hold-open), as an editor or a running program would.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path) {
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(exe) + L"\" --hold-open \"" + Long(path) + L"\"";
        STARTUPINFOW si{sizeof si};
        CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_);
        // Ready once another open meets the sharing violation.
        for (int i = 0; i < 500; ++i) {
            HANDLE h = CreateFileW(Long(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
            if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) return;
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
            Sleep(10);
        }
        ADD_FAILURE() << "the helper did not open " << path;
    }
    ~HeldOpen() {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }

  private:
    PROCESS_INFORMATION process_{};
};

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
    const std::set<std::string> drivesBefore = Everything({"D:", "E:", "F:", "G:", "K:"});
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
        HeldOpen held("D:\\held.tmp");
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

// Case twins and characters Win32 names cannot hold exist on drives backed by other file systems.
TEST_P(DeleteEveryTickedFile, CaseTwinsAndNamesWin32CannotHold) {
    const bool recycle = GetParam() == Mode::kRecycleBin;
    UseMode(GetParam());
    const std::string drive = recycle ? "J:" : "I:";
    TickOnlyDrives({drive});
    form->resultsPage.suiButtonScanClick();
    Untick(drive + "\\case.tmp");
    const std::set<std::string> before = Everything({drive.c_str()});
    Report report = Delete();
    EXPECT_EQ(Everything({drive.c_str()}), Minus(before, {drive + "\\Case.tmp", drive + "\\zz.tmp"}));
    ASSERT_TRUE(report.shown);
    ASSERT_EQ(report.reasons.size(), 1u) << report.copied;
    // Not even its own handle reaches such a name here, so the system's words say why.
    EXPECT_EQ(report.reasons.begin()->first, drive + "\\what?.tmp");
    EXPECT_EQ(report.reasons.begin()->second,
              LeftReasonText({L"", L"", LeftReason::kSystem, ERROR_INVALID_NAME}));
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
    const std::set<std::string> before = Everything({drive.c_str()});
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
