#pragma once
#include <optional>
#include <string>

#include "settings/core/config_lists.h"
#include "widgets/button.h"
#include "widgets/edit_box.h"
#include "widgets/form.h"
#include "widgets/label.h"

// The add-include-filter dialog: opens empty every time, with OK disabled.
class TAddFilter : public Form {
  public:
    void Create();
    // Shows the dialog modally over the owner: the filter the user confirmed (trimmed, ticked), or
    // nothing when the dialog was cancelled.
    std::optional<FilterEntry> Execute(HWND owner);
    // The filter confirmed last.
    FilterEntry accepted;

    Label Label1, Label4, Label2, Label3;
    EditBox EditIncludeFilter, EditDesFilter;
    Button suiButtonSave, suiButtonCancel;
    void FormShow();
    void EditIncludeFilterChange();
    void suiButtonSaveClick();
    void suiButtonCancelClick();

  protected:
    void OnOK() override;  // Enter: OK, while it is enabled
    void OnCancel() override;
};

// The add-exclude-filter dialog: keeps the texts of its previous use.
class TAddFilterExclude : public Form {
  public:
    void Create();
    std::optional<FilterEntry> Execute(HWND owner);
    FilterEntry accepted;

    Label Label1, Label4, Label2, Label3;
    EditBox EditExincludeFilter, EditDesFilter;
    Button suiButtonSave, suiButtonCancel;
    void EditExincludeFilterChange();
    void suiButtonSaveClick();
    void suiButtonCancelClick();

  protected:
    void OnOK() override;  // Enter: OK, while it is enabled
    void OnCancel() override;
};

// Both live from program start to its end; nullptr until created.
extern TAddFilter* AddFilter;
extern TAddFilterExclude* AddFilterExclude;

// Creates the two add-filter dialogs that live for the whole run (once; later calls do nothing).
void CreateAddFilterDialogs();
