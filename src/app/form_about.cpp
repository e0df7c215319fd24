#include "app/form_about.h"

#include "app/shell_images.h"

namespace {
constexpr int kWidth = 361, kHeight = 224;
}  // namespace

void TformAbout::FormCreate(HWND owner) {
    CreateForm({.caption = UiText::kAboutCaption,
                .clientWidth = kWidth,
                .clientHeight = kHeight,
                .style = WS_POPUP | WS_SYSMENU,
                .exStyle = WS_EX_CONTROLPARENT,
                .owner = owner,
                .surface = {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255)},
                .titleBar = {.show = true, .closeButton = true}});
    CenterOver(owner);
    suiImagePanel1.Create(*this, 24, 48, 32, 32, PaintAppIcon);
    lblTitle.Create(*this, "Kestrune Disk Cleaner  2.0", 73, 47, 289, 17, {.font = kThemeFonts.classicBold});
    lblNotice.Create(*this, "Copyright (C) Kestrune. All rights reserved.", 72, 70, 289, 17,
                     {.font = kThemeFonts.classicBold});
    lblHomePage.Create(*this, std::string(UiString(UiText::kAboutHomePage)) + kHomePage, kHomePage, 72, 97, 0,
                       17, {.font = kThemeFonts.link});
    lblHomePage.name = "lblHomePage";
    lblEmailTo.Create(*this, std::string("E-Mail: ") + kSupportEmail, std::string("mailto:") + kSupportEmail,
                      72, 121, 0, 17, {.font = kThemeFonts.link});
    lblEmailTo.name = "lblEmailTo";
    btnClose.Create(*this, UiText::kAboutClose, 142, 192, 105, 25, {});
    btnClose.name = "btnClose";
    btnClose.onClick = [this] { btnCloseClick(); };
    cancelButton = &btnClose;
    helpPage = "index.html";
}

void TformAbout::btnCloseClick() { CloseModal(1); }
