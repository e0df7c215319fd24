#include "otherclean/form_cookie.h"
#include "widgets/theme.h"

#include <wininet.h>

#include "otherclean/cookie_keep_list.h"
#include "otherclean/core/cookie_name.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "platform/url_cache.h"
#include "settings/config_file.h"
#include "settings/core/config_lists.h"
#include "shared/app_title.h"

namespace {
constexpr int kTickColumnWidth = 27;
}  // namespace

TformCookie::~TformCookie() {
    if (hwnd) DestroyWindow(hwnd);
}

void TformCookie::FormCreate(HWND owner) {
    // The design area lies below the skinned title bar.
    const int kTop = DialogTheme().titleBarHeight + 1;
    CreateForm({.caption = UiText::kCookieCaption,
                .clientWidth = 470,
                .clientHeight = 368 + kTop,
                .style = WS_POPUP,
                .exStyle = WS_EX_CONTROLPARENT,
                .owner = owner,
                .surface = {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255)},
                .titleBar = {.show = true, .closeButton = false}});
    CenterOver(owner);
    const FontSpec& font = kThemeFonts.body;
    Label1.Create(*this, UiText::kCookieHowTo, 14, kTop + 12, 442, 18, {.font = font});
    Label1.name = "Label1";
    ListViewCookieF.Create(*this, 14, kTop + 36, 442, 270);
    ListViewCookieF.name = "ListViewCookieF";
    ListViewCookieF.AddColumn("", kTickColumnWidth);
    ListViewCookieF.AddColumn(kCookieNameCaption, 300);
    ListViewCookieF.SetRowMarks(16);
    ListViewCookieF.FixColumnWidth(0);
    ListViewCookieF.onMouseDown = [this](MouseButton b, int x, int y) { ListViewCookieFMouseDown(b, x, y); };
    ListViewCookieF.onColumnClick = [this](int column) { ListViewCookieFColumnClick(column); };
    ListViewCookieF.onTickKey = [this](int row) { ListViewCookieFTickKey(row); };
    ListViewCookieF.accessibleName = [this] { return Label1.Text(); };

    CCheckBoxAll.Create(*this, UiText::kCookieSelectAll, 14, kTop + 320, 76, 22,
                        {.kind = Button::Kind::kCheck, .font = font, .autoCheck = false});
    CCheckBoxAll.name = "CCheckBoxAll";
    CCheckBoxAll.SetChecked(true);
    CCheckBoxAll.onClick = [this] { CCheckBoxAllClick(); };
    CCheckBoxAllN.Create(*this, UiText::kCookieSelectNone, 92, kTop + 320, 100, 22,
                         {.kind = Button::Kind::kCheck, .font = font, .autoCheck = false});
    CCheckBoxAllN.name = "CCheckBoxAllN";
    CCheckBoxAllN.onClick = [this] { CCheckBoxAllNClick(); };
    CCheckBoxAllN.onDblClick = [this] { CCheckBoxAllNDblClick(); };
    suiButtonSave.Create(*this, UiText::kCookieSave, 276, kTop + 330, 85, 26, {.font = font});
    suiButtonSave.name = "suiButtonSave";
    suiButtonSave.onClick = [this] { suiButtonSaveClick(); };
    suiButton1.Create(*this, UiText::kCookieCancel, 371, kTop + 330, 85, 26, {.font = font});
    suiButton1.name = "suiButton1";
    suiButton1.onClick = [this] { suiButton1Click(); };
    cancelButton = &suiButton1;
    helpPage = "other_clean.html";

    // A keep list that cannot be read is not offered for saving: an empty list would overwrite it.
    const std::optional<std::vector<std::string>> keepList = ReadCookieKeepList();
    if (!keepList) {
        Label1.SetText(kKeepListUnreadableDialogText);
        suiButtonSave.Enable(false);
    }
    WalkUrlCache([&](const UrlCacheEntry& entry) {
        if (!(entry.type & COOKIE_CACHE_ENTRY)) return;
        std::string name = CookieNameFromUrl(entry.sourceUrl);
        m_ListViewAdd4(ListViewCookieF, name,
                       keepList && IsKeptCookie(name, *keepList) ? kMarkTicked : kMarkUnticked);
    });
}

