#include <shlobj.h>

#include "app/form_main.h"
#include "otherclean/area_shell.h"
#include "otherclean/form_clean.h"
#include "otherclean/form_cookie.h"
#include "otherclean/other_clean_flags.h"
#include "platform/dialogs.h"
#include "platform/known_folders.h"

std::string OtherCleanFlags = "000000";

namespace {
const FontSpec kHintFont{.face = L"Tahoma", .height = -12};
const FontSpec kRowFont{.face = L"Tahoma", .height = -12};

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

void TFormMain::CreateOtherCleanPage() {
    // Created first, so that it lies above the page's other controls while it shows.
    suiPanelWait.Create(suiPanelOtherClean, 120, 150, 283, 80,
                        {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255), .border = RGB(128, 0, 0)});
    const Label::Style wait{.font = {.face = L"Tahoma", .height = -12, .bold = true},
                            .color = RGB(128, 0, 0),
                            .align = DT_CENTER};
    waitLine1.Create(suiPanelWait,
                     "\xE6\xAD\xA3\xE5\x9C\xA8\xE5\x88\x86\xE6\x9E\x90\xE8\xAE\xA1\xE7\xAE\x97\xE6\x9C\xBA",
                     10, 20, 263, 18, wait);
    waitLine2.Create(suiPanelWait, "\xE8\xAF\xB7\xE7\xA8\x8D\xE5\x90\x8E\xE2\x80\xA6\xE2\x80\xA6", 10, 44,
                     263, 18, wait);

    // The icon sits in the blank gap of the second hint line and lies above it.
    otherHintIcon.Create(suiPanelOtherClean, "", 89, 38, 16, 16, FolderButton(true));
    otherHintIcon.name = "otherHintIcon";
    otherHintLine1.Create(
        suiPanelOtherClean,
        "\xE8\xAF\xB7\xE9\x80\x89\xE6\x8B\xA9\xE9\x9C\x80\xE8\xA6\x81\xE5\x88\xA0\xE9\x99\xA4\xE7\x9A"
        "\x84\xE9\xA1\xB9\xE7\x9B\xAE\xEF\xBC\x8C\xE7\x84\xB6\xE5\x90\x8E\xE7\x82\xB9\xE5\x87\xBB\xE2"
        "\x80\x9C\xE5\xBC\x80\xE5\xA7\x8B\xE6\xB8\x85\xE7\x90\x86\xE2\x80\x9D",
        24, 14, 470, 18, {.font = kHintFont});
    otherHintLine2.Create(
        suiPanelOtherClean,
        "\xE4\xBD\xA0\xE5\x8F\xAF\xE4\xBB\xA5\xE7\x82\xB9\xE5\x87\xBB         \xE6\xB5\x8F\xE8\xA7"
        "\x88\xE7\x9B\xB8\xE5\xBA\x94\xE7\x9A\x84\xE7\xB3\xBB\xE7\xBB\x9F\xE7\x9B\xAE\xE5\xBD\x95.",
        24, 38, 470, 18, {.font = kHintFont});

