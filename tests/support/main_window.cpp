#include "support/main_window.h"

#include "platform/app_paths.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "shared/all_var.h"
#include "widgets/keyboard.h"

namespace {
std::function<void()> g_soon;
void CALLBACK SoonTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto fn = std::move(g_soon);
    if (fn) fn();
}
}  // namespace

void RunSoon(int milliseconds, std::function<void()> fn) {
    g_soon = std::move(fn);
    SetTimer(nullptr, 0, milliseconds, SoonTimer);
}
void RunSoon(std::function<void()> fn) { RunSoon(150, std::move(fn)); }

void PumpFor(int milliseconds) {
    DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;  // a closed main window; the test goes on
            DispatchUiMessage(msg);                // as the program's own loops do
        }
        Sleep(5);
    } while (GetTickCount() < end);
}

std::string TestExeFolder() { return ExeFolder(); }

bool FileExists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path) {
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(Widen(path).c_str());
}

void MainWindowTest::SetUp() {
    ScanState = Idle;
    form = std::make_unique<TFormMain>();
    form->FormCreate();
    ShowWindow(form->hwnd, SW_SHOW);
    form->FormShow();
    PumpFor(50);
}

void MainWindowTest::TearDown() {
    SetDialogScript({});
    if (form && form->hwnd) DestroyWindow(form->hwnd);
    PumpFor(20);
    form.reset();
    FormMain = nullptr;
    ScanState = Idle;
}
