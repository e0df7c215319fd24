#include "widgets/keyboard.h"

#include <mutex>
#include <unordered_set>

#include "widgets/widget.h"

namespace {
std::function<void(const std::string&)> g_helpOpener;

constexpr WORD kCueFlags = UISF_HIDEFOCUS | UISF_HIDEACCEL;
// The top-level windows that show their cues. Kept in the process rather than as a window property:
// owner-drawn controls ask on every paint, and under Wine a property read is a wine-server round trip.
std::mutex cuesLock;
std::unordered_set<HWND> cuesShown;

bool KeyDown(int vk) { return GetKeyState(vk) < 0; }

bool IsMousePress(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            return true;
    }
    return false;
}

void CollectTabStops(HWND parent, std::vector<HWND>& stops) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) continue;
        if (style & WS_TABSTOP) stops.push_back(child);
        if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) CollectTabStops(child, stops);
    }
}

// The keys that mean the same in every window. True when the key has been dealt with.
bool HandleKey(MSG& msg, HWND root) {
    const UINT vk = UINT(msg.wParam);
    Widget* focus = Widget::From(GetFocus());
    // Alt+F4 and the access keys are the platform's own; Shift+F10, which the system sends as a system
    // key, asks the focused control for its context menu.
    if (msg.message == WM_SYSKEYDOWN && !(vk == VK_F10 && KeyDown(VK_SHIFT))) return false;
    if (Widget* form = Widget::From(root); form && form->onKeyPreview && form->onKeyPreview(vk)) return true;
    if (focus && focus->HandleKey(vk)) return true;
    switch (vk) {
        case VK_TAB:
            if (KeyDown(VK_CONTROL)) return false;
            MoveFocusByTab(root, KeyDown(VK_SHIFT));
            return true;
        case VK_RETURN:
            SendMessageW(root, WM_COMMAND, IDOK, 0);  // as the dialog manager reports Enter
            return true;
        case VK_ESCAPE:
            SendMessageW(root, WM_COMMAND, IDCANCEL, 0);
            return true;
        case VK_F1: {
            HELPINFO info{sizeof(info)};
            info.iContextType = HELPINFO_WINDOW;
            info.hItemHandle = GetFocus();
            SendMessageW(root, WM_HELP, 0, LPARAM(&info));
            return true;
        }
    }
    return false;
}
}  // namespace

// The top-level window keeps its own record of the cues as well as the platform's UI state: Wine 8
// answers WM_QUERYUISTATE with the cues shown whatever was set, so the owner-drawn controls read the
// record, and the standard controls get the state through WM_CHANGEUISTATE.
bool KeyboardCuesShown(HWND hwnd) {
    HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (!root) return false;
    std::lock_guard lock(cuesLock);
    return cuesShown.count(root) != 0;
}

void ShowKeyboardCues(HWND hwnd, bool show) {
    HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (!root || KeyboardCuesShown(root) == show) return;
    {
        std::lock_guard lock(cuesLock);
        if (show)
            cuesShown.insert(root);
        else
            cuesShown.erase(root);
    }
    SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(show ? UIS_CLEAR : UIS_SET, kCueFlags), 0);
    // The owner-drawn controls read the state when they paint; the standard ones repaint themselves.
    RedrawWindow(root, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ForgetKeyboardCues(HWND hwnd) {
    std::lock_guard lock(cuesLock);
    cuesShown.erase(hwnd);
}

std::vector<HWND> TabStops(HWND root) {
    std::vector<HWND> stops;
    if (root) CollectTabStops(root, stops);
    return stops;
}

void MoveFocusByTab(HWND root, bool backwards) {
    std::vector<HWND> stops = TabStops(root);
    if (stops.empty()) return;
    HWND focus = GetFocus();
    int at = -1;
    for (int i = 0; i < int(stops.size()); ++i) {
        // The focus may sit inside a tab stop (the edit field of a combined control).
        if (stops[i] == focus || IsChild(stops[i], focus)) at = i;
    }
    const int n = int(stops.size());
    int next = at < 0 ? (backwards ? n - 1 : 0) : (at + (backwards ? n - 1 : 1)) % n;
    HWND target = stops[next];
    SetFocus(target);
    wchar_t cls[16] = {};
    GetClassNameW(target, cls, 16);
    if (lstrcmpiW(cls, L"Edit") == 0) SendMessageW(target, EM_SETSEL, 0, -1);
}

void DispatchUiMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root) {
        if (IsMousePress(msg.message)) ShowKeyboardCues(root, false);
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            ShowKeyboardCues(root, true);
            if (HandleKey(msg, root)) return;
        }
        if (IsDialogMessageW(root, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void SetHelpOpener(std::function<void(const std::string& page)> opener) { g_helpOpener = std::move(opener); }

void OpenHelpPage(const std::string& page) {
    if (g_helpOpener) g_helpOpener(page);
}
