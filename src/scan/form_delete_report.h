#pragma once
#include <string>

#include "scan/file_deletion.h"
#include "widgets/button.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/list_view.h"

// After a deletion that left some ticked files: how many went, how many bytes were freed, and every
// file left with the reason in plain words. Shown modally over the main window.
class TformDeleteReport : public Form {
  public:
    ~TformDeleteReport() override;
    void FormCreate(HWND owner, const DeletionOutcome& outcome);
    void suiButtonCopyClick();
    void suiButtonCloseClick();
    // The list as tab-separated lines (name, folder, reason) under a line of the column captions.
    std::string ListText() const;

    Label LabelSummary;
    ListView ListViewLeft;
    Button suiButtonCopy, suiButtonClose;

  private:
    std::wstring LeftCell(int row, int column) const;  // what ListViewLeft shows of a left file
    DeletionOutcome outcome_;
    std::vector<std::wstring> reasons_;
};

// The dialog while it exists.
extern TformDeleteReport* formDeleteReport;

// The summary above the list: "Deleted 3 files, 1.50 KB freed. 2 files were not deleted:".
std::string DeleteSummaryText(const DeletionOutcome& outcome);
// A left file's reason as the user reads it.
std::string LeftReasonText(const LeftFile& file);
