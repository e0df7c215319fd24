#include "otherclean/form_clean.h"

#include <cstdio>

#include "platform/dialogs.h"
#include "platform/history_store.h"
#include "platform/text.h"
#include "shared/app_title.h"
#include "widgets/busy_cursor.h"
#include "widgets/message_pump.h"
#include "widgets/theme.h"

namespace {
constexpr UINT_PTR kTimer1 = 1;

struct Step {
    const char* status;
    const char* area;  // named in the status line and the error message when the step fails
};
const Step kSteps[7] = {
    {},
    {"Now Cleaning Windows Recycle Bin...", "Windows Recycle Bin"},
    {"Now Cleaning Windows Temp Folder...", "Windows Temp Folder"},
    {"Now Cleaning Temporary Internet Files Folder...", "Temporary Internet Files Folder"},
    {"Now Cleaning Windows History Folder...", "Windows History Folder"},
    {"Now Cleaning Recent Documents Folder...", "Recent Documents Folder"},
    {"Now Cleaning Cookies...", "Cookies"},
};
constexpr const char* kShellMissingText = "Failed to load Shell32.dll.";

// The system's own words for an error; its number when the system has none.
std::string StepErrorWords(HRESULT error) {
    std::string text = SystemMessageText(DWORD(error));
    if (text.empty() && HRESULT_FACILITY(error) == FACILITY_WIN32)
        text = SystemMessageText(HRESULT_CODE(error));
    if (!text.empty()) return text;
    char number[32];
    snprintf(number, sizeof(number), "Error 0x%08lX.", static_cast<unsigned long>(error));
    return number;
}

std::string StepErrorText(int area, HRESULT error) {
    return std::string("Failed to clean ") + kSteps[area].area + ".\n\n" + StepErrorWords(error);
}
}  // namespace

TformClean::~TformClean() {
    if (hwnd) DestroyWindow(hwnd);
}

void TformClean::FormCreate(HWND owner, const CleanAreas& areas) {
    areas_ = areas;
    // The design area lies below the skinned title bar.
    const int kTop = DialogTheme().titleBarHeight + 1;
    historyStoreClass = kUrlHistoryStoreClass;
    CreateForm({.caption = UiText::kCleanCaption,
                .clientWidth = 335,
                .clientHeight = 121 + kTop,
                .style = WS_POPUP,
                .exStyle = WS_EX_CONTROLPARENT,
                .owner = owner,
                .surface = {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255)},
                .titleBar = {.show = true, .closeButton = false}});
    CenterOver(owner);
    Label1.Create(*this, UiText::kCleanStarting, 16, kTop + 16, 303, 18, {.font = kThemeFonts.text});
    Label1.name = "Label1";
    ProgressBarClean.Create(*this, 16, kTop + 42, 303, 20);
    ProgressBarClean.name = "ProgressBarClean";
    suiButton1.Create(*this, UiText::kCleanClose, 125, kTop + 80, 85, 26, {});
    suiButton1.name = "suiButton1";
    suiButton1.Show(false);
    suiButton1.onClick = [this] { suiButton1Click(); };
    cancelButton = &suiButton1;
    helpPage = "other_clean.html";
    onShow = [this] { FormShow(); };
}

void TformClean::FormShow() { SetTimer(hwnd, kTimer1, 200, nullptr); }

void TformClean::Timer1Timer() {
    KillTimer(hwnd, kTimer1);
    if (running_ || finished_) return;
    running_ = true;
    SetBusyCursor(true);
    suiButton1.Show(false);
    int ticked = 0;
    for (bool area : areas_) ticked += area;
    ProgressBarClean.SetMax(ticked);
    ProgressBarClean.SetPosition(0);
    std::string status = kCleanCompleteText, failure;
    for (int area = 1; area <= 6; ++area) {
        if (!areas_[size_t(area - 1)]) continue;
        failure = RunStep(area);
        if (!failure.empty()) {
            // The run stops here; the dialog stays closable and says where it stopped.
            status = std::string("Failed to clean ") + kSteps[area].area + "!Please click \"Close\" to back.";
            break;
        }
    }
    Label1.SetText(status);
    suiButton1.Show(true);
    SetBusyCursor(false);
    running_ = false;
    finished_ = true;
    if (!failure.empty()) ShowMessageBox(hwnd, failure, kAppTitle, MB_ICONERROR | MB_OK);
}

std::string TformClean::RunStep(int area) {
    Label1.SetText(kSteps[area].status);
    UpdateWindow(Label1.hwnd);
    ProcessMessages();
    std::string failure;
    switch (area) {
        case 1:
            if (!EmptyRecycleBins()) failure = kShellMissingText;
            break;
        case 2:
            DelTmp();
            break;
        case 3:
            DelInternet();
            break;
        case 4:
            if (const HRESULT error = Delhistory(); FAILED(error)) failure = StepErrorText(area, error);
            break;
        case 5:
            DelRecent();
            break;
        case 6:
            m_DelCookie();
            break;
    }
    ProgressBarClean.SetPosition(ProgressBarClean.Position() + 1);
    return failure;
}

bool TformClean::EmptyRecycleBins() {
    HMODULE shell = LoadLibraryW(shellLibrary.c_str());
    if (!shell) return false;
    using EmptyRecycleBin = HRESULT(WINAPI*)(HWND, LPCWSTR, DWORD);
    if (auto empty = reinterpret_cast<EmptyRecycleBin>(
            reinterpret_cast<void*>(GetProcAddress(shell, "SHEmptyRecycleBinW"))))
        empty(GetWindow(hwnd, GW_OWNER), nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    FreeLibrary(shell);
    return true;
}

void TformClean::suiButton1Click() {
    if (finished_) CloseModal(IDOK);
}

bool TformClean::FormMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_TIMER && wp == kTimer1) {
        Timer1Timer();
        result = 0;
        return true;
    }
    if (msg == WM_CLOSE && !finished_) {
        result = 0;  // the run cannot be stopped, and the dialog closes only after it
        return true;
    }
    return false;
}
