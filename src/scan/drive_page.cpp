#include "scan/drive_page.h"

#include <cstdio>

#include "platform/drives.h"
#include "platform/locale.h"
#include "widgets/keyboard.h"
#include "widgets/theme.h"

namespace {
const COLORREF kListGrey = RGB(240, 240, 240);

// "0.00 GB" with the locale's decimal separator, from a byte count.
std::string GigabyteText(uint64_t bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f GB", double(bytes) / 1024.0 / 1024.0 / 1024.0);
    for (char* c = text; *c; ++c) {
        if (*c == '.') *c = DecimalSeparator();
    }
    return text;
}

void PaintSeparator(HDC dc, const RECT& r) {
    RECT top{r.left, r.top, r.right, r.top + 1}, bottom{r.left, r.top + 1, r.right, r.top + 2};
    FillSolid(dc, top, RGB(160, 160, 160));
    FillSolid(dc, bottom, RGB(255, 255, 255));
}

// A drive with a broom over it: the page's decoration.
void PaintDriveDecoration(HDC dc, const RECT& r) {
    const Theme& t = MainTheme();
    int x = r.left + 10, y = r.top + 38;
    RECT body{x, y, x + 80, y + 34};
    FillGradient(dc, body, RGB(214, 222, 216), RGB(150, 166, 156));
    SetDCPenColor(dc, RGB(96, 112, 102));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, body.left, body.top, body.right, body.bottom, 6, 6);
    RECT led{x + 64, y + 22, x + 72, y + 26};
    FillSolid(dc, led, t.checkMark);
    HPEN handle = CreatePen(PS_SOLID, 4, RGB(150, 96, 40));
    SelectObject(dc, handle);
    MoveToEx(dc, x + 70, y - 30, nullptr);
    LineTo(dc, x + 36, y + 8);
    SelectObject(dc, oldPen);
    DeleteObject(handle);
    SetDCBrushColor(dc, t.accent);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    POINT bristles[] = {{x + 38, y + 2}, {x + 26, y + 20}, {x + 16, y + 14}, {x + 30, y - 4}};
    Polygon(dc, bristles, 4);
    SelectObject(dc, oldBrush);
}
}  // namespace

void DriveCleanPage::FillDrives() {
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (!IsFixedOrRemovableDrive(root)) continue;
        std::string name = DriveDisplayName(root);
        // The caption always ends in " (C:)", whatever name the drive has; the row keeps its letter.
        const std::string suffix = std::string("(") + letter + ":)";
        if (name.size() < suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            name += " " + suffix;
        DriveSpace space = QueryDriveSpace(root).value_or(DriveSpace{});
        ListViewDrive.AddRow({name, GigabyteText(space.total), GigabyteText(space.freeToCaller)},
                             kMarkTicked);
        rowDrives.push_back(std::string(1, letter) + ":");
    }
}

void DriveCleanPage::Create(std::function<void()> startScan) {
    driveInnerPanel.Create(suiPanelClean, 10, 8, 497, 377, {});
    const Label::Style line{.font = kThemeFonts.intro, .color = RGB(0, 0, 0), .wordWrap = true};
    driveLine1.Create(driveInnerPanel, UiText::kDriveIntro, 24, 20, 465, 33, line);
    driveLine2.Create(driveInnerPanel, UiText::kDriveHowTo, 25, 70, 368, 31, line);
    driveLine3.Create(driveInnerPanel, UiText::kDriveOptionsHint, 25, 120, 368, 28, line);
    driveSeparator1.Create(driveInnerPanel, 23, 15, 300, 2, PaintSeparator);
    driveSeparator2.Create(driveInnerPanel, 24, 64, 300, 2, PaintSeparator);
    driveSeparator3.Create(driveInnerPanel, 24, 114, 300, 2, PaintSeparator);
    drivePicture.Create(driveInnerPanel, 395, 40, 100, 100, PaintDriveDecoration);

    suiPanel2.Create(driveInnerPanel, 60, 169, 377, 154,
                     {.fill = Panel::Fill::kFramed,
                      .color = kListGrey,
                      .border = MainTheme().buttonBorder,
                      .caption = UiText::kDriveListHeader,
                      // regular weight: the spaced column names must fit the frame's width
                      .captionFont = kThemeFonts.text});
    suiPanel2.name = "suiPanel2";
    // The list sits under the frame's caption strip, at (61, 190) of the inner panel.
    ListViewDrive.Create(suiPanel2, 1, 21, 375, 132, LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_NOSORTHEADER);
    ListViewDrive.name = "ListViewDrive";
    ListViewDrive.accessibleName = [] { return std::string(UiString(UiText::kDriveListName)); };
    ListViewDrive.onTickKey = [this](int row) { ListViewDriveTickKey(row); };
    ListViewDrive.AddColumn("", 150);
    ListViewDrive.AddColumn("", 80, LVCFMT_RIGHT);
    ListViewDrive.AddColumn("", 120, LVCFMT_RIGHT);
    ListViewDrive.SetRowMarks(30);
    ListViewDrive.SetBackColor(kListGrey);
    ListViewDrive.onMouseDown = [this](MouseButton b, int x, int y) { ListViewDriveMouseDown(b, x, y); };
    ListViewDrive.onCustomDrawRow = [this](int, UINT& drawState) { ListViewDriveCustomDrawItem(drawState); };

    suiButtonScan.Create(driveInnerPanel, UiText::kDriveScan, 402, 342, 89, 27, {});
    suiButtonScan.name = "suiButtonScan";
    suiButtonScan.onClick = std::move(startScan);
}

void DriveCleanPage::ListViewDriveTickKey(int row) {
    ListViewDrive.SetMark(row, ListViewDrive.Mark(row) == kMarkUnticked ? kMarkTicked : kMarkUnticked);
}

void DriveCleanPage::ListViewDriveMouseDown(MouseButton button, int x, int y) {
    if (button != kLeftButton) return;
    bool onBox = false;
    int row = ListViewDrive.HitTest(x, y, &onBox);
    if (row < 0 || !onBox) return;
    ListViewDrive.SetMark(row, ListViewDrive.Mark(row) == kMarkUnticked ? kMarkTicked : kMarkUnticked);
}

// No drive row is ever drawn selected or focused: the tick box is the only choice the list offers.
// Only while the keyboard cues show does the keyboard's row keep its focus, which the list frames.
void DriveCleanPage::ListViewDriveCustomDrawItem(UINT& drawState) {
    const bool keyboard = KeyboardCuesShown(ListViewDrive.hwnd);
    if (ListViewDrive.Selected() >= 0 || (!keyboard && ListViewDrive.FocusedRow() >= 0))
        ListViewDrive.ClearRowStates(keyboard ? LVIS_SELECTED : LVIS_SELECTED | LVIS_FOCUSED);
    drawState &= ~UINT(keyboard ? CDIS_SELECTED : CDIS_SELECTED | CDIS_FOCUS);
}

std::vector<std::string> DriveCleanPage::TickedDrives() const {
    std::vector<std::string> drives;
    for (int row = 0; row < ListViewDrive.Count(); ++row) {
        if (ListViewDrive.Mark(row) == kMarkTicked && size_t(row) < rowDrives.size())
            drives.push_back(rowDrives[size_t(row)]);
    }
    return drives;
}
