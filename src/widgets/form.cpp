#include "widgets/form.h"

#include "platform/text.h"
#include "widgets/keyboard.h"

namespace {
const wchar_t* const kFormClass = L"KdcForm";

using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// The outer size of a client area at a DPI: the frame's own parts scale with it on Windows 10.
void AdjustForDpi(RECT& r, DWORD style, DWORD exStyle, int dpi) {
    static const auto fn = reinterpret_cast<AdjustForDpiFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (!fn || !fn(&r, style, FALSE, exStyle, UINT(dpi))) AdjustWindowRectEx(&r, style, FALSE, exStyle);
}
}  // namespace

void Form::CreateForm(const Options& o) {
    RegisterContainerClass(kFormClass, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    style = o.surface;
    // A dialog opens at its owner's scale (it is centred over it); a main window at the screen's.
    dpi = o.owner ? WindowDpi(o.owner) : SystemDpi();
    RECT r{0, 0, Px(o.clientWidth), Px(o.clientHeight)};
    AdjustForDpi(r, o.style, o.exStyle, dpi);
    caption_ = o.caption;
    HWND created = CreateWindowExW(o.exStyle, kFormClass, Widen(o.caption.Text()).c_str(),
                                   o.style | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                                   r.bottom - r.top, o.owner, nullptr, GetModuleHandleW(nullptr), this);
    Attach(created);
    // The keyboard cues stay hidden until a key is pressed.
    SendMessageW(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    width_ = Px(o.clientWidth);
    height_ = Px(o.clientHeight);
    if (o.titleBar.show) {
        if (style.border == CLR_INVALID) style.border = DialogTheme().border;
        titleBar_ = std::make_unique<DialogTitleBar>();
        titleBar_->Create(*this, o.clientWidth, o.titleBar.closeButton);
    }
}

void Form::CenterOver(HWND other) {
    RECT area;
    if (other && IsWindowVisible(other))
        GetWindowRect(other, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT own;
    GetWindowRect(hwnd, &own);
    int w = own.right - own.left, h = own.bottom - own.top;
    int x = area.left + (area.right - area.left - w) / 2, y = area.top + (area.bottom - area.top - h) / 2;
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ShowModal() {
    HWND owner = GetWindow(hwnd, GW_OWNER);
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    modal_ = true;
    modalDone_ = false;
    modalResult_ = 0;
    // A form opened from the keyboard shows its cues as its owner does.
    ShowKeyboardCues(hwnd, owner && KeyboardCuesShown(owner));
    ShowWindow(hwnd, SW_SHOW);
    if (onShow) onShow();
    MSG msg;
    while (!modalDone_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        DispatchUiMessage(msg);
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (hwnd) ShowWindow(hwnd, SW_HIDE);
    if (owner) SetActiveWindow(owner);
    modal_ = false;
    return modalResult_;
}

void Form::CloseModal(int result) {
    modalResult_ = result;
    modalDone_ = true;
    PostMessageW(hwnd, WM_NULL, 0, 0);  // wake the modal loop
}

bool Form::FormMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Form::OnOK() {}

void Form::OnCancel() {
    if (!modal_) return;
    if (cancelButton && cancelButton->Visible() && cancelButton->Enabled())
        cancelButton->Activate();
    else
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
}

LRESULT Form::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    LRESULT result = 0;
    if (FormMessage(msg, wp, lp, result)) {
        handled = true;
        return result;
    }
    if (msg == WM_DPICHANGED) {
        // Every widget takes the new scale while the window keeps its old size, then the window takes
        // the rectangle Windows suggests: one layout pass, at the new size, with the new fonts.
        const int oldDpi = dpi;
        // Nothing is drawn until the whole window is at the new scale, so no frame shows it half done.
        SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
        ChangeDpi(HIWORD(wp));
        const RECT* suggested = reinterpret_cast<const RECT*>(lp);
        RECT client{0, 0, 0, 0};
        GetClientRect(hwnd, &client);
        // The children are where they belong at the old size scaled; the anchors move them from there.
        width_ = MulDiv(client.right, dpi, oldDpi);
        height_ = MulDiv(client.bottom, dpi, oldDpi);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        handled = true;
        return 0;
    }
    if (msg == WM_SETTEXT && titleBar_) {
        LRESULT r = CallOriginal(msg, wp, lp);
        titleBar_->Invalidate();
        handled = true;
        return r;
    }
    if (msg == WM_HELP) {
        if (std::string page = HelpPage(); !page.empty()) OpenHelpPage(page);
        handled = true;
        return TRUE;
    }
    if (msg == WM_COMMAND && lp == 0 && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        if (LOWORD(wp) == IDOK)
            OnOK();
        else
            OnCancel();
        handled = true;
        return 0;
    }
    if (msg == WM_CLOSE && modal_) {
        if (onClose) onClose();
        CloseModal(0);
        handled = true;
        return 0;
    }
    return Panel::OnSubclassMessage(msg, wp, lp, handled);
}
