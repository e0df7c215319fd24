// The interface language: chosen on the General tab, saved as Language in Config.ini, shown at once by
// every window after a successful Save and again at the next start.
#include "otherclean/form_cookie.h"
#include "settings/settings_fixture.h"
#include "support/held_open.h"

namespace {
class InterfaceLanguage : public OptionsTest {
  protected:
    void TearDown() override {
        OptionsTest::TearDown();
        SetCurrentUiLanguage(UiLanguage::kChinese);
    }
    void Choose(Button& radio) { SendMessageW(radio.hwnd, BM_CLICK, 0, 0); }
    void Save() { SendMessageW(form->optionsPage.suiButtonSave.hwnd, BM_CLICK, 0, 0); }
    std::string LanguageKey() const {
        const std::string bytes = ReadConfigBytes();
        const size_t at = bytes.find("Language=");
        return at == std::string::npos ? "" : bytes.substr(at, bytes.find('\r', at) - at);
    }
    // Texts of each kind of caption: a button, a check box, a framed group, a tab, a list column
    // (sorted, with its arrow), a menu entry, a dialog's caption and a dialog's button.
    std::vector<std::string> Shown() {
        OptionsPage& o = form->optionsPage;
        return {form->drivePage.suiButtonScan.Text(),
                form->resultsPage.SCheckBoxAllN.Text(),
                o.suiGroupScanOptions.style.caption.Text(),
                o.suiPage.PageCaption(2),
                o.ListViewFilterI.ColumnCaption(1),
                form->menuHelp.Find("menuHelp1")->caption.Text(),
                AddFilter->Text(),
                AddFilter->suiButtonCancel.Text(),
                form->LeftMenu3.Text()};
    }
    const std::vector<std::string> kChinese = {"开始扫描", "全否",         "扫描选项", "文件类型", "↑文件名",
                                               "用户指南", "添加文件类型", "取消",     "其他清理"};
    const std::vector<std::string> kEnglish = {"Start scan",      "Select none", "Scan options",
                                               "Include filters", "↑File Name",  "User Guide",
                                               "Add file type",   "Cancel",      "Other Clean"};
};
}  // namespace

TEST_F(InterfaceLanguage, SaveSwitchesEveryWindowAtOnceAndTheNextStartKeepsTheLanguage) {
    form->optionsPage.ListViewFilterIColumnClick(1);
    EXPECT_EQ(Shown(), kChinese);
    EXPECT_TRUE(form->optionsPage.gRadioChinese.Checked());

    Choose(form->optionsPage.gRadioEnglish);
    EXPECT_EQ(Shown(), kChinese) << "an unsaved choice changes nothing";
    Save();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(LanguageKey(), "Language=en");
    EXPECT_EQ(Shown(), kEnglish);

    Restart();
    form->optionsPage.ListViewFilterIColumnClick(1);
    EXPECT_EQ(Shown(), kEnglish);
    EXPECT_TRUE(form->optionsPage.gRadioEnglish.Checked());
    TformCookie cookie;
    cookie.FormCreate(form->hwnd);
    EXPECT_EQ(cookie.suiButtonSave.Text(), "Save") << "a dialog made later follows";
    DestroyWindow(cookie.hwnd);

    Choose(form->optionsPage.gRadioChinese);
    Save();
    EXPECT_EQ(LanguageKey(), "Language=zh");
    EXPECT_EQ(Shown(), kChinese);
}

TEST_F(InterfaceLanguage, DefaultKeepsTheLanguageAndAnUnsavedChoiceIsLost) {
    Choose(form->optionsPage.gRadioEnglish);
    form->optionsPage.suiButtonDefaultClick();
    EXPECT_TRUE(form->optionsPage.gRadioEnglish.Checked());
    Restart();
    EXPECT_TRUE(form->optionsPage.gRadioChinese.Checked());
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::kChinese);

    Choose(form->optionsPage.gRadioEnglish);
    Save();
    form->optionsPage.suiButtonDefaultClick();
    Save();
    EXPECT_EQ(LanguageKey(), "Language=en");
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::kEnglish);
}

// Chinese unless the file says "en"; a file that cannot be read says nothing.
TEST_F(InterfaceLanguage, OnlyLanguageEnStartsInEnglish) {
    struct {
        const char* config;
        bool held;
        UiLanguage language;
    } cases[] = {
        {"[Drive]\r\nLanguage=en\r\n", false, UiLanguage::kEnglish},
        {"[Drive]\r\nGeneral=101110\r\n", false, UiLanguage::kChinese},
        {"[Drive]\r\nLanguage=xx\r\n", false, UiLanguage::kChinese},
        {"[Other]\r\nLanguage=en\r\n", false, UiLanguage::kChinese},
        {"[Drive]\r\nLanguage=en\r\n", true, UiLanguage::kChinese},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.config) + (c.held ? " held" : ""));
        WriteConfigBytes(c.config);
        std::optional<HeldOpen> holder;
        if (c.held) holder.emplace(Widen(ConfigPath()));
        Restart();
        EXPECT_EQ(CurrentUiLanguage(), c.language);
        EXPECT_EQ(form->drivePage.suiButtonScan.Text(),
                  c.language == UiLanguage::kEnglish ? "Start scan" : "开始扫描");
    }
}

// A Chinese Save leaves a file that never named a language as it was; one that did names Chinese.
TEST_F(InterfaceLanguage, ChineseIsWrittenOnlyWhereTheFileNamedALanguage) {
    Save();
    EXPECT_EQ(LanguageKey(), "");
    WriteConfigBytes("[Drive]\r\nLanguage=xx\r\n");
    Restart();
    Save();
    EXPECT_EQ(LanguageKey(), "Language=zh");
}