    otherCleanFrame.Create(suiPanelOtherClean, 24, 66, 475, 262,
                           {.fill = Panel::Fill::kFramed,
                            .color = RGB(255, 255, 255),
                            .border = MainTheme().buttonBorder,
                            .caption = "\xE5\x85\xB6\xE4\xBB\x96\xE6\xB8\x85\xE7\x90\x86"});
    struct Row {
        Button& check;
        Button& open;
        Label& size;
        const char* caption;
        const char* name;
        bool openEnabled;
    } rows[] = {
        {OCCheckBox1, OTBtn1, OTLabel1,
         "   \xE6\xB8\x85\xE7\x90\x86 Windows \xE5\x9B\x9E\xE6\x94\xB6\xE7\xAB\x99", "1", true},
        {OCCheckBox4, OTBtn4, OTLabel4,
         "   \xE6\xB8\x85\xE7\x90\x86 Windows \xE5\x8E\x86\xE5\x8F\xB2\xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9",
         "4", true},
        {OCCheckBox5, OTBtn5, OTLabel5,
         "   "
         "\xE6\xB8\x85\xE7\x90\x86\xE6\x9C\x80\xE8\xBF\x91\xE4\xBD\xBF\xE7\x94\xA8\xE7\x9A\x84\xE6\x96\x87"
         "\xE6\xA1"
         "\xA3\xE5\x8E\x86\xE5\x8F\xB2\xE8\xAE\xB0\xE5\xBD\x95",
         "5", true},
        {OCCheckBox6, OTBtn6, OTLabel6, "   \xE6\xB8\x85\xE7\x90\x86 Cookies", "6", true},
        {OCCheckBox2, OTBtn2, OTLabel2,
         "   \xE6\xB8\x85\xE7\x90\x86 Windows \xE4\xB8\xB4\xE6\x97\xB6\xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9",
         "2", false},
        {OCCheckBox3, OTBtn3, OTLabel3,
         "   \xE6\xB8\x85\xE7\x90\x86 IE \xE4\xB8\xB4\xE6\x97\xB6\xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9", "3",
         false},
    };
    int y = 36;
    for (Row& row : rows) {
        row.check.Create(otherCleanFrame, row.caption, 20, y, 270, 22,
                         {.kind = Button::Kind::kCheck, .font = kRowFont});
        row.check.name = std::string("OCCheckBox") + row.name;
        row.open.Create(otherCleanFrame, "", 300, y + 1, 22, 20, FolderButton(row.openEnabled));
        row.open.name = std::string("OTBtn") + row.name;
        row.open.Enable(row.openEnabled);
        row.size.Create(otherCleanFrame, "0 MB", 336, y + 3, 120, 18, {.font = kRowFont, .align = DT_RIGHT});
        row.size.name = std::string("OTLabel") + row.name;
        y += 36;
    }
    OTBtn1.onClick = [this] { OTBtn1Click(); };
    OTBtn4.onClick = [this] { OTBtn4Click(); };
    OTBtn5.onClick = [this] { OTBtn5Click(); };
    OTBtn6.onClick = [this] { OTBtn6Click(); };

    suiButtonClean.Create(suiPanelOtherClean, "\xE5\xBC\x80\xE5\xA7\x8B\xE6\xB8\x85\xE7\x90\x86", 399, 346,
                          100, 28, {.font = {.face = L"Tahoma", .height = -12, .bold = true}});
    suiButtonClean.name = "suiButtonClean";
    suiButtonClean.onClick = [this] { suiButtonCleanClick(); };
}

void TFormMain::suiButtonCleanClick() {
    OtherCleanFlags.clear();
    for (Button* box : {&OCCheckBox1, &OCCheckBox2, &OCCheckBox3, &OCCheckBox4, &OCCheckBox5, &OCCheckBox6})
        OtherCleanFlags += box->Checked() ? '1' : '0';
    if (OtherCleanFlags == "000000") {
        ShowMessageBox(hwnd, "Please select first!", kAppTitle, MB_ICONWARNING | MB_OK);
        return;
    }
    if (ShowMessageBox(hwnd, "Delete all selected items?", kAppTitle, MB_ICONINFORMATION | MB_OKCANCEL) !=
        IDOK)
        return;
    {
        TformClean dialog;
        dialog.FormCreate(hwnd);
        dialog.ShowModal();
    }
    m_OTShow(9);
}

void TFormMain::OTBtn1Click() {
    OpenAreaSpecialFolder(CSIDL_BITBUCKET);
    m_OTShow(1);
}

void TFormMain::OTBtn4Click() {
    if (auto folder = SpecialFolderPath(CSIDL_HISTORY)) OpenAreaFolder(*folder);
    m_OTShow(4);
}

void TFormMain::OTBtn5Click() {
    if (auto folder = SpecialFolderPath(CSIDL_RECENT)) OpenAreaFolder(*folder);
    m_OTShow(5);
}

void TFormMain::OTBtn6Click() {
    {
        TformCookie dialog;
        dialog.FormCreate(hwnd);
        dialog.ShowModal();
    }
    m_OTShow(6);
}