void TformCookie::m_ListViewAdd4(ListView& list, const std::string& name, int state) {
    list.AddRow({"", name}, state);
}

void TformCookie::ListViewCookieFMouseDown(MouseButton, int x, int y) {
    bool onStateIcon = false;
    int row = ListViewCookieF.HitTest(x, y, &onStateIcon);
    if (row < 0 || !onStateIcon) return;
    ListViewCookieF.SetMark(row, ListViewCookieF.Mark(row) == kMarkUnticked ? kMarkTicked : kMarkUnticked);
}

void TformCookie::ListViewCookieFTickKey(int row) {
    ListViewCookieF.SetMark(row, ListViewCookieF.Mark(row) == kMarkUnticked ? kMarkTicked : kMarkUnticked);
}

void TformCookie::ListViewCookieFColumnClick(int column) {
    sortState.Click(column);
    ListViewCookieF.SetColumnCaption(0, sortState.Caption(0, ""));
    ListViewCookieF.SetColumnCaption(1, Caption(kCookieNameCaption).WithPrefix(sortState.Caption(1, "")));
    // The list moves its rows while it sorts, so the compare reads a copy taken before.
    sortNames_.clear();
    sortMarks_.clear();
    for (int row = 0; row < ListViewCookieF.Count(); ++row) {
        sortNames_.push_back(ListViewCookieF.Cell(row, 1));
        sortMarks_.push_back(ListViewCookieF.Mark(row));
    }
    ListViewCookieF.Sort([this](int row1, int row2) { return ListViewCookieFCompare(row1, row2); });
}

int TformCookie::ListViewCookieFCompare(int row1, int row2) {
    if (row1 < 0 || row2 < 0 || row1 >= int(sortNames_.size()) || row2 >= int(sortNames_.size())) return 0;
    const int direction = sortState.Direction();
    if (sortState.column == 0 && direction != kNotSorted)
        return Directed(sortMarks_[row1] - sortMarks_[row2], direction);
    if (sortState.column == 1 && direction != kNotSorted) {
        std::wstring a = Widen(sortNames_[row1]), b = Widen(sortNames_[row2]);
        int order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(),
                                   int(b.size())) -
                    2;
        return Directed(order, direction);
    }
    return 0;
}

void TformCookie::CCheckBoxAllClick() {
    CCheckBoxAll.SetChecked(true);
    for (int row = 0; row < ListViewCookieF.Count(); ++row) ListViewCookieF.SetMark(row, kMarkTicked);
}

void TformCookie::CCheckBoxAllNClick() {
    CCheckBoxAllN.SetChecked(false);
    for (int row = 0; row < ListViewCookieF.Count(); ++row) ListViewCookieF.SetMark(row, kMarkUnticked);
}

void TformCookie::CCheckBoxAllNDblClick() { CCheckBoxAllNClick(); }

void TformCookie::suiButtonSaveClick() {
    if (!suiButtonSave.Enabled()) return;  // the keep list could not be read
    std::vector<std::string> kept;
    for (int row = 0; row < ListViewCookieF.Count(); ++row) {
        if (ListViewCookieF.Mark(row) != kMarkTicked) continue;
        // A name that would not read back as itself is left out rather than break the list around it.
        std::string name = ListViewCookieF.Cell(row, 1);
        if (CanStoreCookieName(name)) kept.push_back(name);
    }
    if (WriteConfigValue(std::string(kConfigFileName), std::string(kConfigSection), std::string(kKeyCookie),
                         BuildEntryList(kept))) {
        CloseModal(IDOK);
        return;
    }
    ShowMessageBox(hwnd, UiString(UiText::kCookieWriteFailed), kAppTitle, MB_OK);
}

void TformCookie::suiButton1Click() { CloseModal(IDCANCEL); }
