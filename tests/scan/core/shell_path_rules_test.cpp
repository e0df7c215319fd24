#include "scan/core/shell_path_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct PathCase {
    std::wstring path;
    ShellPathProblem problem;
};

std::wstring PathOfLength(size_t units) {
    std::wstring path = L"D:\\";
    while (path.size() + 4 < units) path += L"a\\";
    path.resize(units - 4, L'b');
    return path + L".tmp";
}
}  // namespace

TEST(ShellPathProblemOf, NamesThatWin32ParsingRewritesOrRefuses) {
    using enum ShellPathProblem;
    const PathCase cases[] = {
        {L"D:\\notes.txt", kNone},
        {L"D:\\dir\\y.tmp", kNone},
        {L"D:\\臨時\\日本.tmp", kNone},
        {L"D:\\a b\\.hidden", kNone},
        {L"D:\\notes.txt ", kName},
        {L"D:\\report.", kName},
        {L"D:\\dotdir.\\y.tmp", kName},
        {L"D:\\blank \\y.tmp", kName},
        {L"D:\\con.tmp", kName},
        {L"D:\\CON", kName},
        {L"D:\\aux.tmp", kName},
        {L"D:\\Nul.tar.gz", kName},
        {L"D:\\prn.tmp", kName},
        {L"D:\\com1.tmp", kName},
        {L"D:\\COM9", kName},
        {L"D:\\lpt1.tmp", kName},
        {L"D:\\lpt².tmp", kName},
        {L"D:\\con .tmp", kName},
        {L"D:\\conout$.tmp", kName},
        {L"D:\\nul\\a.tmp", kNone},  // a device name only matters as the last name
        {L"D:\\reserved\\con\\inner.tmp", kNone},
        {L"D:\\reserved\\con\\aux", kName},
        {L"D:\\com0.tmp", kNone},
        {L"D:\\com10.tmp", kNone},
        {L"D:\\lpt.tmp", kNone},
        {L"D:\\console.tmp", kNone},
        {L"D:\\xcon.tmp", kNone},
        {L"D:\\a.con", kNone},
        {L"D:\\what?.tmp", kName},
        {L"D:\\a*b.tmp", kName},
        {L"D:\\\"q\".tmp", kName},
        {L"D:\\<a>.tmp", kName},
        {L"D:\\a|b.tmp", kName},
        {L"D:\\a:b.tmp", kName},
        {L"D:\\tab\t.tmp", kName},
        {L"D:\\a\\\\b.tmp", kName},
        {L"D:\\", kName},
        {L"notes.txt", kName},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(ShellPathProblemOf(c.path), c.problem) << std::string(c.path.begin(), c.path.end());
    }
}

TEST(ShellPathProblemOf, LengthLimitIsInUtf16Units) {
    EXPECT_EQ(ShellPathProblemOf(PathOfLength(259)), ShellPathProblem::kNone);
    EXPECT_EQ(ShellPathProblemOf(PathOfLength(260)), ShellPathProblem::kTooLong);
    // A character beyond the BMP takes two units wherever wchar_t is wider.
    std::wstring astral = PathOfLength(258);
    astral.insert(3, L"\U0001F5D1");
    EXPECT_EQ(ShellPathProblemOf(astral), ShellPathProblem::kTooLong);
    // A name the shell would rewrite is the first problem even in a long path.
    EXPECT_EQ(ShellPathProblemOf(PathOfLength(300) + L"."), ShellPathProblem::kName);
}

TEST(HoldsUnreachableCharacter, NamesNoWin32PathAddresses) {
    const struct {
        std::wstring name;
        bool separates, unreachable;
    } cases[] = {
        {L"plain.tmp", false, false},      {L"臨時 🗑.tmp", false, false},
        {L"back\\slash.tmp", false, true}, {L"D:\\back\\", true, false},
        {L"a/b.tmp", false, true},         {L"D:\\a/b\\", true, true},
        {L"caf\uFFFD.tmp", false, true},   {L"D:\\caf\uFFFD\\", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HoldsUnreachableCharacter(c.name, c.separates), c.unreachable)
            << std::string(c.name.begin(), c.name.end());
}
