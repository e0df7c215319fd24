// The windows at the test prefix's display scale (KDC_TEST_DPI: 120, 144 or 192; unset, 96), in
// each interface language.
#include <cstdlib>

#include "app/form_about.h"
#include "otherclean/form_clean.h"
#include "otherclean/form_cookie.h"
#include "platform/frame.h"
#include "platform/text.h"
#include "scan/form_delete_report.h"
#include "settings/add_filter_dialogs.h"
#include "shared/all_var.h"
#include "support/main_window.h"
#include "widgets/link_label.h"
#include "widgets/list_view.h"
#include "widgets/popup_menu.h"
#include "widgets/page_control.h"

namespace {
int Px(int logical) { return ScaleToDpi(logical, SystemDpi()); }

std::vector<Widget*> Widgets(HWND root) {
    std::vector<Widget*> all;
    EnumChildWindows(
        root,
        [](HWND h, LPARAM list) {
            if (Widget* w = Widget::From(h)) reinterpret_cast<std::vector<Widget*>*>(list)->push_back(w);
            return TRUE;
        },
        LPARAM(&all));
    return all;
}

int TextWidth(HDC dc, const std::string& text, const FontSpec& font, int dpi) {
    HGDIOBJ old = SelectObject(dc, GetFont(font, dpi));
    RECT need{0, 0, 0, 0};
    DrawTextW(dc, Widen(text).c_str(), -1, &need, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, old);
    return need.right;
}

bool HoldsCjk(const std::string& text) {
    for (wchar_t c : Widen(text))
        if ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    return false;
}

// What a caption shows wrongly in the current language: another text than its key's, or, in English,
// a Chinese character. A language is named in its own script; texts without a key are data.
std::string LanguageFault(const Caption& caption, const std::string& shown) {
    const UiLanguage language = CurrentUiLanguage();
    if (auto key = caption.Key()) {
        const char* wanted = UiTextIn(language, *key);
        if (!wanted) return std::string(UiTextName(*key)) + " has no text\n";
        if (shown != caption.Text()) return shown + " is not " + wanted + "\n";
        if (language == UiLanguage::kEnglish && HoldsCjk(shown) && *key != UiText::kOptionsLanguage &&
            *key != UiText::kOptionsLanguageChinese)
            return shown + " is not English\n";
        return "";
    }
    return language == UiLanguage::kEnglish && HoldsCjk(shown) ? shown + " is not English\n" : "";
}

std::string MenuFaults(const PopupMenu& menu) {
    std::string faults;
    for (const PopupMenu::Item& item : menu.Items())
        faults += LanguageFault(item.caption, item.caption.Text());
    return faults;
}

// What a window shows wrongly at its scale and in its language: a caption that does not fit its
// control in its font, reads in another language than the window's or is not its key's text; a picture
// in a caption's blank gap that covers its words; and sibling controls that overlap on screen where
// their places in the design (the device rectangle brought back by the scale) do not.
std::string Faults(HWND root) {
    const std::vector<Widget*> all = Widgets(root);
    std::string faults;
    if (Widget* top = Widget::From(root)) faults += LanguageFault(top->GivenCaption(), top->Text());
    HDC dc = GetDC(nullptr);
    for (Widget* w : all) {
        faults += LanguageFault(w->GivenCaption(), w->Text());
        RECT client;
        GetClientRect(w->hwnd, &client);
        if (auto* panel = dynamic_cast<Panel*>(w); panel && panel->style.fill == Panel::Fill::kFramed) {
            const std::string caption = panel->style.caption.Text();
            if (TextWidth(dc, caption, panel->style.captionFont, w->dpi) + w->Px(10) > client.right)
                faults += caption + " clipped\n";
        }
        if (auto* list = dynamic_cast<ListView*>(w)) {
            for (int c = 0; c < list->ColumnCount(); ++c) {
                const std::string caption = list->ColumnCaption(c);
                faults += LanguageFault(list->ColumnCaptionGiven(c), caption);
                const int width = int(SendMessageW(w->hwnd, LVM_GETCOLUMNWIDTH, c, 0));
                if (!caption.empty() && (GetWindowLongW(w->hwnd, GWL_STYLE) & LVS_NOCOLUMNHEADER) == 0 &&
                    TextWidth(dc, caption, kThemeFonts.text, w->dpi) + w->Px(12) > width)
                    faults += caption + " clipped\n";
            }
        }
        if (auto* tabs = dynamic_cast<PageControl*>(w))
            for (int page = 0; page < tabs->PageCount(); ++page)
                faults += LanguageFault(Caption(), tabs->PageCaption(page));
        const auto* label = dynamic_cast<Label*>(w);
        // A caption with a gap of blanks keeps room for a picture there: the words on either side of the
        // gap stay clear of any picture over the caption.
        if (const std::string text = w->Text(); label && !label->style.wordWrap &&
                                                text.find("   ") != std::string::npos &&
                                                text.find_first_not_of(' ') < text.find("   ")) {
            const size_t gap = text.find("   "), after = text.find_first_not_of(' ', gap);
            RECT bounds = w->Bounds();
            const int wordsEnd = bounds.left + TextWidth(dc, text.substr(0, gap), label->style.font, w->dpi);
            const int wordsStart =
                bounds.left + TextWidth(dc, text.substr(0, after), label->style.font, w->dpi);
            for (Widget* other : all) {
                RECT o = other->Bounds(), x;
                if (other == w || GetParent(other->hwnd) != GetParent(w->hwnd) ||
                    !dynamic_cast<Button*>(other) || !IntersectRect(&x, &o, &bounds))
                    continue;
                if (o.left < wordsEnd || o.right > wordsStart) faults += text + " covered by a picture\n";
            }
        }
        const auto* button = dynamic_cast<Button*>(w);
        if ((!label && !button) || w->Text().empty() ||
            (button && button->style.kind == Button::Kind::kImage))
            continue;
        const bool box = button && button->style.kind != Button::Kind::kPush;
        RECT need{0, 0, 0, 0};
        need.right = client.right - (box ? w->Px(19) : 0);
        HGDIOBJ old = SelectObject(dc, GetFont(label ? label->style.font : button->style.font, w->dpi));
        DrawTextW(
            dc, Widen(w->Text()).c_str(), -1, &need,
            DT_CALCRECT | DT_NOPREFIX | (label && label->style.wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        if (need.right + (box ? w->Px(19) : 0) > client.right || need.bottom > client.bottom)
            faults += w->Text() + " clipped\n";
    }
    ReleaseDC(nullptr, dc);
    auto design = [](const Widget* w) {
        RECT r = w->Bounds();
        RECT l{MulDiv(r.left, 96, w->dpi), MulDiv(r.top, 96, w->dpi), MulDiv(r.right, 96, w->dpi),
               MulDiv(r.bottom, 96, w->dpi)};
        InflateRect(&l, -1, -1);  // a shared edge is rounding
        return l;
    };
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            Widget *a = all[i], *b = all[j];
            RECT ra = a->Bounds(), rb = b->Bounds(), la = design(a), lb = design(b), x;
            InflateRect(&ra, -1, -1);
            if (GetParent(a->hwnd) == GetParent(b->hwnd) && IsWindowVisible(a->hwnd) &&
                IsWindowVisible(b->hwnd) && IntersectRect(&x, &ra, &rb) && !IntersectRect(&x, &la, &lb))
                faults += a->Text() + " over " + b->Text() + "\n";
        }
    return faults;
}

SIZE OuterSize(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return {r.right - r.left, r.bottom - r.top};
}

class Dpi : public MainWindowTest {};

// The main window started in a language, as Config.ini names it.
class DpiInLanguage : public Dpi, public testing::WithParamInterface<UiLanguage> {
  protected:
    void SetUp() override {
        WritePrivateProfileStringW(L"Drive", L"Language", Widen(ConfigValueOf(GetParam())).c_str(),
                                   Config().c_str());
        Dpi::SetUp();
    }
    void TearDown() override {
        Dpi::TearDown();
        DeleteFileW(Config().c_str());
        SetCurrentUiLanguage(UiLanguage::kChinese);
    }
    static std::wstring Config() { return Widen(TestExeFolder() + "Config.ini"); }
};
}  // namespace

INSTANTIATE_TEST_SUITE_P(Languages, DpiInLanguage,
                         testing::Values(UiLanguage::kChinese, UiLanguage::kEnglish),
                         [](const auto& info) { return std::string(ConfigValueOf(info.param)); });

TEST_P(DpiInLanguage, WindowsTakeTheScaleWithTheirTextsWholeAndTheirControlsApart) {
    ASSERT_EQ(CurrentUiLanguage(), GetParam());
    if (const char* wanted = std::getenv("KDC_TEST_DPI")) {
        EXPECT_EQ(SystemDpi(), std::atoi(wanted));
    }
    EXPECT_EQ(form->dpi, WindowDpi(form->hwnd));
    EXPECT_NEAR(OuterSize(form->hwnd).cx, Px(717), 2);
    EXPECT_NEAR(OuterSize(form->hwnd).cy, Px(547), 2);
    for (Label* menu : {&form->LeftMenu1, &form->LeftMenu2, &form->LeftMenu3}) {
        menu->onClick();
        PumpFor(20);
        EXPECT_EQ(Faults(form->hwnd), "") << menu->Text();
    }
    form->LeftMenu2.onClick();
    for (int page = 0; page < 4; ++page) {
        form->optionsPage.suiPage.SetActivePage(page);
        EXPECT_EQ(Faults(form->hwnd), "") << page;
    }
    form->resultsPage.suiPanelClean1.Show(true);
    EXPECT_EQ(Faults(form->hwnd), "") << "results";
    form->resultsPage.suiPanelDeling.Show(true);
    EXPECT_EQ(Faults(form->hwnd), "") << "deleting";
    form->resultsPage.suiPanelDeling.Show(false);
    form->resultsPage.suiPanelClean1.Show(false);
    EXPECT_EQ(MenuFaults(form->FrmMainMenu) + MenuFaults(form->menuHelp) +
                  MenuFaults(form->resultsPage.ListViewScanMenu),
              "");

    const int top = DialogTheme().titleBarHeight + 1;
    TformAbout about;
    TformClean clean;
    TformCookie cookie;
    TformDeleteReport report;
    about.FormCreate(form->hwnd);
    clean.FormCreate(form->hwnd);
    cookie.FormCreate(form->hwnd);
    report.FormCreate(form->hwnd, DeletionOutcome{.left = std::vector<LeftFile>(3)});
    CreateAddFilterDialogs();
    AddFilter->CenterOver(form->hwnd);
    AddFilterExclude->CenterOver(form->hwnd);
    struct Case {
        Form& dialog;
        int width, height;
    } cases[] = {{about, 361, 224},        {clean, 335, 121 + top},      {cookie, 470, 368 + top},
                 {report, 700, 330 + top}, {*AddFilter, 380, 186 + top}, {*AddFilterExclude, 380, 186 + top}};
    RECT main;
    GetWindowRect(form->hwnd, &main);
    for (const Case& c : cases) {
        RECT r;
        GetWindowRect(c.dialog.hwnd, &r);
        EXPECT_NEAR(r.right - r.left, Px(c.width), 2) << c.dialog.Text();
        EXPECT_NEAR(r.bottom - r.top, Px(c.height), 2) << c.dialog.Text();
        EXPECT_NEAR(r.left + r.right, main.left + main.right, 3) << c.dialog.Text();  // centred
        EXPECT_NEAR(r.top + r.bottom, main.top + main.bottom, 3) << c.dialog.Text();
        ShowWindow(c.dialog.hwnd, SW_SHOWNA);
        PumpFor(20);
        EXPECT_EQ(Faults(c.dialog.hwnd), "") << c.dialog.Text();
        ShowWindow(c.dialog.hwnd, SW_HIDE);
    }
    for (Form* f : std::initializer_list<Form*>{&about, &clean, &cookie, &report}) DestroyWindow(f->hwnd);
}

TEST_F(Dpi, FrameZonesLimitsAndMaximisedBoundsScale) {
    // Logical points from the window's left or top edge, or (negative) from its right or bottom edge.
    struct Case {
        int x, y;
        LRESULT answer;
    } cases[] = {{7, 7, HTTOPLEFT},  {8, 2, HTTOP},           {8, 3, HTCLIENT},      {-8, 7, HTTOPRIGHT},
                 {-9, -9, HTCLIENT}, {-8, -8, HTBOTTOMRIGHT}, {7, -8, HTBOTTOMLEFT}, {7, 8, HTLEFT}};
    RECT w;
    GetWindowRect(form->hwnd, &w);
    auto at = [](int v, LONG from, LONG to) { return v >= 0 ? from + Px(v) : to - Px(-v); };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageW(form->hwnd, WM_NCHITTEST, 0,
                               MAKELPARAM(at(c.x, w.left, w.right), at(c.y, w.top, w.bottom))),
                  c.answer)
            << c.x << "," << c.y;
    MINMAXINFO info{};
    SendMessageW(form->hwnd, WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, Px(717));
    EXPECT_EQ(info.ptMinTrackSize.y, Px(547));

