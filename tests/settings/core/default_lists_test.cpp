#include "settings/core/default_lists.h"

#include <gtest/gtest.h>

namespace {
std::string Joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& t : texts) all += (all.empty() ? "" : "|") + t;
    return all;
}
std::vector<std::string> Masks(const std::vector<FilterEntry>& rows) {
    std::vector<std::string> masks;
    for (const FilterEntry& e : rows) masks.push_back(e.mask);
    return masks;
}
}  // namespace

TEST(DefaultLists, HaveTheirRowCounts) {
    EXPECT_EQ(DefaultIncludeFilters().size(), 57u);
    EXPECT_EQ(DefaultExcludeFilters().size(), 27u);
    EXPECT_EQ(DefaultExcludePaths().size(), 29u);
}

TEST(DefaultLists, IncludeRowsKeepTheirOddities) {
    const auto& rows = DefaultIncludeFilters();
    struct Case {
        int row;
        const char *mask, *type, *description;
        bool ticked;
    } cases[] = {
        {1, "*.$$$", "$$$", "MS-DOS Temporary Files", true},
        {10, "\"*.#Res", "#Res", "Temporary Files (Mac Photoshop to PC)", true},
        {41, "*.~*", "~*", "", true},
        {42, "*log.txt", "txt", "Log Files", false},
        {43, "*__ofidx*.*", "*", "Microsoft Find Fast Indexer File", true},
        {46, "chklist.*", "*", "Microsoft Junk File", true},
        {56, "twain???.mtx", "mtx", "TWAIN Temporary file", true},
        {57, "~*.*", "*", "Temporary Files", true},
    };
    for (const Case& c : cases) {
        const FilterEntry& e = rows[c.row - 1];
        EXPECT_EQ(e.mask, c.mask) << c.row;
        EXPECT_EQ(e.type, c.type) << c.row;
        EXPECT_EQ(e.description, c.description) << c.row;
        EXPECT_EQ(e.ticked, c.ticked) << c.row;
    }
    EXPECT_EQ(rows[9].mask.size(), 7u);
}

TEST(DefaultLists, EightIncludeRowsStartUnticked) {
    std::vector<int> unticked;
    for (size_t i = 0; i < DefaultIncludeFilters().size(); ++i) {
        if (!DefaultIncludeFilters()[i].ticked) unticked.push_back(int(i) + 1);
    }
    EXPECT_EQ(unticked, (std::vector<int>{11, 23, 25, 26, 35, 36, 42, 53}));
}

TEST(DefaultLists, ExcludeFiltersAreAllTicked) {
    const auto& rows = DefaultExcludeFilters();
    for (const FilterEntry& e : rows) EXPECT_TRUE(e.ticked) << e.mask;
    EXPECT_EQ(rows[0].mask, "config.*");
    EXPECT_EQ(rows[22].mask, "WebPoolFileFile");
    EXPECT_EQ(rows[22].type, "");
    EXPECT_EQ(rows[22].description, "N/A");
    EXPECT_EQ(rows[26].mask, "wz.pif");
}

TEST(DefaultLists, ExcludePathsRunFromDriveRootsToAnyDepth) {
    const auto& rows = DefaultExcludePaths();
    EXPECT_EQ(rows.front(), "?:\\Program files\\common files");
    EXPECT_EQ(rows[12], "?:\\SYSTEM VOLUME INFORMATION");
    EXPECT_EQ(rows[13], "*\\temporary internet files");
    EXPECT_EQ(rows[27], "*\\microsoft\\money\\*\\webcache");
    EXPECT_EQ(rows.back(), "*\\microsoft\\office\\data");
}

// Default followed by Save and a new start must bring back exactly the built-in rows.
TEST(DefaultLists, SurviveSaveAndLoad) {
    EXPECT_EQ(ParseFilterList(BuildFilterList(DefaultIncludeFilters())), DefaultIncludeFilters());
    EXPECT_EQ(ParseFilterList(BuildFilterList(DefaultExcludeFilters())), DefaultExcludeFilters());
    EXPECT_EQ(ParseEntryList(BuildEntryList(DefaultExcludePaths())), DefaultExcludePaths());
    EXPECT_EQ(BuildGeneral(DefaultGeneralOptions()), "101010");
    EXPECT_EQ(ParseGeneral("101010"), DefaultGeneralOptions());
}

// Every mask and path in table order: a slip in any one changes what a scan lists or spares.
TEST(DefaultLists, EveryMaskAndPathInOrder) {
    EXPECT_EQ(Joined(Masks(DefaultIncludeFilters())),
              R"(*.$$$|*.@@@|*.$db|*.---|*._mp|*.?$?|*.??$|*.??~|*.?~?|"*.#Res|*.bak|*.bk?|*.chk|*.cpy|)"
              R"(*.db$|*.diz|*.dmp|*.err|*.fic|*.fnd|*.ftg|*.fts|*.gid|*.ms|*.nav|*.nu3|*.old|*.prv|*.sdi|)"
              R"(*.sik|*.spc|*.syd|*.temp|*.tmp|*.wbk|*.xlk|*.^|*._dd|*._detmp|*.___|*.~*|*log.txt|)"
              R"(*__ofidx*.*|0*.nch|anti-vir.dat|chklist.*|ffastun.*|file_id.diz|iebak.dat|modemdet.txt|)"
              R"(mscreate.dir|pspbrwse.jbf|scandisk.log|suhdlog.dat|system.1st|twain???.mtx|~*.*)");
    EXPECT_EQ(Joined(Masks(DefaultExcludeFilters())),
              "config.*|autoexec.*|data.bak|_Default.pif|Calendar.tmp|Data.sav|Default.pif|Donotdel.tmp|"
              "DonotDelete.tmp|Drelres.pif|FTP.log|Http.log|Index.dat|Install.log|MM2048.DAT|MM256.DAT|"
              "Modem.log|Script.bak|System.bak|System.old|Uninstall.log|User.old|WebPoolFileFile|Win.bak|"
              "Win.old|Wnccdctl.log|wz.pif");
    EXPECT_EQ(Joined(DefaultExcludePaths()),
              R"(?:\Program files\common files|?:\program files\Uninstall Information|?:\win*\security|)"
              R"(?:\win*\pif|?:\win*\resources|?:\win*\Sysbackup|?:\win*\system32\oldole|)"
              R"(?:\win*\system32\olebackup|?:\win*\system32\usmt|?:\win*\temp|?:\recycle?|?:\_restore|)"
              R"(?:\SYSTEM VOLUME INFORMATION|*\temporary internet files|*\sendto|*\i386|)"
              R"(*\Resources\Themes|*\Application Data\microsoft|*\Application Data\Aim|)"
              R"(*\System32\catroot2|*\System32\usmt|*\norton antivirus\quarantine|*\temp\incredimail|)"
              R"(*\Local Settings\Temp|*\symantec shared\virusdefs|*\paprport\data|*\chaos32|)"
              R"(*\microsoft\money\*\webcache|*\microsoft\office\data)");
}
