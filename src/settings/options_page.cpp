#include "settings/options_page.h"

#include "settings/config_loaders.h"
#include "widgets/theme.h"

namespace {
const Button::Style kCheck{.kind = Button::Kind::kCheck};
const Button::Style kRadio{.kind = Button::Kind::kRadio};
const Button::Style kPush{.kind = Button::Kind::kPush, .font = kThemeFonts.body};
// The select-all and select-none boxes act as buttons: their look is set by their handlers.
const Button::Style kCommandCheck{.kind = Button::Kind::kCheck, .autoCheck = false};
constexpr unsigned kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;

const UiText kAdd = UiText::kOptionsAdd;
const UiText kDeleteFile = UiText::kOptionsDeleteFilter;
const UiText kSelectAll = UiText::kOptionsSelectAll;
const UiText kSelectNone = UiText::kOptionsSelectNone;

// Geometry of a list sheet: the list on the left, its buttons in a column on the right.
constexpr int kListX = 10, kListY = 10, kListWidth = 384, kButtonX = 404, kButtonWidth = 82;

void CreateFilterList(ListView& list, Panel& sheet) {
    list.Create(sheet, kListX, kListY, kListWidth, sheet.ClientSize().cy - 2 * kListY, LVS_SINGLESEL);
    list.anchors = kAnchorAll;
    list.AddColumn("", 27);
    list.AddColumn(UiText::kOptionsFilterColumnName, 85);
    list.AddColumn(UiText::kOptionsFilterColumnType, 50);
    list.AddColumn(UiText::kOptionsFilterColumnDescription, 170);
    list.SetRowMarks(16);
    list.FixColumnWidth(0);
}

void CreateSideButton(Button& button, Panel& sheet, const Caption& caption, int y,
                      Button::Style style = kPush) {
    bool push = style.kind == Button::Kind::kPush;
    button.Create(sheet, caption, kButtonX, y, kButtonWidth, push ? 26 : 20, style);
    button.anchors = kAnchorTop | kAnchorRight;
}

// Small pictures in front of the two delete-mode radio buttons.
void PaintRecycleBin(HDC dc, const RECT& r) {
    const Theme& t = MainTheme();
    int l = r.left + 3, top = r.top + 2;
    HPEN pen = CreatePen(PS_SOLID, 1, t.frameDark);
    HBRUSH body = CreateSolidBrush(t.checkMark);
    HGDIOBJ op = SelectObject(dc, pen), ob = SelectObject(dc, body);
    Rectangle(dc, l, top + 2, l + 14, top + 4);
    POINT shape[] = {{l + 1, top + 5}, {l + 13, top + 5}, {l + 11, top + 17}, {l + 3, top + 17}};
    Polygon(dc, shape, 4);
    SelectObject(dc, op);
    SelectObject(dc, ob);
    DeleteObject(pen);
    DeleteObject(body);
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    op = SelectObject(dc, white);
    for (int x : {l + 5, l + 7, l + 9}) {
        MoveToEx(dc, x, top + 7, nullptr);
        LineTo(dc, x, top + 15);
    }
    SelectObject(dc, op);
    DeleteObject(white);
}

void PaintDirectDelete(HDC dc, const RECT& r) {
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(200, 40, 30));
    HGDIOBJ op = SelectObject(dc, pen);
    MoveToEx(dc, r.left + 5, r.top + 5, nullptr);
    LineTo(dc, r.left + 15, r.top + 15);
    MoveToEx(dc, r.left + 15, r.top + 5, nullptr);
    LineTo(dc, r.left + 5, r.top + 15);
    SelectObject(dc, op);
    DeleteObject(pen);
}
}  // namespace

