#pragma once
#include <array>
#include <string>

#include "widgets/button.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/progress_bar.h"

// The Other Clean areas a run empties: element k - 1 for area k (1 Recycle Bin, 2 temp folder,
// 3 temporary internet files, 4 history, 5 recent documents, 6 cookies).
using CleanAreas = std::array<bool, 6>;

// The cleaning-run dialog: empties the ticked Other Clean areas in the fixed order 1 to 6, records
// the files it could not delete, and then offers Close. Shown modally by the page's start button.
class TformClean : public Form {
  public:
    ~TformClean() override;
    // areas: the ticked areas, which the run empties once the dialog shows.
    void FormCreate(HWND owner, const CleanAreas& areas = {});
    void FormShow();
    void Timer1Timer();
    void suiButton1Click();

    // The work of the steps. Every deletion is permanent, and no step ever follows a folder link.
    // False when Shell32 cannot be loaded.
    bool EmptyRecycleBins();
    void DelTmp();
    void DelInternet();
    // The error of the history store, or S_OK.
    HRESULT Delhistory();
    void DelRecent();
    void m_DelCookie();
    bool SearchDelF(const std::string& folder, const std::string& name, bool top);
    int DelFileSH(const std::string& path);
    void SearchResult(const std::string& folder);
    void SetResult(const std::string& selector, const std::string& folder);

    Label Label1;
    ProgressBar ProgressBarClean;
    Button suiButton1;

    // What steps 1 and 4 load; tests point them at something missing to see a failing step.
    std::wstring shellLibrary = L"Shell32.dll";
    CLSID historyStoreClass;

  protected:
    bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    // Empty when the step went through, else the message that tells the user why the run stops.
    std::string RunStep(int area);
    CleanAreas areas_{};
    bool running_ = false;
    bool finished_ = false;
    std::string leftoverText_;  // the leftover list of one area, collected for SetResult
};

inline constexpr const char* kCleanCompleteText = "Clean Complete!Please click \"Close\" to back.";
