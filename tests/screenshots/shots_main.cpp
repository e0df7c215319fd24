#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <map>
#include <vector>

#include "platform/app_paths.h"
#include "platform/text.h"
#include "shots.h"

namespace {
// Each shot is taken in Chinese as <name>, then in English as <name>_en.
std::string shotSuffix;

std::vector<std::pair<std::string, std::function<void()>>>& Shots() {
    static std::vector<std::pair<std::string, std::function<void()>>> shots;
    return shots;
}
std::map<UINT_PTR, std::function<void()>>& Later() {
    static std::map<UINT_PTR, std::function<void()>> later;
    return later;
}
void CALLBACK LaterTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto it = Later().find(id);
    if (it == Later().end()) return;
    auto fn = std::move(it->second);
    Later().erase(it);
    fn();
}

bool SaveBitmap(HBITMAP bmp, int w, int h, const std::wstring& path) {
    BITMAPINFOHEADER bih{sizeof(bih), w, h, 1, 24, BI_RGB};
    int stride = ((w * 3 + 3) / 4) * 4;
    std::vector<BYTE> bits(size_t(stride) * h);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bmp, 0, h, bits.data(), reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    BITMAPFILEHEADER bfh{0x4D42, DWORD(sizeof(bfh) + sizeof(bih) + bits.size()), 0, 0,
                         DWORD(sizeof(bfh) + sizeof(bih))};
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    fwrite(&bfh, sizeof(bfh), 1, f);
    fwrite(&bih, sizeof(bih), 1, f);
    fwrite(bits.data(), 1, bits.size(), f);
    fclose(f);
    return true;
}
}  // namespace

bool RegisterShot(const char* name, std::function<void()> body) {
    Shots().emplace_back(name, std::move(body));
    return true;
}

void Pump(int milliseconds) {
    DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (GetTickCount() < end);
}

void RunLater(int milliseconds, std::function<void()> fn) {
    UINT_PTR id = SetTimer(nullptr, 0, milliseconds, LaterTimer);
    Later()[id] = std::move(fn);
}

void Capture(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(300);
    RECT r;
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);
    SaveBitmap(bmp, w, h, L"C:\\shots\\" + Widen(name + shotSuffix) + L".bmp");
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    std::printf("shot: %s\n", (name + shotSuffix).c_str());
}

int wmain() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    CreateDirectoryW(L"C:\\shots", nullptr);
    for (auto& [name, body] : Shots()) body();
    // The English windows: the main window reads its language from Config.ini as it starts.
    const std::wstring config = Widen(ExeFolder()) + L"Config.ini";
    WritePrivateProfileStringW(L"Drive", L"Language", L"en", config.c_str());
    shotSuffix = "_en";
    for (auto& [name, body] : Shots()) body();
    DeleteFileW(config.c_str());
    OleUninitialize();
    return 0;
}