void OptionsPage::Create(const PageHost& host) {
    host_ = host;
    const Theme& t = MainTheme();
    suiPage.Create(suiPanelOptions, 10, 10, 503, 346);
    suiPage.name = "suiPage";
    suiPage.anchors = kAnchorAll;
    suiPage.AddSheet(suiTabSheetGeneral, UiText::kOptionsTabGeneral);
    suiPage.AddSheet(suiTabSheetExcludePath, UiText::kOptionsTabExcludePaths);
    suiPage.AddSheet(suiTabSheetFilterI, UiText::kOptionsTabIncludeFilters);
    suiPage.AddSheet(suiTabSheetFilterE, UiText::kOptionsTabExcludeFilters);
    suiPage.SetActivePage(0);

    const SIZE sheet = suiTabSheetGeneral.ClientSize();
    int groupWidth = sheet.cx - 24;
    const Panel::Style group{.fill = Panel::Fill::kFramed, .color = t.pageBack, .border = t.checkBorder};
    Panel::Style scanGroup = group;
    scanGroup.caption = UiText::kOptionsScanGroup;
    suiGroupScanOptions.Create(suiTabSheetGeneral, 12, 12, groupWidth, 134, scanGroup);
    suiGroupScanOptions.anchors = kAnchorLeft | kAnchorTop | kAnchorRight;
    struct {
        Button& box;
        UiText caption;
    } checks[] = {
        {gCheckRead, UiText::kOptionsScanReadOnly},
        {gCheckSystem, UiText::kOptionsScanSystem},
        {gCheckHide, UiText::kOptionsScanHidden},
        {gCheckZero, UiText::kOptionsScanZeroBytes},
    };
    int y = 32;
    for (auto& c : checks) {
        c.box.Create(suiGroupScanOptions, c.caption, 20, y, 260, 20, kCheck);
        y += 24;
    }

    Panel::Style cleanGroup = group;
    cleanGroup.caption = UiText::kOptionsCleanGroup;
    suiGroupCleanOptions.Create(suiTabSheetGeneral, 12, 160, groupWidth, 88, cleanGroup);
    suiGroupCleanOptions.anchors = kAnchorLeft | kAnchorTop | kAnchorRight;
    gImageRecycle.Create(suiGroupCleanOptions, 20, 30, 20, 20, PaintRecycleBin);
    gRadioRecycle.Create(suiGroupCleanOptions, UiText::kOptionsToRecycleBin, 46, 30, 260, 20, kRadio);
    gImagePermanently.Create(suiGroupCleanOptions, 20, 56, 20, 20, PaintDirectDelete);
    gRadioPermanently.Create(suiGroupCleanOptions, UiText::kOptionsPermanently, 46, 56, 260, 20, kRadio);
    Panel::Style languageGroup = group;
    languageGroup.caption = UiText::kOptionsLanguage;
    suiGroupLanguage.Create(suiTabSheetGeneral, 12, 258, groupWidth, 52, languageGroup);
    suiGroupLanguage.anchors = kAnchorLeft | kAnchorTop | kAnchorRight;
    gRadioChinese.Create(suiGroupLanguage, UiText::kOptionsLanguageChinese, 46, 26, 100, 20, kRadio);
    gRadioEnglish.Create(suiGroupLanguage, UiText::kOptionsLanguageEnglish, 156, 26, 100, 20, kRadio);
    gRadioChinese.name = "gRadioChinese";
    gRadioEnglish.name = "gRadioEnglish";
    gRadioChinese.onClick = [this] { gRadioEnglish.SetChecked(false); };
    gRadioEnglish.onClick = [this] { gRadioChinese.SetChecked(false); };

    gRadioRecycle.onClick = [this] { gRadioPermanently.SetChecked(false); };
    gRadioPermanently.onClick = [this] { gRadioRecycle.SetChecked(false); };

    ListViewExcludePath.Create(suiTabSheetExcludePath, kListX, kListY, kListWidth, sheet.cy - 2 * kListY,
                               LVS_SINGLESEL);
    ListViewExcludePath.anchors = kAnchorAll;
    ListViewExcludePath.AddColumn(UiText::kOptionsPathColumn, 332);
    ListViewExcludePath.SetRowMarks(16);
    CreateSideButton(epButtonAdd, suiTabSheetExcludePath, kAdd, kListY);
    CreateSideButton(epButtonDel, suiTabSheetExcludePath, UiText::kOptionsDeletePath, kListY + 34);

    CreateFilterList(ListViewFilterI, suiTabSheetFilterI);
    CreateSideButton(ifButtonAdd, suiTabSheetFilterI, kAdd, kListY);
    CreateSideButton(ifButtonDelete, suiTabSheetFilterI, kDeleteFile, kListY + 34);
    CreateSideButton(OCheckBoxAll1, suiTabSheetFilterI, kSelectAll, kListY + 84, kCommandCheck);
    CreateSideButton(OCheckBoxAllN1, suiTabSheetFilterI, kSelectNone, kListY + 108, kCommandCheck);
    CreateFilterList(ListViewFilterE, suiTabSheetFilterE);
    CreateSideButton(efButtonAdd, suiTabSheetFilterE, kAdd, kListY);
    CreateSideButton(efButtonDelete, suiTabSheetFilterE, kDeleteFile, kListY + 34);
    CreateSideButton(OCheckBoxAll2, suiTabSheetFilterE, kSelectAll, kListY + 84, kCommandCheck);
    CreateSideButton(OCheckBoxAllN2, suiTabSheetFilterE, kSelectNone, kListY + 108, kCommandCheck);
    OCheckBoxAll1.SetChecked(true);
    OCheckBoxAll2.SetChecked(true);

    suiButtonDefault.Create(suiPanelOptions, UiText::kOptionsDefault, 341, 368, 80, 26, kPush);
    suiButtonSave.Create(suiPanelOptions, UiText::kOptionsSave, 431, 368, 80, 26, kPush);
    suiButtonDefault.anchors = suiButtonSave.anchors = kAnchorRight | kAnchorBottom;

    WireOptionsPage();
}

