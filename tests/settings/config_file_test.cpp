#include "settings/config_file.h"
#include "settings_fixture.h"

namespace {
class ConfigFile : public testing::Test {
  protected:
    void SetUp() override { RemoveConfig(); }
    void TearDown() override { RemoveConfig(); }
};

const std::string kFile = "Config.ini";
}  // namespace

TEST_F(ConfigFile, MissingFileSectionOrKeyReadsEmptyAndCreatesNothing) {
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "");
    EXPECT_FALSE(FileExists(ConfigPath()));
    WriteConfigBytes("[Other]\r\nGeneral=1\r\n");
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "");
    WriteConfigBytes("[Drive]\r\nCookie=a|)E(|\r\n");
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "");
}

TEST_F(ConfigFile, NamesMatchWithoutRegardToCase) {
    WriteConfigBytes("[drive]\r\ngeneral=101010\r\n");
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "101010");
}

TEST_F(ConfigFile, ValuesLongerThanTheOldBufferReadWhole) {
    std::string value;
    while (value.size() < 40000) value += "C:\\some\\long\\folder|)E(|";
    WriteConfigBytes("[Drive]\r\nExclude Paths=" + value + "\r\n");
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "Exclude Paths"), value);
}

TEST_F(ConfigFile, WriteCreatesTheFileAndReadsBack) {
    ASSERT_TRUE(WriteConfigValue(kFile, "Drive", "Cookie", "a|)E(|b|)E(|"));
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "Cookie"), "a|)E(|b|)E(|");
    EXPECT_EQ(ReadConfigBytes(), "[Drive]\r\nCookie=a|)E(|b|)E(|\r\n");
}

TEST_F(ConfigFile, WriteLeavesEveryOtherByteAlone) {
    const std::string before =
        "; kept comment\r\n[Drive]\r\nGeneral=111110\r\nCookie=x|)E(|\r\n\r\n[Mine]\r\nk=v\r\n";
    WriteConfigBytes(before);
    ASSERT_TRUE(WriteConfigValue(kFile, "Drive", "General", "000001"));
    std::string expected = before;
    expected.replace(expected.find("111110"), 6, "000001");
    EXPECT_EQ(ReadConfigBytes(), expected);
    EXPECT_FALSE(FileExists(ConfigPath() + ".tmp"));
}

TEST_F(ConfigFile, SeveralKeysGoInOneReplacement) {
    WriteConfigBytes("[Drive]\r\nCookie=c|)E(|\r\n");
    ASSERT_TRUE(WriteConfigValues(kFile, "Drive", {{"General", "101010"}, {"Exclude Paths", "*\\a|)E(|"}}));
    EXPECT_EQ(ReadConfigBytes(), "[Drive]\r\nCookie=c|)E(|\r\nGeneral=101010\r\nExclude Paths=*\\a|)E(|\r\n");
}

TEST_F(ConfigFile, ReadOnlyFileOrFolderIsNotWrittenAndStaysWhole) {
    const std::string before = "[Drive]\r\nGeneral=111110\r\n";
    WriteConfigBytes(before);
    SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteConfigValue(kFile, "Drive", "General", "000001"));
    EXPECT_EQ(ReadConfigBytes(), before);
    RemoveConfig();
    ASSERT_TRUE(CreateDirectoryW(Widen(ConfigPath()).c_str(), nullptr));
    EXPECT_FALSE(WriteConfigValue(kFile, "Drive", "General", "000001"));
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "");
}

TEST_F(ConfigFile, ValuesThatWouldNotReadBackAreRefusedWithoutWriting) {
    const std::string before = "[Drive]\r\nGeneral=111110\r\n";
    WriteConfigBytes(before);
    EXPECT_FALSE(WriteConfigValues(kFile, "Drive", {{"General", "101010"}, {"Cookie", "a\r\nb"}}));
    EXPECT_EQ(ReadConfigBytes(), before);
}

TEST_F(ConfigFile, TextOutsideTheCodePageIsRefusedNotMangled) {
    const std::string before = "[Drive]\r\nGeneral=111110\r\n";
    WriteConfigBytes(before);
    const std::string gothic = "𐌰";  // a letter no ANSI code page holds
    EXPECT_FALSE(WriteConfigValue(kFile, "Drive", "Exclude Paths", "C:\\" + gothic + "|)E(|"));
    EXPECT_EQ(ReadConfigBytes(), before);
}

TEST_F(ConfigFile, FileLockedByAnotherWriterIsLeftAlone) {
    const std::string before = "[Drive]\r\nGeneral=111110\r\n";
    WriteConfigBytes(before);
    HANDLE lock = CreateFileW(Widen(ConfigPath()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteConfigValue(kFile, "Drive", "General", "000001"));
    EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "");
    CloseHandle(lock);
    EXPECT_EQ(ReadConfigBytes(), before);
}
