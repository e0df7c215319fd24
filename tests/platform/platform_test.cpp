// The platform calls the deletion and Save rely on, on their own: exact names, the link-safe delete and
// whole-file replacement.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/exact_names.h"
#include "platform/file_tree.h"
#include "platform/text.h"
#include "platform/whole_file.h"
#include "support/held_open.h"

namespace {
std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

void Write(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string Read(const std::wstring& path) {
    std::string bytes;
    return ReadWholeFile(Long(path), bytes) ? bytes : "<unreadable>";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A folder whose full path is over 260 characters, made one level at a time.
std::wstring DeepFolder() {
    std::wstring folder = L"D:\\deep";
    CreateDirectoryW(Long(folder).c_str(), nullptr);
    for (int i = 0; i < 4; ++i) {
        folder += L"\\" + std::wstring(80, wchar_t(L'a' + i));
        CreateDirectoryW(Long(folder).c_str(), nullptr);
    }
    return folder + L"\\";
}
}  // namespace

TEST(ExactNames, AnswersFromTheFoldersOwnNames) {
    const std::wstring deep = DeepFolder();
    Write(deep + L"long.tmp", "x");
    const struct {
        std::wstring folder, name;
        ExactNames::Lookup lookup;
    } cases[] = {
        {L"D:\\twins\\", L"Case.tmp", ExactNames::Lookup::kFound},
        {L"D:\\twins\\", L"case.tmp", ExactNames::Lookup::kFound},
        {L"D:\\twins\\", L"CASE.tmp", ExactNames::Lookup::kMissing},  // a lookup by name would fold case
        {L"D:\\twins\\", L"caf\uFFFD.tmp", ExactNames::Lookup::kAmbiguous},
        {L"D:\\twins\\", L"caf?.tmp", ExactNames::Lookup::kMissing},  // a wildcard is no name
        {L"D:\\vanished\\", L"a.tmp", ExactNames::Lookup::kMissing},
        {deep, L"long.tmp", ExactNames::Lookup::kFound},
    };
    // Looked up one by one, and answered from one listing per folder: the same answers.
    for (size_t lookups : {size_t(0), size_t(1), SIZE_MAX}) {
        ExactNames names(lookups);
        for (const auto& c : cases) {
            ExactNames::Entry entry;
            DWORD error = 0;
            EXPECT_EQ(names.Find(c.folder, c.name, entry, error), c.lookup)
                << Narrow(c.folder + c.name) << " with " << lookups << " lookups";
        }
    }
}

TEST(DeleteLinkSafe, RemovesATreeButNeverWhatItsLinksPointTo) {
    // Wine cannot remove a Unix link to a folder: the links stay, with the folders holding them, and the
    // first error says so.
    EXPECT_EQ(DeleteLinkSafe(L"D:\\tree"), DWORD(ERROR_DIR_NOT_EMPTY));
    EXPECT_FALSE(Exists(L"D:\\tree\\inner\\a.tmp"));
    EXPECT_TRUE(Exists(L"E:\\sentinel\\keep.tmp"));
    EXPECT_TRUE(Exists(L"D:\\tree\\inner\\loop"));
    EXPECT_TRUE(Exists(L"D:\\tree\\to_sentinel"));
    EXPECT_EQ(DeleteLinkSafe(L"D:\\no such folder"), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST(WholeFile, ReplacesInOneStepOrChangesNothing) {
    const std::wstring path = L"D:\\whole.ini";
    const struct {
        const char* name;
        DWORD attributes;  // set on the file before the replacement
        DWORD heldShare;   // another program holds it with this sharing; ~0u: nobody
        bool replaced;
    } cases[] = {
        {"plain", FILE_ATTRIBUTE_NORMAL, ~0u, true},
        {"hidden", FILE_ATTRIBUTE_HIDDEN, ~0u, true},
        {"read-only", FILE_ATTRIBUTE_READONLY, ~0u, false},
        {"held without delete sharing", FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE, false},
        {"held sharing everything", FILE_ATTRIBUTE_NORMAL,
         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Write(path, "old");
        Write(path + L".tmp", "stale");  // left by a replacement cut short
        SetFileAttributesW(Long(path).c_str(), c.attributes);
        {
            std::unique_ptr<HeldOpen> held;
            if (c.heldShare != ~0u) held = std::make_unique<HeldOpen>(Long(path), c.heldShare);
            EXPECT_EQ(ReplaceWholeFile(Long(path), "new"), c.replaced);
        }
        EXPECT_EQ(Read(path), c.replaced ? "new" : "old");
        EXPECT_EQ(GetFileAttributesW(Long(path).c_str()) & FILE_ATTRIBUTE_HIDDEN,
                  c.attributes & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_FALSE(Exists(path + L".tmp"));
        SetFileAttributesW(Long(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    // A missing file is made; a link is written through to its target and stays a link.
    DeleteFileW(Long(path).c_str());
    EXPECT_TRUE(ReplaceWholeFile(Long(path), "made"));
    EXPECT_EQ(Read(path), "made");
    EXPECT_TRUE(ReplaceWholeFile(Long(L"D:\\link.ini"), "through"));
    EXPECT_EQ(Read(L"D:\\target.ini"), "through");
}

TEST(WholeFile, ReadTellsAMissingFileFromOneItCannotRead) {
    std::string bytes = "left over";
    EXPECT_TRUE(ReadWholeFile(Long(L"D:\\missing.ini"), bytes));
    EXPECT_EQ(bytes, "");
    Write(L"D:\\held.ini", "kept");
    HeldOpen held(Long(L"D:\\held.ini"));
    EXPECT_FALSE(ReadWholeFile(Long(L"D:\\held.ini"), bytes));
}
