#include "scan/core/path_identity.h"

#include <gtest/gtest.h>

#include <string>

TEST(FinalPathMatchesListed, OnlyTheListedNamesWithTheirCasePass) {
    const struct {
        std::wstring listed, reported;
        bool match;
    } cases[] = {
        {L"D:\\Case.tmp", L"\\Case.tmp", true},
        {L"D:\\Case.tmp", L"\\case.tmp", false},  // the case twin
        {L"D:\\Dir\\x.tmp", L"\\dir\\x.tmp", false},
        {L"D:\\Dir\\x.tmp", L"\\Dir\\x.tmp", true},
        {L"D:\\PROGRA~1.TMP", L"\\program file.tmp", false},  // a short alias reached a long name
        {L"D:\\notes.txt ", L"\\notes.txt", true},            // the reported name lost its trailing blank
        {L"D:\\report.", L"\\report", true},
        {L"D:\\dotdir.\\y.tmp", L"\\dotdir\\y.tmp", true},
        {L"D:\\sub\\x.tmp", L"\\mapped\\folder\\sub\\x.tmp", true},  // a drive mapped to a folder
        {L"D:\\sub\\x.tmp", L"\\x.tmp", false},
        {L"D:\\sub\\x.tmp", L"\\other\\x.tmp", false},
        {L"D:\\x.tmp", L"", false},
        {L"D:\\", L"\\", false},
        {L"x.tmp", L"\\x.tmp", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FinalPathMatchesListed(c.listed, c.reported), c.match)
            << std::string(c.listed.begin(), c.listed.end()) << " / "
            << std::string(c.reported.begin(), c.reported.end());
    }
}
