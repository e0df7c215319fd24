#pragma once
#include <string>
#include <unordered_set>

// Tells whether a folder holds an entry named exactly so, case and all. A lookup by name folds case (and
// on Windows follows 8.3 aliases), so opening a vanished "Case.tmp" can reach its twin "case.tmp"; this
// answers from the folder's own listing. The first name asked of a folder is looked up on its own;
// from then on, while names of the same folder are asked in a row, the folder is listed once and the
// rest are answered from that listing.
class ExactNames {
  public:
    // folder ends in "\"; false too when the folder cannot be read.
    bool Holds(const std::wstring& folder, const std::wstring& name);

  private:
    std::wstring folder_;
    size_t asked_ = 0;
    bool listed_ = false;
    std::unordered_set<std::wstring> names_;
};
