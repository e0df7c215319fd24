#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>

// Finds a folder's entry by its exact name, case and all, with what its listing says of it. A lookup by
// name folds case (and on Windows follows 8.3 aliases), so opening a vanished "Case.tmp" can reach its
// twin "case.tmp"; this answers from the folder's own listing. The first name asked of a folder is
// looked up on its own; from the second on, while names of the same folder are asked in a row, the
// folder is listed once and the rest are answered from that listing. A name that the listing holds more
// than once (bytes that another file system's names could not convert all read as U+FFFD) reaches no
// one file exactly: it is kAmbiguous.
class ExactNames {
  public:
    // lookupsBeforeListing: 0 lists a folder at its first name, for a caller that asks many of each.
    explicit ExactNames(size_t lookupsBeforeListing = 1) : lookupsBeforeListing_(lookupsBeforeListing) {}
    struct Entry {
        DWORD attributes = 0;
        int64_t size = 0;
        uint64_t lastWrite = 0;
    };
    enum class Lookup { kFound, kMissing, kAmbiguous, kUnreadable };

    // folder ends in "\". kUnreadable leaves the system's error in error.
    Lookup Find(const std::wstring& folder, const std::wstring& name, Entry& entry, DWORD& error);

  private:
    size_t lookupsBeforeListing_;
    std::wstring folder_;
    size_t asked_ = 0;
    bool listed_ = false;
    DWORD listError_ = 0;
    struct Listed {
        Entry entry;
        size_t count = 0;
    };
    std::unordered_map<std::wstring, Listed> entries_;
};
