#include <gtest/gtest.h>

#include <memory>

#include "widgets/button.h"
#include "widgets/form.h"
#include "widgets/label.h"

// A widget sees its window's messages first and is found again from the handle, for as long as both
// live, whichever of the two goes first, and whatever else has hooked the window meanwhile.
namespace {

struct Host : Form {
    Host() { CreateForm({.caption = "Host", .clientWidth = 200, .clientHeight = 100}); }
    ~Host() override {
        if (hwnd) DestroyWindow(hwnd);
    }
};

std::wstring WindowText(HWND h) {
    wchar_t text[64] = {};
    GetWindowTextW(h, text, 64);
    return text;
}

int seenByOuter = 0;
LRESULT CALLBACK Outer(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_SETTEXT) ++seenByOuter;
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace

TEST(WidgetHook, TheWidgetIsFoundFromItsHandleAndSeesItsMessages) {
    Host host;
    Button button;
    button.Create(host, "Go", 10, 10, 60, 20, {});
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    EXPECT_EQ(Widget::From(button.hwnd), &button);
    EXPECT_EQ(Widget::From(host.hwnd), &host);
    EXPECT_EQ(Widget::From(GetDesktopWindow()), nullptr);
    SendMessageW(button.hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    button.SetText("Stop");
    EXPECT_EQ(WindowText(button.hwnd), L"Stop") << "the control's own procedure still runs";
}

// The window lives on after its widget: alone, or under a hook put in front of the widget's since.
TEST(WidgetHook, AWindowOutlivesItsWidget) {
    for (bool hookedOnTop : {false, true}) {
        SCOPED_TRACE(hookedOnTop ? "another hook on top" : "alone");
        Host host;
        auto label = std::make_unique<Label>();
        label->Create(host, "before", 10, 10, 80, 16, {});
        const HWND h = label->hwnd;
        const LONG_PTR hooked = GetWindowLongPtrW(h, GWLP_WNDPROC);
        seenByOuter = 0;
        if (hookedOnTop) SetWindowSubclass(h, Outer, 1, 0);
        label.reset();
        EXPECT_EQ(Widget::From(h), nullptr);
        if (!hookedOnTop) {
            EXPECT_NE(GetWindowLongPtrW(h, GWLP_WNDPROC), hooked) << "the original procedure is back";
        }
        SetWindowTextW(h, L"after");
        EXPECT_EQ(WindowText(h), L"after");
        EXPECT_EQ(seenByOuter, hookedOnTop ? 1 : 0);
        EXPECT_TRUE(DestroyWindow(h));
    }
}

TEST(WidgetHook, AWidgetOutlivesItsWindow) {
    Host host;
    Label label;
    label.Create(host, "text", 10, 10, 80, 16, {});
    const HWND h = label.hwnd;
    DestroyWindow(h);
    EXPECT_EQ(label.hwnd, nullptr);
    EXPECT_EQ(Widget::From(h), nullptr);
    label.SetText("ignored");  // no window: nothing happens
    EXPECT_EQ(label.Text(), "");
}

// A handler may end its own widget: the message still reaches the window's procedure, safely.
TEST(WidgetHook, AHandlerMayDestroyItsOwnWidget) {
    struct SelfEnding : Label {
        bool* ended;
        LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override {
            if (msg == WM_SETTEXT) {
                *ended = true;
                delete this;
                return 0;  // not handled: the text is still set
            }
            return Label::OnSubclassMessage(msg, wp, lp, handled);
        }
    };
    Host host;
    bool ended = false;
    auto* label = new SelfEnding;
    label->ended = &ended;
    label->Create(host, "text", 10, 10, 80, 16, {});
    const HWND h = label->hwnd;
    SetWindowTextW(h, L"after");
    EXPECT_TRUE(ended);
    EXPECT_EQ(Widget::From(h), nullptr);
    EXPECT_EQ(WindowText(h), L"after");
    EXPECT_TRUE(DestroyWindow(h));
}
