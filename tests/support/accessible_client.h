#pragma once
#include <windows.h>
#include <oleacc.h>

#include <string>

// A screen reader's view of a window: its accessible object, asked for as assistive technology asks
// (AccessibleObjectFromWindow, which sends WM_GETOBJECT), and what it answers for itself (child 0) or
// for one of its rows (child 1, 2, ...).
class AccessibleClient {
  public:
    explicit AccessibleClient(HWND hwnd);
    ~AccessibleClient();
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;

    bool Valid() const { return object_ != nullptr; }
    long Role(long child = CHILDID_SELF) const;
    long State(long child = CHILDID_SELF) const;
    std::string Name(long child = CHILDID_SELF) const;
    std::string Description(long child = CHILDID_SELF) const;
    std::string DefaultAction(long child = CHILDID_SELF) const;
    long ChildCount() const;
    HRESULT DoDefaultAction(long child = CHILDID_SELF) const;

  private:
    IAccessible* object_ = nullptr;
};
