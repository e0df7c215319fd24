#include "settings/add_filter_dialogs.h"

#include "platform/dialogs.h"
#include "settings/config_file.h"
#include "settings/core/config_lists.h"
#include "settings/core/filter_input.h"
#include "shared/app_title.h"

TAddFilter* AddFilter = nullptr;
TAddFilterExclude* AddFilterExclude = nullptr;

namespace {
constexpr int kClientWidth = 380, kClientHeight = 186;
constexpr int kFieldX = 86, kFieldWidth = 282, kMaskY = 70, kDescriptionY = 102, kButtonsY = 146;
enum ModalResult { kNotConfirmed = 0, kConfirmed = 1 };

const UiText kCaption = UiText::kAddFilterCaption;
const UiText kDescriptionHint = UiText::kAddFilterDescriptionHint;
const UiText kDescriptionLabel = UiText::kAddFilterDescriptionLabel;
// The invalid-mask message: the characters found, then all that a mask cannot hold. Short lines: the
// message box wraps long ones wherever they reach its width.
const char* const kMaskRefusedFound = "The file type cannot contain:";
const char* const kMaskRefusedAll = "No file type may hold any of these characters:";
const char* const kMaskWildcards = "The wildcards * and ? may be used.";
const char* const kDescriptionTerminator =
    "The description cannot be stored: in Config.ini it would form the list terminator \"|)E(|\".";
// Only an ANSI Config.ini refuses characters; a Unicode one holds them all.
const char* const kOutsideTheCodePage =
    "The file type or the description holds characters that this system's code page cannot store in "
    "Config.ini.";
const Label::Style kHintStyle{.font = kThemeFonts.body, .wordWrap = true};
const Label::Style kLabelStyle{.font = kThemeFonts.body};
const Button::Style kPush{.font = kThemeFonts.body};

// The dialog's own area lies below the skinned title bar.
int Top() { return DialogTheme().titleBarHeight + 1; }

void CreateDialogWindow(Form& dialog) {
    dialog.CreateForm({.caption = kCaption,
                       .clientWidth = kClientWidth,
                       .clientHeight = Top() + kClientHeight,
                       .style = WS_POPUP,
                       .exStyle = WS_EX_CONTROLPARENT,
                       .surface = {.fill = Panel::Fill::kSolid, .color = DialogTheme().pageBack},
                       .titleBar = {.show = true, .closeButton = true}});
    dialog.helpPage = "options.html";
}

void CreateLabels(Form& dialog, Label& hint, Label& descriptionHint, Label& maskLabel,
                  Label& descriptionLabel, UiText hintText, UiText maskLabelText) {
    hint.Create(dialog, hintText, 12, Top() + 10, kClientWidth - 24, 32, kHintStyle);
    descriptionHint.Create(dialog, kDescriptionHint, 12, Top() + 44, kClientWidth - 24, 16, kHintStyle);
    maskLabel.Create(dialog, maskLabelText, 12, Top() + kMaskY + 3, 72, 18, kLabelStyle);
    descriptionLabel.Create(dialog, kDescriptionLabel, 12, Top() + kDescriptionY + 3, 72, 18, kLabelStyle);
}

void CreateMaskField(Form& dialog, EditBox& edit, int y) {
    edit.Create(dialog, kFieldX, Top() + y, kFieldWidth, 22);
}

void CreateOkButton(Form& dialog, Button& ok) {
    ok.Create(dialog, UiText::kAddFilterOk, 198, Top() + kButtonsY, 80, 26, kPush);
    ok.Enable(false);
}

void CreateCancelButton(Form& dialog, Button& cancel) {
    cancel.Create(dialog, UiText::kAddFilterCancel, 288, Top() + kButtonsY, 80, 26, kPush);
}

void EnableOkForMask(Button& ok, const EditBox& mask) {
    ok.Enable(!TrimBlanksAndControls(mask.Text()).empty());
}

void Refuse(const Form& dialog, const std::string& text, UINT icon) {
    ShowMessageBox(dialog.hwnd, text, kAppTitle, icon | MB_OK);
}

// The characters one by one with room between them, so that each, the quote included, reads on its own.
std::string Spaced(std::string_view chars) {
    std::string text;
    for (char c : chars) text += std::string("  ") + c;
    return text;
}

std::string MaskRefusedMessage(std::string_view found) {
    return kMaskRefusedFound + Spaced(found) + "\n\n" + kMaskRefusedAll + "\n" +
           Spaced(kRefusedMaskChars).substr(2) + "\n" + kMaskWildcards;
}

// Validates the two fields; on success accepted holds the trimmed texts as a ticked filter. The texts
// that would not load back as entered (a list terminator, a character that Config.ini's encoding cannot
// hold) are refused here rather than stored as something else.
bool AcceptFilter(const Form& dialog, const EditBox& maskEdit, const EditBox& descriptionEdit,
                  FilterEntry& accepted) {
    std::string mask = TrimBlanksAndControls(maskEdit.Text());
    if (mask.empty()) return false;  // an empty mask would end the stored list on the next start
    if (std::string found = RefusedCharsIn(mask); !found.empty()) {
        Refuse(dialog, MaskRefusedMessage(found), 0);
        return false;
    }
    std::string description = TrimBlanksAndControls(descriptionEdit.Text());
    if (HasEntryTerminator(description)) {
        Refuse(dialog, kDescriptionTerminator, MB_ICONWARNING);
        return false;
    }
    const std::string file(kConfigFileName);
    if (!ConfigCanHold(file, mask) || !ConfigCanHold(file, description)) {
        Refuse(dialog, kOutsideTheCodePage, MB_ICONWARNING);
        return false;
    }
    accepted = MakeFilterEntry(mask, description, true);
    return true;
}

std::optional<FilterEntry> RunModal(Form& dialog, HWND owner, const FilterEntry& accepted) {
    // Owned only while shown: an owner destroys its owned windows, and the dialogs outlive any one use.
    SetWindowLongPtrW(dialog.hwnd, GWLP_HWNDPARENT, LONG_PTR(owner));
    dialog.CenterOver(owner);
    int result = dialog.ShowModal();
    SetWindowLongPtrW(dialog.hwnd, GWLP_HWNDPARENT, 0);
    if (result != kConfirmed) return std::nullopt;
    return accepted;
}

// Both dialogs open ready for typing a mask; a kept mask is selected, so typing replaces it.
void FocusMaskField(EditBox& mask) {
    SetFocus(mask.hwnd);
    SendMessageW(mask.hwnd, EM_SETSEL, 0, -1);
}
}  // namespace

