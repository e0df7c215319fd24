#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <string>

#include "app/form_main.h"
#include "otherclean/form_clean.h"
#include "otherclean/form_cookie.h"
#include "platform/dialogs.h"
#include "platform/known_folders.h"
#include "platform/text.h"
#include "../support/open_form.h"
#include "shots.h"

namespace {
void WriteFileOfSize(const std::string& path, size_t size) {
    SHCreateDirectoryExW(nullptr, Widen(path.substr(0, path.find_last_of('\\'))).c_str(), nullptr);
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::string bytes(size, 'x');
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

// Something in every area, so the page shows sizes other than zero.
void PopulateAreas() {
    std::string temp = TempFolderPath();
    for (int i = 0; i < 12; ++i) WriteFileOfSize(temp + "shot" + std::to_string(i) + ".tmp", 150000);
    std::string recent = SpecialFolderPath(CSIDL_RECENT).value_or("C:") + "\\";
    WriteFileOfSize(recent + "report.doc.lnk", 1800);
    std::string history = SpecialFolderPath(CSIDL_HISTORY).value_or("C:") + "\\";
    WriteFileOfSize(history + "History.IE5\\MSHist012024010120240102\\index.dat", 32768);
    std::string cache = SpecialFolderPath(CSIDL_INTERNET_CACHE).value_or("C:") + "\\";
    WriteFileOfSize(cache + "Content.Shot\\page.htm", 52000);
    for (const wchar_t* url :
         {L"http://news.example.com/", L"http://mail.example.org/", L"http://shop.example.net/",
          L"http://Video.example.com/", L"http://bank.example.com/"})
        InternetSetCookieW(url, L"id", L"1; expires=Sat, 01-Jan-2050 00:00:00 GMT");
    std::wstring from = L"C:\\shot-recycled.bin";
    WriteFileOfSize(Narrow(from), 4096);
    from += L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&op);
}

void WhenCleanRunEnds(std::function<void()> fn) {
    RunLater(100, [fn] {
        if (OpenForm<TformClean>() && OpenForm<TformClean>()->suiButton1.Visible())
            fn();
        else
            WhenCleanRunEnds(fn);
    });
}
}  // namespace

SCREENSHOT(other_clean_page) {
    PopulateAreas();
    TFormMain form;
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    form.LeftMenu3Click();
    form.otherCleanPage.OCCheckBox2.SetChecked(true);
    form.otherCleanPage.OCCheckBox5.SetChecked(true);
    Capture(form.hwnd, "other_clean_page");

    // The cleaning dialog half way through a run of two areas, where the fill edge cuts its caption.
    {
        TformClean dialog;
        dialog.FormCreate(form.hwnd);
        dialog.Label1.SetText("Now Cleaning Recent Documents Folder...");
        dialog.ProgressBarClean.SetMax(2);
        dialog.ProgressBarClean.SetPosition(1);
        ShowWindow(dialog.hwnd, SW_SHOW);
        Capture(dialog.hwnd, "other_clean_run_half");
    }

    SetDialogScript({.messageBox = [](const MessageBoxCall&) { return IDOK; }});
    WhenCleanRunEnds([] {
        Capture(OpenForm<TformClean>()->hwnd, "other_clean_run_end");
        OpenForm<TformClean>()->suiButton1Click();
    });
    form.otherCleanPage.suiButtonCleanClick();
    SetDialogScript({});

    RunLater(400, [] {
        if (!OpenForm<TformCookie>()) return;
        OpenForm<TformCookie>()->ListViewCookieF.SetMark(1, kMarkTicked);
        OpenForm<TformCookie>()->ListViewCookieF.SetMark(3, kMarkTicked);
        OpenForm<TformCookie>()->ListViewCookieFColumnClick(1);
        Capture(OpenForm<TformCookie>()->hwnd, "other_clean_cookies");
        OpenForm<TformCookie>()->suiButton1Click();
    });
    form.otherCleanPage.OTBtn6Click();
    DestroyWindow(form.hwnd);
    Pump(50);
}
