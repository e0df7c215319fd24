#include "scan_fixture.h"

namespace {
std::string DeepFolder() {
    std::string deep = "D:";
    for (int i = 0; i < 5; ++i) deep += "\\" + std::string(60, char('k' + i));
    return deep;
}
}  // namespace

class DeleteFiles : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        MakeFile("D:\\a.tmp");
        MakeFile("D:\\临时.tmp");
        MakeFile("D:\\🗑.tmp");
        MakeFolder("D:\\X");
        MakeFile("D:\\X\\kept.tmp");
        std::string deep = "D:";
        for (int i = 0; i < 5; ++i) MakeFolder(deep += "\\" + std::string(60, char('k' + i)));
        MakeFile(DeepFolder() + "\\deep.tmp");
        MakeFile("D:\\X\\b.txt");
    }
    int RowNamed(const std::string& name) {
        std::vector<ResultRow> rows = Rows();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name == name) return int(i);
        }
        return -1;
    }
};

TEST_F(DeleteFiles, PermanentModeDeletesTheTickedFilesAndShowsTheDriveList) {
    form->suiButtonScanClick();
    ASSERT_EQ(Rows().size(), 5u);
    ClickScanBox(RowNamed("kept.tmp"));
    form->suiButtonDeleteClick();
    EXPECT_EQ(messages, std::vector<std::string>{"Delete all selected files?"});
    EXPECT_FALSE(Exists("D:\\a.tmp"));
    EXPECT_FALSE(Exists("D:\\临时.tmp"));
    EXPECT_FALSE(Exists("D:\\🗑.tmp"));
    EXPECT_FALSE(Exists(DeepFolder() + "\\deep.tmp"));
    EXPECT_TRUE(Exists(DeepFolder()));
    EXPECT_TRUE(Exists("D:\\X\\kept.tmp"));
    EXPECT_TRUE(Exists("D:\\X\\b.txt"));
    EXPECT_TRUE(form->suiPanelClean.Visible());
    EXPECT_FALSE(form->suiPanelClean1.Visible());
    EXPECT_FALSE(form->suiPanelDeling.Visible());
    EXPECT_EQ(Rows().size(), 5u);  // the rows stay until the next scan
    form->suiButtonScanClick();
    EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(DeleteFiles, CancelDeletesNothing) {
    form->suiButtonScanClick();
    answer = IDCANCEL;
    form->suiButtonDeleteClick();
    EXPECT_TRUE(Exists("D:\\a.tmp"));
    EXPECT_TRUE(Exists(DeepFolder() + "\\deep.tmp"));
    EXPECT_TRUE(form->suiPanelClean1.Visible());
}

TEST_F(DeleteFiles, FilesChangedSinceTheScanSurvive) {
    form->suiButtonScanClick();
    MakeFile("D:\\a.tmp", "a longer content");  // other size
    RemoveFile("D:\\X\\kept.tmp");
    MakeFolder("D:\\X\\kept.tmp");  // a folder now
    HANDLE h = CreateFileW(L"D:\\临时.tmp", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME old{0x12345678, 0x01C00000};  // same size, other time
    SetFileTime(h, nullptr, nullptr, &old);
    CloseHandle(h);
    form->suiButtonDeleteClick();
    EXPECT_TRUE(Exists("D:\\a.tmp"));
    EXPECT_TRUE(Exists("D:\\X\\kept.tmp"));
    EXPECT_FALSE(Exists("D:\\🗑.tmp"));
    EXPECT_FALSE(Exists(DeepFolder() + "\\deep.tmp"));
}

TEST_F(DeleteFiles, RecycleBinModeMovesFilesToTheTrashAndLeavesOverlongPaths) {
    form->gRadioRecycle.SetChecked(true);
    form->gRadioPermanently.SetChecked(false);
    EmptyFolder(L"H:\\files\\");
    form->suiButtonScanClick();
    form->suiButtonDeleteClick();
    EXPECT_FALSE(Exists("D:\\a.tmp"));
    EXPECT_TRUE(Exists("H:\\files\\a.tmp"));
    EXPECT_TRUE(Exists("H:\\files\\kept.tmp"));
    // The shell cannot take a path this long, and deleting it for good would not be undoable.
    EXPECT_TRUE(Exists(DeepFolder() + "\\deep.tmp"));
}

TEST_F(DeleteFiles, FolderLinksAndTheirTargetsSurvive) {
    TickOnlyDrives({"E:"});
    form->suiButtonScanClick();
    form->suiButtonDeleteClick();
    EXPECT_FALSE(Exists("E:\\links\\inner\\a.tmp"));
    EXPECT_TRUE(Exists("F:\\sentinel\\keep.tmp"));
    EXPECT_TRUE(Exists("E:\\links\\to_sentinel"));
    MakeFile("E:\\links\\inner\\a.tmp", "a\n");
}
