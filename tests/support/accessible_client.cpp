#include "support/accessible_client.h"

#include "platform/text.h"

namespace {
VARIANT Child(long child) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

std::string Take(BSTR text) {
    std::string result = text ? Narrow(std::wstring(text, SysStringLen(text))) : "";
    SysFreeString(text);
    return result;
}
}  // namespace

AccessibleClient::AccessibleClient(HWND hwnd) {
    if (FAILED(AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object_))))
        object_ = nullptr;
}

AccessibleClient::~AccessibleClient() {
    if (object_) object_->Release();
}

long AccessibleClient::Role(long child) const {
    VARIANT role;
    VariantInit(&role);
    if (!object_ || FAILED(object_->get_accRole(Child(child), &role)) || role.vt != VT_I4) return -1;
    return role.lVal;
}

long AccessibleClient::State(long child) const {
    VARIANT state;
    VariantInit(&state);
    if (!object_ || FAILED(object_->get_accState(Child(child), &state)) || state.vt != VT_I4) return -1;
    return state.lVal;
}

std::string AccessibleClient::Name(long child) const {
    BSTR name = nullptr;
    if (!object_ || object_->get_accName(Child(child), &name) != S_OK) return "<none>";
    return Take(name);
}

std::string AccessibleClient::Description(long child) const {
    BSTR text = nullptr;
    if (!object_ || object_->get_accDescription(Child(child), &text) != S_OK) return "";
    return Take(text);
}

std::string AccessibleClient::DefaultAction(long child) const {
    BSTR text = nullptr;
    if (!object_ || object_->get_accDefaultAction(Child(child), &text) != S_OK) return "";
    return Take(text);
}

long AccessibleClient::ChildCount() const {
    long count = -1;
    if (!object_ || FAILED(object_->get_accChildCount(&count))) return -1;
    return count;
}

HRESULT AccessibleClient::DoDefaultAction(long child) const {
    return object_ ? object_->accDoDefaultAction(Child(child)) : E_FAIL;
}
