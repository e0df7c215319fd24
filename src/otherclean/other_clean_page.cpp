#include "otherclean/other_clean_page.h"

#include <shlobj.h>

#include <algorithm>

#include "otherclean/area_shell.h"
#include "otherclean/form_clean.h"
#include "otherclean/form_cookie.h"
#include "otherclean/other_clean_flags.h"
#include "platform/dialogs.h"
#include "platform/known_folders.h"
#include "shared/app_title.h"
#include "widgets/busy_cursor.h"
#include "widgets/message_pump.h"
#include "widgets/theme.h"

std::string OtherCleanFlags = "000000";

namespace {

// A small yellow folder: the open buttons and the icon of the hint line.
void PaintFolderGlyph(HDC dc, const RECT& r, bool enabled, bool hot) {
    int w = r.right - r.left, h = r.bottom - r.top, size = std::min(w, h) - 4;
    int left = r.left + (w - size) / 2, top = r.top + (h - size) / 2;
    COLORREF back = enabled ? RGB(214, 170, 60) : RGB(190, 190, 190);
    COLORREF front = enabled ? (hot ? RGB(255, 222, 120) : RGB(240, 200, 90)) : RGB(215, 215, 215);
    FillSolid(dc, {left, top + size / 8, left + size / 2, top + size / 3}, back);
    FillSolid(dc, {left, top + size / 3 - 1, left + size, top + size - size / 10}, front);
    FillSolid(dc, {left, top + size - size / 10, left + size, top + size - size / 10 + 1}, back);
}

Button::Style FolderButton(bool enabled) {
    return {.kind = Button::Kind::kImage, .image = [enabled](HDC dc, const RECT& r, bool hot, bool) {
                PaintFolderGlyph(dc, r, enabled, hot);
            }};
}
}  // namespace

// The hint lines and the icon in the second one's gap, as the design places them.
constexpr int kHintX = 24, kBrowseHintY = 38, kHintIconX = 89;

// The icon stands in the second hint's gap of blanks: where the design puts it for the Chinese text,
// just after the words before the gap in another language.
void OtherCleanPage::PlaceHintIcon() {
    int x = kHintIconX;
    if (CurrentUiLanguage() != UiLanguage::kChinese) {
        const std::string hint = otherHintLine2.Text();
        x = kHintX + otherHintLine2.TextWidth(hint.substr(0, hint.find("   ") + 1)) + 1;
    }
    otherHintIcon.Move(x, kBrowseHintY);
}

