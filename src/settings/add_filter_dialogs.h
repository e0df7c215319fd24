#pragma once
#include <string>

#include "widgets/button.h"
#include "widgets/edit_box.h"
#include "widgets/form.h"
#include "widgets/label.h"

// The result of the add-filter dialog confirmed last, shared by the two dialogs; the Options page reads
// it after the dialog has closed.
extern std::string AddFilterMask, AddFilterDescription;

// The add-include-filter dialog: opens empty every time, with OK disabled.
class TAddFilter : public Form {
  public:
    void Create();
    // Shows the dialog modally over the owner; true when the user confirmed a valid filter.
    bool Execute(HWND owner);

    Label Label1, Label4, Label2, Label3;
    EditBox EditIncludeFilter, EditDesFilter;
    Button suiButtonSave, suiButtonCancel;
    void FormShow();
    void EditIncludeFilterChange();
    void suiButtonSaveClick();
    void suiButtonCancelClick();

  protected:
    bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// The add-exclude-filter dialog: keeps the texts of its previous use.
class TAddFilterExclude : public Form {
  public:
    void Create();
    bool Execute(HWND owner);

    Label Label1, Label4, Label2, Label3;
    EditBox EditExincludeFilter, EditDesFilter;
    Button suiButtonSave, suiButtonCancel;
    void EditExincludeFilterChange();
    void suiButtonSaveClick();
    void suiButtonCancelClick();

  protected:
    bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// Both live from program start to its end; nullptr until created.
extern TAddFilter* AddFilter;
extern TAddFilterExclude* AddFilterExclude;

// Creates the two add-filter dialogs that live for the whole run (once; later calls do nothing).
void CreateAddFilterDialogs();