void OptionsPage::WireOptionsPage() {
    suiButtonDefault.onClick = [this] { suiButtonDefaultClick(); };
    suiButtonSave.onClick = [this] { suiButtonSaveClick(); };
    epButtonAdd.onClick = [this] { epButtonAddClick(); };
    epButtonDel.onClick = [this] { epButtonDelClick(); };
    ifButtonAdd.onClick = [this] { ifButtonAddClick(); };
    ifButtonDelete.onClick = [this] { ifButtonDeleteClick(); };
    efButtonAdd.onClick = [this] { efButtonAddClick(); };
    efButtonDelete.onClick = [this] { efButtonDeleteClick(); };
    OCheckBoxAll1.onClick = [this] { OCheckBoxAll1Click(); };
    OCheckBoxAllN1.onClick = [this] { OCheckBoxAllN1Click(); };
    OCheckBoxAll2.onClick = [this] { OCheckBoxAll2Click(); };
    OCheckBoxAllN2.onClick = [this] { OCheckBoxAllN2Click(); };

    struct ListEvents {
        ListView& list;
        void (OptionsPage::*mouseDown)(MouseButton, int, int);
        void (OptionsPage::*dblClick)();
        void (OptionsPage::*columnClick)(int);
        void (OptionsPage::*tickKey)(int);
        void (OptionsPage::*deleteKey)(int);
    } lists[] = {
        {ListViewExcludePath, &OptionsPage::ListViewExcludePathMouseDown,
         &OptionsPage::ListViewExcludePathDblClick, &OptionsPage::ListViewExcludePathColumnClick, nullptr,
         &OptionsPage::ListViewExcludePathDeleteKey},
        {ListViewFilterI, &OptionsPage::ListViewFilterIMouseDown, &OptionsPage::ListViewFilterIDblClick,
         &OptionsPage::ListViewFilterIColumnClick, &OptionsPage::ListViewFilterITickKey,
         &OptionsPage::ListViewFilterIDeleteKey},
        {ListViewFilterE, &OptionsPage::ListViewFilterEMouseDown, &OptionsPage::ListViewFilterEDblClick,
         &OptionsPage::ListViewFilterEColumnClick, &OptionsPage::ListViewFilterETickKey,
         &OptionsPage::ListViewFilterEDeleteKey},
    };
    ListViewExcludePath.name = "ListViewExcludePath";
    ListViewFilterI.name = "ListViewFilterI";
    ListViewFilterE.name = "ListViewFilterE";
    for (int page = 1; const ListEvents& e : lists) {
        if (e.tickKey) e.list.onTickKey = [this, key = e.tickKey](int row) { (this->*key)(row); };
        e.list.onDeleteKey = [this, key = e.deleteKey](int row) { (this->*key)(row); };
        // A list has no text of its own: a screen reader names it by its tab.
        e.list.accessibleName = [this, page] { return suiPage.PageCaption(page); };
        ++page;
        e.list.onMouseDown = [this, down = e.mouseDown](MouseButton b, int x, int y) {
            (this->*down)(b, x, y);
        };
        e.list.onColumnClick = [this, click = e.columnClick](int column) { (this->*click)(column); };
        // The second press of a double click arrives as the double click itself: it counts as a press
        // (so a double click on a tick box leaves it as it was) before the double-click handler runs.
        e.list.onDblClickAt = [this, down = e.mouseDown, dbl = e.dblClick](POINT at) {
            (this->*down)(kLeftButton, at.x, at.y);
            (this->*dbl)();
        };
    }
}

void OptionsPage::LoadOptions() {
    ShowLanguage(CurrentUiLanguage());
    LoadGeneralOptions(gCheckRead, gCheckSystem, gCheckHide, gCheckZero, gRadioRecycle, gRadioPermanently);
    LoadExcludePaths(ListViewExcludePath);
    LoadIncludeFilters(ListViewFilterI);
    LoadExcludeFilters(ListViewFilterE);
}
