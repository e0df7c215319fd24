#include "scan/form_delete_report.h"

#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/text.h"
#include "scan/core/size_text.h"
#include "shared/app_title.h"
#include "widgets/theme.h"

TformDeleteReport* formDeleteReport = nullptr;

namespace {
const UiText kColumnCaptions[] = {UiText::kReportColumnName, UiText::kReportColumnFolder,
                                  UiText::kReportColumnReason};
const UiText kCopyCaption = UiText::kReportCopyList;
const UiText kCloseCaption = UiText::kReportClose;

std::string Plural(size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The system's own words for an error, on one line.
std::string SystemMessage(DWORD error) {
    std::string text = SystemMessageText(error);
    if (text.empty()) return "Error " + std::to_string(error);
    return text;
}
}  // namespace

std::string DeleteSummaryText(const DeletionOutcome& outcome) {
    return "Deleted " + Plural(outcome.deleted, "file", "files") + ", " +
           FormatSize(outcome.bytesFreed, DecimalSeparator()) + " freed. " +
           Plural(outcome.left.size(), "file was", "files were") + " not deleted:";
}

std::string LeftReasonText(const LeftFile& file) {
    switch (file.reason) {
        case LeftReason::kInUse:
            return "In use by another program";
        case LeftReason::kAccessDenied:
            return "Access denied";
        case LeftReason::kChanged:
            return "Changed since the scan";
        case LeftReason::kPostponed:
            return "Deletion was postponed: another program still has it open; it goes when that program "
                   "closes it";
        case LeftReason::kNotDeleted:
            return "The system did not delete it";
        case LeftReason::kUnreachable:
            return "This name cannot be reached exactly; delete it with the tools of the system it comes "
                   "from";
        case LeftReason::kRecycleName:
            return "The Recycle Bin cannot take this name; permanent mode can delete it";
        case LeftReason::kRecyclePathTooLong:
            return "The path is too long for the Recycle Bin; permanent mode can delete it";
        case LeftReason::kRecycleRefused:
            if (!file.shellResult) return "The Recycle Bin did not take it";
            return "The Recycle Bin did not take it (shell error " + std::to_string(file.shellResult) + ")";
        case LeftReason::kSystem:
            break;
    }
    return SystemMessage(file.error);
}

TformDeleteReport::~TformDeleteReport() {
    if (formDeleteReport == this) formDeleteReport = nullptr;
    if (hwnd) DestroyWindow(hwnd);
}

void TformDeleteReport::FormCreate(HWND owner, const DeletionOutcome& outcome) {
    const int kTop = DialogTheme().titleBarHeight + 1;
    formDeleteReport = this;
    outcome_ = outcome;
    for (const LeftFile& file : outcome_.left) reasons_.push_back(Widen(LeftReasonText(file)));
    CreateForm({.caption = kAppTitle,
                .clientWidth = 700,
                .clientHeight = 330 + kTop,
                .style = WS_POPUP,
                .exStyle = WS_EX_CONTROLPARENT,
                .owner = owner,
                .surface = {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255)},
                .titleBar = {.show = true, .closeButton = true}});
    CenterOver(owner);
    const FontSpec& font = kThemeFonts.body;
    LabelSummary.Create(*this, DeleteSummaryText(outcome_), 14, kTop + 12, 672, 18, {.font = font});
    LabelSummary.name = "LabelSummary";
    ListViewLeft.Create(*this, 14, kTop + 36, 672, 240, LVS_OWNERDATA | WS_BORDER);
    ListViewLeft.name = "ListViewLeft";
    ListViewLeft.AddColumn(kColumnCaptions[0], 130);
    ListViewLeft.AddColumn(kColumnCaptions[1], 150);
    ListViewLeft.AddColumn(kColumnCaptions[2], 388);
    ListViewLeft.onGetCell = [this](int row, int column) { return LeftCell(row, column); };
    ListViewLeft.SetItemCount(int(outcome_.left.size()));
    suiButtonCopy.Create(*this, kCopyCaption, 506, kTop + 290, 85, 26, {.font = font});
    suiButtonCopy.name = "suiButtonCopy";
    suiButtonCopy.onClick = [this] { suiButtonCopyClick(); };
    suiButtonClose.Create(*this, kCloseCaption, 601, kTop + 290, 85, 26, {.font = font});
    suiButtonClose.name = "suiButtonClose";
    suiButtonClose.onClick = [this] { suiButtonCloseClick(); };
    cancelButton = &suiButtonClose;
    helpPage = "drive_clean.html";
    ListViewLeft.accessibleName = [this] { return LabelSummary.Text(); };
}

std::wstring TformDeleteReport::LeftCell(int row, int column) const {
    if (row < 0 || size_t(row) >= outcome_.left.size()) return {};
    const LeftFile& file = outcome_.left[size_t(row)];
    switch (column) {
        case 0:
            return file.name;
        case 1:
            return file.folder;
        default:
            return reasons_[size_t(row)];
    }
}

std::string TformDeleteReport::ListText() const {
    std::string text = std::string(UiString(kColumnCaptions[0])) + "\t" + UiString(kColumnCaptions[1]) +
                       "\t" + UiString(kColumnCaptions[2]);
    for (size_t i = 0; i < outcome_.left.size(); ++i) {
        const LeftFile& file = outcome_.left[i];
        text += "\r\n" + Narrow(file.name) + "\t" + Narrow(file.folder) + "\t" + Narrow(reasons_[i]);
    }
    return text + "\r\n";
}

void TformDeleteReport::suiButtonCopyClick() { CopyTextToClipboard(hwnd, ListText()); }

void TformDeleteReport::suiButtonCloseClick() { CloseModal(IDOK); }
