#include "app/form_main.h"

void TFormMain::CreateOtherCleanPage() {
    suiPanelWait.Create(suiPanelOtherClean, 120, 150, 283, 80,
                        {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255), .border = RGB(128, 0, 0)});
    const Label::Style wait{.font = {.face = L"Tahoma", .height = -12, .bold = true},
                            .color = RGB(128, 0, 0),
                            .align = DT_CENTER};
    waitLine1.Create(suiPanelWait, "\xE6\xAD\xA3\xE5\x9C\xA8\xE5\x88\x86\xE6\x9E\x90\xE8\xAE\xA1\xE7\xAE\x97\xE6\x9C\xBA",
                     10, 20, 263, 18, wait);
    waitLine2.Create(suiPanelWait, "\xE8\xAF\xB7\xE7\xA8\x8D\xE5\x90\x8E\xE2\x80\xA6\xE2\x80\xA6", 10, 44, 263, 18,
                     wait);
}

void TFormMain::m_OTShow(int) {}
