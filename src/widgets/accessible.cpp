#include "widgets/accessible.h"

#include <oleacc.h>

#include <string>

#include "platform/text.h"
#include "widgets/widget.h"

namespace {
// IID_IAccessible as MinGW's import library gives it is a thunk's bytes, not the interface id (seen: it
// never compared equal, so every request failed); the id comes from the interface's declaration instead.
const IID& kAccessibleIid = __uuidof(IAccessible);

BSTR MakeBstr(const std::string& text) {
    std::wstring wide = Widen(text);
    return SysAllocStringLen(wide.data(), UINT(wide.size()));
}

// The widget is looked up by its window at every call: a client may keep the object after the
// control is gone, and then gets an error instead of a dangling widget.
// Final: Release deletes it through its own type, never through a base.
class WidgetAccessible final : public IAccessible {
  public:
    WidgetAccessible(HWND hwnd, IAccessible* standard) : hwnd_(hwnd), standard_(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kAccessibleIid) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = InterlockedDecrement(&refs_);
        if (left == 0) {
            if (standard_) standard_->Release();
            delete this;
        }
        return left;
    }

    // IDispatch: the accessible object is used through its vtable only.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_ ? standard_->get_accParent(parent) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        Widget* w = Live();
        if (!w || !count) return w ? E_POINTER : E_FAIL;
        if (int rows = w->AccRowCount(); rows >= 0) {
            *count = rows;
            return S_OK;
        }
        return standard_ ? standard_->get_accChildCount(count) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        Widget* w = Live();
        if (!w || !out) return w ? E_POINTER : E_FAIL;
        *out = nullptr;
        if (w->AccRowCount() >= 0) return Row(*w, child) >= 0 ? S_FALSE : E_INVALIDARG;
        return standard_ ? standard_->get_accChild(child, out) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        Widget* w = Live();
        if (!w || !name) return w ? E_POINTER : E_FAIL;
        *name = nullptr;
        if (IsSelf(child)) {
            std::optional<std::string> own = w->AccName();
            if (!own) return standard_ ? standard_->get_accName(child, name) : S_FALSE;
            *name = MakeBstr(*own);
            return S_OK;
        }
        if (w->AccRowCount() >= 0) {
            int row = Row(*w, child);
            if (row < 0) return E_INVALIDARG;
            *name = MakeBstr(w->AccRowName(row));
            return S_OK;
        }
        return standard_ ? standard_->get_accName(child, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_ ? standard_->get_accValue(child, value) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        Widget* w = Live();
        if (!w || !description) return w ? E_POINTER : E_FAIL;
        *description = nullptr;
        if (!IsSelf(child)) return S_FALSE;
        std::string text = w->AccDescription();
        if (text.empty()) return S_FALSE;
        *description = MakeBstr(text);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        Widget* w = Live();
        if (!w || !role) return w ? E_POINTER : E_FAIL;
        VariantInit(role);
        long own = IsSelf(child) ? w->AccRole() : (w->AccRowCount() >= 0 ? ROLE_SYSTEM_LISTITEM : 0);
        if (!IsSelf(child) && own && Row(*w, child) < 0) return E_INVALIDARG;
        if (!own) return standard_ ? standard_->get_accRole(child, role) : E_NOTIMPL;
        role->vt = VT_I4;
        role->lVal = own;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        Widget* w = Live();
        if (!w || !state) return w ? E_POINTER : E_FAIL;
        VariantInit(state);
        if (IsSelf(child) && w->AccRole()) {
            state->vt = VT_I4;
            state->lVal = w->AccState();
            return S_OK;
        }
        if (!IsSelf(child) && w->AccRowCount() >= 0) {
            int row = Row(*w, child);
            if (row < 0) return E_INVALIDARG;
            state->vt = VT_I4;
            state->lVal = w->AccRowState(row);
            return S_OK;
        }
        return standard_ ? standard_->get_accState(child, state) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help) *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_ ? standard_->get_accKeyboardShortcut(child, shortcut) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        Widget* w = Live();
        if (!w || !focus) return w ? E_POINTER : E_FAIL;
        VariantInit(focus);
        if (GetFocus() != hwnd_) return S_FALSE;
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        if (w->AccRowCount() >= 0) {
            for (int row = 0; row < w->AccRowCount(); ++row)
                if (w->AccRowState(row) & STATE_SYSTEM_FOCUSED) focus->lVal = row + 1;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_ ? standard_->get_accSelection(selection) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        Widget* w = Live();
        if (!w || !action) return w ? E_POINTER : E_FAIL;
        *action = nullptr;
        if (!IsSelf(child) || !w->AccRole()) return S_FALSE;
        switch (w->AccRole()) {
            case ROLE_SYSTEM_CHECKBUTTON:
                *action = MakeBstr((w->AccState() & STATE_SYSTEM_CHECKED) ? "Uncheck" : "Check");
                return S_OK;
            case ROLE_SYSTEM_PUSHBUTTON:
                *action = MakeBstr("Press");
                return S_OK;
            case ROLE_SYSTEM_RADIOBUTTON:
                *action = MakeBstr("Check");
                return S_OK;
            case ROLE_SYSTEM_LINK:
                *action = MakeBstr("Jump");
                return S_OK;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_ ? standard_->accSelect(flags, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
        Widget* widget = Live();
        if (!widget || !x || !y || !w || !h) return widget ? E_POINTER : E_FAIL;
        if (!IsSelf(child) && widget->AccRowCount() >= 0) {
            int row = Row(*widget, child);
            if (row < 0) return E_INVALIDARG;
            RECT r = widget->AccRowBounds(row);
            MapWindowPoints(hwnd_, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
            *x = r.left;
            *y = r.top;
            *w = r.right - r.left;
            *h = r.bottom - r.top;
            return S_OK;
        }
        return standard_ ? standard_->accLocation(x, y, w, h, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override {
        return standard_ ? standard_->accNavigate(dir, start, end) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_ ? standard_->accHitTest(x, y, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Widget* w = Live();
        if (!w) return E_FAIL;
        if (!IsSelf(child)) return E_INVALIDARG;
        return w->Activate() ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~WidgetAccessible() = default;
    Widget* Live() const { return IsWindow(hwnd_) ? Widget::From(hwnd_) : nullptr; }
    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    // The row of a child id (1-based), or -1.
    static int Row(const Widget& w, const VARIANT& child) {
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > w.AccRowCount()) return -1;
        return int(child.lVal - 1);
    }

    LONG refs_ = 1;
    HWND hwnd_;
    IAccessible* standard_;
};
}  // namespace

LRESULT AnswerAccessibleObject(Widget& widget, WPARAM wp) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(widget.hwnd, OBJID_CLIENT, kAccessibleIid,
                                         reinterpret_cast<void**>(&standard))))
        standard = nullptr;
    auto* object = new WidgetAccessible(widget.hwnd, standard);
    LRESULT result = LresultFromObject(kAccessibleIid, wp, object);
    object->Release();
    return result;
}