void TAddFilter::Create() {
    CreateDialogWindow(*this);
    CreateLabels(*this, Label1, Label4, Label2, Label3, UiText::kAddFilterIncludeHint,
                 UiText::kAddFilterIncludeMaskLabel);
    // Keyboard order: mask, description, OK, Cancel.
    CreateMaskField(*this, EditIncludeFilter, kMaskY);
    CreateMaskField(*this, EditDesFilter, kDescriptionY);
    CreateOkButton(*this, suiButtonSave);
    CreateCancelButton(*this, suiButtonCancel);
    EditIncludeFilter.name = "EditIncludeFilter";
    EditDesFilter.name = "EditDesFilter";
    suiButtonSave.name = "suiButtonSave";
    suiButtonCancel.name = "suiButtonCancel";
    EditIncludeFilter.onChange = [this] { EditIncludeFilterChange(); };
    suiButtonSave.onClick = [this] { suiButtonSaveClick(); };
    suiButtonCancel.onClick = [this] { suiButtonCancelClick(); };
    onShow = [this] { FormShow(); };
}

std::optional<FilterEntry> TAddFilter::Execute(HWND owner) { return RunModal(*this, owner, accepted); }

void TAddFilter::FormShow() {
    suiButtonSave.Enable(false);
    EditIncludeFilter.SetText("");
    EditDesFilter.SetText("");
    FocusMaskField(EditIncludeFilter);
}

void TAddFilter::EditIncludeFilterChange() { EnableOkForMask(suiButtonSave, EditIncludeFilter); }

void TAddFilter::suiButtonSaveClick() {
    if (AcceptFilter(*this, EditIncludeFilter, EditDesFilter, accepted)) CloseModal(kConfirmed);
}

void TAddFilter::suiButtonCancelClick() { CloseModal(kNotConfirmed); }

void TAddFilter::OnOK() {
    if (suiButtonSave.Enabled()) suiButtonSaveClick();
}

void TAddFilter::OnCancel() { suiButtonCancelClick(); }

void TAddFilterExclude::Create() {
    CreateDialogWindow(*this);
    CreateLabels(*this, Label1, Label4, Label2, Label3, UiText::kAddFilterExcludeHint,
                 UiText::kAddFilterExcludeMaskLabel);
    // Keyboard order: OK, Cancel, mask, description.
    CreateOkButton(*this, suiButtonSave);
    CreateCancelButton(*this, suiButtonCancel);
    CreateMaskField(*this, EditExincludeFilter, kMaskY);
    CreateMaskField(*this, EditDesFilter, kDescriptionY);
    EditExincludeFilter.name = "EditExincludeFilter";
    EditDesFilter.name = "EditDesFilter";
    suiButtonSave.name = "suiButtonSave";
    suiButtonCancel.name = "suiButtonCancel";
    EditExincludeFilter.onChange = [this] { EditExincludeFilterChange(); };
    suiButtonSave.onClick = [this] { suiButtonSaveClick(); };
    suiButtonCancel.onClick = [this] { suiButtonCancelClick(); };
    onShow = [this] { FocusMaskField(EditExincludeFilter); };
}

std::optional<FilterEntry> TAddFilterExclude::Execute(HWND owner) { return RunModal(*this, owner, accepted); }

void TAddFilterExclude::EditExincludeFilterChange() { EnableOkForMask(suiButtonSave, EditExincludeFilter); }

void TAddFilterExclude::suiButtonSaveClick() {
    if (AcceptFilter(*this, EditExincludeFilter, EditDesFilter, accepted)) CloseModal(kConfirmed);
}

void TAddFilterExclude::suiButtonCancelClick() { CloseModal(kNotConfirmed); }

void TAddFilterExclude::OnOK() {
    if (suiButtonSave.Enabled()) suiButtonSaveClick();
}

void TAddFilterExclude::OnCancel() { suiButtonCancelClick(); }

void CreateAddFilterDialogs() {
    if (AddFilter) return;
    static TAddFilter addFilter;
    static TAddFilterExclude addFilterExclude;
    addFilter.Create();
    addFilterExclude.Create();
    AddFilter = &addFilter;
    AddFilterExclude = &addFilterExclude;
}
