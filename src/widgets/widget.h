#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "widgets/caption.h"
#include "widgets/dpi.h"

// Base of the skinned controls: one child window, found again from its handle, with the events the
// program's handlers attach to. Containers (panels, forms) route WM_COMMAND, WM_NOTIFY and WM_DRAWITEM
// to the child's widget.
enum Anchor : unsigned { kAnchorLeft = 1, kAnchorTop = 2, kAnchorRight = 4, kAnchorBottom = 8 };
enum MouseButton { kLeftButton = 0, kRightButton = 1, kMiddleButton = 2 };

class Widget {
  public:
    Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget();

    HWND hwnd = nullptr;
    std::string name;
    int dpi = kDesignDpi;  // of the top-level window; children take it from their parent
    unsigned anchors = kAnchorLeft | kAnchorTop;
    HCURSOR cursor = nullptr;  // nullptr: the arrow

    std::function<void()> onClick, onDblClick, onMouseLeave;
    std::function<void(int x, int y)> onMouseMove;
    std::function<void(MouseButton button, int x, int y)> onMouseDown;
    // Offered every key pressed in the top-level window this widget is, before the focused control
    // sees it (Ctrl+Tab on a page with tabs, for example); true when it took the key.
    std::function<bool(UINT vk)> onKeyPreview;
    // What a screen reader says for a control without a text of its own, or what describes it (a size
    // beside a box, the counters under a list); unset: the control's own text, no description.
    std::function<std::string()> accessibleName, accessibleDescription;

    static Widget* From(HWND hwnd);

    // A length of the 96-dpi design in this widget's device pixels, and back (rounded up, so that a
    // logical rectangle made from a device one still covers it).
    int Px(int logical) const { return ScaleToDpi(logical, dpi); }
    int Logical(int device) const { return (device * kDesignDpi + (device >= 0 ? dpi - 1 : 0)) / dpi; }
    RECT Px(const RECT& logical) const;
    SIZE ClientSize() const;  // in logical pixels, whole ones

    // A fixed text; SetCaption with a key of the interface texts follows the language.
    void SetText(const std::string& text);
    void SetCaption(const Caption& caption);
    const Caption& GivenCaption() const { return caption_; }  // as Create, SetText or SetCaption gave it
    std::string Text() const;
    void Show(bool visible);
    bool Visible() const;
    void Enable(bool enabled);
    bool Enabled() const;
    // Positions and sizes in the design's logical pixels.
    void Move(int x, int y);
    void SetBounds(int x, int y, int w, int h);
    RECT Bounds() const;  // in device pixels of the parent's client coordinates
    void Invalidate();
    void SetTabStop(bool tabStop);
    bool TabStop() const;

    // A key pressed while this widget has the focus, before the window's own keys (Tab, Enter, Esc,
    // F1); true when it was dealt with. By default Enter and Space activate the widget (Activate).
    virtual bool HandleKey(UINT vk);
    // What Enter, Space and an assistive technology's default action do; false when nothing.
    virtual bool Activate();

    // The accessible object of the window (WM_GETOBJECT): the platform's, with what the skinned
    // controls know better. A role of 0 and an empty name leave the platform's answer.
    virtual long AccRole() const;
    virtual long AccState() const;  // used with an own role
    virtual std::optional<std::string> AccName() const;
    virtual std::string AccDescription() const;
    // Rows reported as the object's children (a list's rows); -1: the platform's children.
    virtual int AccRowCount() const;
    virtual std::string AccRowName(int row) const;
    virtual long AccRowState(int row) const;
    virtual RECT AccRowBounds(int row) const;  // client coordinates

    // Paints what lies behind this widget at the given rectangle of its own client area; transparent
    // children ask their parent, so a label over a gradient shows the gradient.
    virtual void PaintBackground(HDC dc, const RECT& rect);
    virtual bool HandleCommand(WORD code);
    virtual bool HandleNotify(NMHDR* header, LRESULT& result);
    virtual bool HandleDrawItem(const DRAWITEMSTRUCT& item);

    // Keeps anchored children in place when this container changes size (device pixels).
    void LayoutChildren(int oldWidth, int oldHeight, int newWidth, int newHeight);

    // The window moved to a screen of another DPI: this widget and every one inside it take the new
    // scale, their bounds scaled from the old one, and make again what depends on it (fonts, images).
    void ChangeDpi(int newDpi);
    // True while ChangeDpi resizes the widgets, so that containers do not move anchored children too.
    static bool ChangingDpi();

    // The interface language changed: captions given by key read in the new one. The widget updates
    // its own texts (OnLanguageChanged), then onLanguageChanged lets a page redo what it composed from
    // them (a sorted column's arrow, a layout that differs by language).
    std::function<void()> onLanguageChanged;
    void ApplyLanguage();

  protected:
    // What a widget makes again at a new DPI; its bounds, its dpi and its children are already the new
    // ones.
    virtual void OnDpiChanged(int oldDpi) { (void)oldDpi; }
    // Sets the texts this widget shows from their keys; by default the window text.
    virtual void OnLanguageChanged();
    // Calls a page's painter in the design's logical pixels: the DC is scaled to this widget's DPI
    // for the call and the rectangle is given in logical pixels.
    void PaintLogical(HDC dc, const RECT& device, const std::function<void(HDC, const RECT&)>& paint) const;
    // Creates the window, remembers the widget in it and listens to its mouse. The bounds are logical;
    // the widget takes its parent's DPI.
    void CreateChild(Widget& parent, const wchar_t* cls, const Caption& text, DWORD style, int x, int y,
                     int w, int h, DWORD exStyle = 0);
    Caption caption_;  // the window text as given
    void Attach(HWND created);
    // A message the widget saw first; unhandled ones go on to the window's own procedure.
    virtual LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    // The window's own procedure, for a handler that adds to what it does.
    LRESULT CallOriginal(UINT msg, WPARAM wp, LPARAM lp);

  private:
    struct Hook;
    static LRESULT CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM);
    // The class procedure of the program's own windows: the widget comes with WM_NCCREATE's create
    // parameter and sees every message from the first on.
    static LRESULT CALLBACK ContainerProc(HWND, UINT, WPARAM, LPARAM);
    friend void RegisterContainerClass(const wchar_t* name, HICON icon);
    void Detach();
    Hook* hook_ = nullptr;
    bool trackingMouse_ = false;
};

// Registers a class of the program's own container windows (panels, forms) once. A window of it is
// made with its widget as the create parameter, and the class procedure hands every message to it.
void RegisterContainerClass(const wchar_t* name, HICON icon = nullptr);

// Shows every window of the program on this thread, and every control in it, in the current interface
// language.
void ApplyLanguageToWindows();

// Routes a container's child notifications to the child widgets; true when handled.
bool RouteChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