void OtherCleanPage::Create(const PageHost& host) {
    host_ = host;
    // Created first, so that it lies above the page's other controls while it shows.
    suiPanelWait.Create(suiPanelOtherClean, 120, 150, 283, 80,
                        {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255), .border = RGB(128, 0, 0)});
    const Label::Style wait{.font = kThemeFonts.heading, .color = RGB(128, 0, 0), .align = DT_CENTER};
    waitLine1.Create(suiPanelWait, UiText::kOtherAnalysing, 10, 20, 263, 18, wait);
    waitLine2.Create(suiPanelWait, UiText::kOtherPleaseWait, 10, 44, 263, 18, wait);

    // The icon sits in the blank gap of the second hint line and lies above it.
    otherHintIcon.Create(suiPanelOtherClean, "", kHintIconX, kBrowseHintY, 16, 16, FolderButton(true));
    otherHintIcon.name = "otherHintIcon";
    otherHintIcon.SetTabStop(false);  // a picture in the hint; it does nothing
    otherHintLine1.Create(suiPanelOtherClean, UiText::kOtherHowTo, kHintX, 14, 470, 18,
                          {.font = kThemeFonts.body});
    otherHintLine2.Create(suiPanelOtherClean, UiText::kOtherBrowseHint, kHintX, kBrowseHintY, 470, 18,
                          {.font = kThemeFonts.body});
    otherHintLine2.onLanguageChanged = [this] { PlaceHintIcon(); };
    PlaceHintIcon();

    otherCleanFrame.Create(suiPanelOtherClean, 24, 66, 475, 262,
                           {.fill = Panel::Fill::kFramed,
                            .color = RGB(255, 255, 255),
                            .border = MainTheme().buttonBorder,
                            .caption = UiText::kOtherGroup});
    struct Row {
        Button& check;
        Button& open;
        Label& size;
        UiText caption;
        const char* name;
        bool openEnabled;
    } rows[] = {
        {OCCheckBox1, OTBtn1, OTLabel1, UiText::kOtherRecycleBin, "1", true},
        {OCCheckBox4, OTBtn4, OTLabel4, UiText::kOtherHistory, "4", true},
        {OCCheckBox5, OTBtn5, OTLabel5, UiText::kOtherRecentDocuments, "5", true},
        {OCCheckBox6, OTBtn6, OTLabel6, UiText::kOtherCookies, "6", true},
        {OCCheckBox2, OTBtn2, OTLabel2, UiText::kOtherTemp, "2", false},
        {OCCheckBox3, OTBtn3, OTLabel3, UiText::kOtherInternetFiles, "3", false},
    };
    int y = 36;
    for (Row& row : rows) {
        row.check.Create(otherCleanFrame, row.caption, 20, y, 270, 22,
                         {.kind = Button::Kind::kCheck, .font = kThemeFonts.body});
        row.check.name = std::string("OCCheckBox") + row.name;
        row.open.Create(otherCleanFrame, "", 300, y + 1, 22, 20, FolderButton(row.openEnabled));
        row.open.name = std::string("OTBtn") + row.name;
        row.open.Enable(row.openEnabled);
        row.size.Create(otherCleanFrame, "0 MB", 336, y + 3, 120, 18,
                        {.font = kThemeFonts.body, .align = DT_RIGHT});
        row.size.name = std::string("OTLabel") + row.name;
        // The size beside a row describes its box; the open button is named after its area.
        Label* size = &row.size;
        Button* check = &row.check;
        row.check.accessibleDescription = [size] { return size->Text(); };
        row.open.accessibleDescription = [size] { return size->Text(); };
        row.open.accessibleName = [check] { return check->AccName().value_or(""); };
        y += 36;
    }
    OTBtn1.onClick = [this] { OTBtn1Click(); };
    OTBtn4.onClick = [this] { OTBtn4Click(); };
    OTBtn5.onClick = [this] { OTBtn5Click(); };
    OTBtn6.onClick = [this] { OTBtn6Click(); };

    suiButtonClean.Create(suiPanelOtherClean, UiText::kOtherStart, 399, 346, 100, 28,
                          {.font = kThemeFonts.heading});
    suiButtonClean.name = "suiButtonClean";
    suiButtonClean.onClick = [this] { suiButtonCleanClick(); };
}

void OtherCleanPage::ShowAreaSizes() {
    SetBusyCursor(true);
    suiPanelWait.Show(true);
    UpdateWindow(host_.window);
    ProcessMessages();
    m_OTShow(kAllAreas);
    suiPanelWait.Show(false);
    SetBusyCursor(false);
}

void OtherCleanPage::suiButtonCleanClick() {
    const Button* boxes[] = {&OCCheckBox1, &OCCheckBox2, &OCCheckBox3,
                             &OCCheckBox4, &OCCheckBox5, &OCCheckBox6};
    CleanAreas areas{};
    OtherCleanFlags.clear();
    for (size_t i = 0; i < areas.size(); ++i) {
        areas[i] = boxes[i]->Checked();
        OtherCleanFlags += areas[i] ? '1' : '0';
    }
    if (std::none_of(areas.begin(), areas.end(), [](bool ticked) { return ticked; })) {
        ShowMessageBox(host_.window, "Please select first!", kAppTitle, MB_ICONWARNING | MB_OK);
        return;
    }
    if (ShowMessageBox(host_.window, "Delete all selected items?", kAppTitle,
                       MB_ICONINFORMATION | MB_OKCANCEL) != IDOK)
        return;
    {
        TformClean dialog;
        dialog.FormCreate(host_.window, areas);
        dialog.ShowModal();
    }
    m_OTShow(kAllAreas);
}

void OtherCleanPage::OTBtn1Click() {
    OpenAreaSpecialFolder(CSIDL_BITBUCKET);
    m_OTShow(1);
}

void OtherCleanPage::OTBtn4Click() {
    if (auto folder = SpecialFolderPath(CSIDL_HISTORY)) OpenAreaFolder(*folder);
    m_OTShow(4);
}

void OtherCleanPage::OTBtn5Click() {
    if (auto folder = SpecialFolderPath(CSIDL_RECENT)) OpenAreaFolder(*folder);
    m_OTShow(5);
}

void OtherCleanPage::OTBtn6Click() {
    {
        TformCookie dialog;
        dialog.FormCreate(host_.window);
        dialog.ShowModal();
    }
    m_OTShow(6);
}