    form->BtnMaxClick();
    RECT area = WorkAreaNear(form->hwnd), max;
    GetWindowRect(form->hwnd, &max);
    EXPECT_TRUE(max.left == area.left - Px(2) && max.top == area.top - Px(2) &&
                max.right == area.right + Px(2) && max.bottom == area.bottom - Px(1));
    EXPECT_NEAR(form->BtnClose.Bounds().right, (max.right - max.left) - Px(15), 1);
    form->BtnRestoreClick();
}

// Moved to a screen of another scale and back: the suggested rectangle, every control (on every
// page) where its place at the first scale puts it at the new one, and the first layout again.
TEST_P(DpiInLanguage, MovingToAScreenOfAnotherScaleLaysTheWindowOutAgain) {
    const int first = form->dpi, other = first == 192 ? 96 : 192;
    std::vector<std::pair<Widget*, RECT>> start;
    for (Widget* w : Widgets(form->hwnd)) start.emplace_back(w, w->Bounds());
    RECT before;
    GetWindowRect(form->hwnd, &before);
    for (int dpi : {other, first}) {
        RECT suggested{before.left, before.top, before.left + ScaleToDpi(717, dpi),
                       before.top + ScaleToDpi(547, dpi)};
        SendMessageW(form->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        PumpFor(20);
        EXPECT_EQ(OuterSize(form->hwnd).cx, ScaleToDpi(717, dpi));
        for (auto& [w, r] : start) {
            RECT now = w->Bounds(), area;
            EXPECT_EQ(w->dpi, dpi);
            // Two kinds of places follow their text instead: a tab control's sheets (below the tabs,
            // whose height is the font's) and a link as wide as its text.
            if (auto* tabs = dynamic_cast<PageControl*>(Widget::From(GetParent(w->hwnd)))) {
                GetClientRect(tabs->hwnd, &area);
                EXPECT_TRUE(now.left >= 0 && now.right <= area.right && now.bottom <= area.bottom) << w->name;
                continue;
            }
            if (dynamic_cast<LinkLabel*>(w)) now.right = MulDiv(r.right, dpi, first);
            for (auto [was, is] : {std::pair{r.left, now.left},
                                   {r.top, now.top},
                                   {r.right, now.right},
                                   {r.bottom, now.bottom}})
                EXPECT_NEAR(is, MulDiv(was, dpi, first), 2) << w->name << " " << w->Text() << " at " << dpi;
        }
        for (Label* menu : {&form->LeftMenu1, &form->LeftMenu2, &form->LeftMenu3}) {
            menu->onClick();
            EXPECT_EQ(Faults(form->hwnd), "") << dpi << menu->Text();
        }
        form->LeftMenu1.onClick();  // the page the places were taken on
    }
}
