#include "app/form_main.h"

namespace {
const Button::Style kCheck{.kind = Button::Kind::kCheck};
const Button::Style kRadio{.kind = Button::Kind::kRadio};

void CreateFilterList(ListView& list, Widget& parent, int x, int y) {
    list.Create(parent, x, y, 340, 120, LVS_SINGLESEL);
    list.AddColumn("", 27);
    list.AddColumn("\xE6\x96\x87\xE4\xBB\xB6\xE5\x90\x8D", 85);
    list.AddColumn("\xE7\xB1\xBB\xE5\x9E\x8B", 50);
    list.AddColumn("\xE6\x96\x87\xE4\xBB\xB6\xE8\xAF\xB4\xE6\x98\x8E", 170);
    list.SetRowMarks(16);
}
}  // namespace

void TFormMain::CreateOptionsPage() {
    gCheckRead.Create(suiPanelOptions, "\xE6\x89\xAB\xE6\x8F\x8F\xE5\x8F\xAA\xE8\xAF\xBB\xE6\x96\x87\xE4\xBB\xB6", 20,
                      10, 200, 20, kCheck);
    gCheckSystem.Create(suiPanelOptions, "\xE6\x89\xAB\xE6\x8F\x8F\xE7\xB3\xBB\xE7\xBB\x9F\xE6\x96\x87\xE4\xBB\xB6",
                        20, 32, 200, 20, kCheck);
    gCheckHide.Create(suiPanelOptions, "\xE6\x89\xAB\xE6\x8F\x8F\xE9\x9A\x90\xE8\x97\x8F\xE6\x96\x87\xE4\xBB\xB6", 20,
                      54, 200, 20, kCheck);
    gCheckZero.Create(suiPanelOptions,
                      "\xE6\x89\xAB\xE6\x8F\x8F\xE6\x89\x80\xE6\x9C\x89\xE9\x9B\xB6\xE5\xAD\x97\xE8\x8A\x82\xE6\x96\x87"
                      "\xE4\xBB\xB6",
                      20, 76, 200, 20, kCheck);
    gRadioRecycle.Create(suiPanelOptions,
                         "\xE5\xB0\x86\xE6\x96\x87\xE4\xBB\xB6\xE5\xB7\xB2\xE9\x80\x81\xE5\x88\xB0\xE5\x9B\x9E\xE6\x94\xB6"
                         "\xE7\xAB\x99",
                         260, 10, 220, 20, kRadio);
    gRadioPermanently.Create(suiPanelOptions,
                             "\xE7\x9B\xB4\xE6\x8E\xA5\xE5\x88\xA0\xE9\x99\xA4\xE5\x9E\x83\xE5\x9C\xBE\xE6\x96\x87\xE4\xBB"
                             "\xB6",
                             260, 32, 220, 20, kRadio);
    gRadioRecycle.onClick = [this] { gRadioPermanently.SetChecked(false); };
    gRadioPermanently.onClick = [this] { gRadioRecycle.SetChecked(false); };

    ListViewExcludePath.Create(suiPanelOptions, 20, 100, 340, 80, LVS_SINGLESEL);
    ListViewExcludePath.AddColumn("\xE6\x8E\x92\xE9\x99\xA4\xE8\xB7\xAF\xE5\xBE\x84", 332);
    ListViewExcludePath.SetRowMarks(16);
    CreateFilterList(ListViewFilterI, suiPanelOptions, 20, 185);
    CreateFilterList(ListViewFilterE, suiPanelOptions, 20, 310);
}
