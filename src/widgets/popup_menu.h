#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/caption.h"
#include "widgets/theme.h"

// A skinned popup menu: owner-drawn entries in the theme's colours, shown modally at a screen point.
// Entries are found by name; a caption of "-" makes a separator. The chosen entry's onClick runs after
// the menu has closed, so its handler may open dialogs of its own.
class PopupMenu {
  public:
    struct Item {
        std::string name;
        Caption caption;
        std::function<void()> onClick;
        bool enabled = true;
        bool IsSeparator() const { return caption.Text() == "-"; }
    };
    enum class Align { kLeft, kRight };  // which edge of the menu lies on the point's x

    PopupMenu() = default;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    ~PopupMenu();

    void Add(const std::string& name, const Caption& caption, std::function<void()> onClick = {});
    Item* Find(const std::string& name);
    const std::vector<Item>& Items() const { return items_; }

    // Shows the menu with its top at y (screen pixels) and returns when it has closed, after the chosen
    // entry's onClick. The entries take the scale of the screen the menu opens on.
    void Popup(int x, int y, Align align);
    // Runs the entry as if the user had chosen it: nothing for separators and disabled entries.
    void Choose(const std::string& name);

    // While the menu is open (for example from a timer of a test or a screenshot): its handle, or nullptr.
    HMENU OpenHandle() const { return open_; }
    POINT LastPoint() const { return lastPoint_; }
    Align LastAlign() const { return lastAlign_; }

    const Theme& theme = MainTheme();

  private:
    static LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);
    void Measure(MEASUREITEMSTRUCT& m) const;
    void Draw(const DRAWITEMSTRUCT& d) const;

    int Px(int logical) const { return ScaleToDpi(logical, dpi_); }

    std::vector<Item> items_;
    int dpi_ = kDesignDpi;
    HMENU open_ = nullptr;
    POINT lastPoint_{};
    Align lastAlign_ = Align::kLeft;
};
