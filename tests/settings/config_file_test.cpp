#include <set>

#include "settings/config_file.h"
#include "settings_fixture.h"

namespace {
class ConfigFile : public testing::Test {
  protected:
    void SetUp() override { RemoveConfig(); }
    void TearDown() override {
        SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryW(Widen(ConfigPath() + ".tmp").c_str());
        RemoveConfig();
    }
};

const std::string kFile = "Config.ini";

void WriteBytesAt(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadBytesAt(const std::string& path) {
    std::string bytes;
    HANDLE h =
        CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

// The names in a folder: a save must leave no temporary file behind, whether it succeeds or fails.
std::set<std::string> FolderNames(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(Widen(folder + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.insert(Narrow(entry.cFileName));
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

std::string Utf16Le(const std::string& utf8) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : Widen(utf8)) bytes += {char(unit & 0xFF), char(unit >> 8)};
    return bytes;
}
std::string Utf16Be(const std::string& utf8) {
    std::string bytes = "\xFE\xFF";
    for (wchar_t unit : Widen(utf8)) bytes += {char(unit >> 8), char(unit & 0xFF)};
    return bytes;
}
std::string Utf8Bom(const std::string& utf8) { return "\uFEFF" + utf8; }
std::string Ansi(const std::string& utf8) {
    std::string ansi;
    EXPECT_TRUE(ToAnsi(utf8, ansi)) << utf8;
    return ansi;
}

struct Encoding {
    const char* name;
    std::string (*encode)(const std::string& utf8);
};
const Encoding kUnicodeForms[] = {{"UTF-16LE", Utf16Le}, {"UTF-16BE", Utf16Be}, {"UTF-8 with mark", Utf8Bom}};
const Encoding kEveryForm[] = {
    {"ANSI", Ansi}, {"UTF-16LE", Utf16Le}, {"UTF-16BE", Utf16Be}, {"UTF-8 with mark", Utf8Bom}};

constexpr DWORD kShownAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
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

TEST_F(ConfigFile, FileLockedWithoutSharingDeletionIsLeftAloneWithNothingBeside) {
    const std::string before = "[Drive]\r\nGeneral=111110\r\n";
    WriteConfigBytes(before);
    const auto names = FolderNames(TestExeFolder());
    HANDLE reader = CreateFileW(Widen(ConfigPath()).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteConfigValue(kFile, "Drive", "General", "000001"));
    CloseHandle(reader);
    EXPECT_EQ(ReadConfigBytes(), before);
    EXPECT_EQ(FolderNames(TestExeFolder()), names);
}

TEST_F(ConfigFile, NoRoomForTheTemporaryFileLeavesTheOldBytes) {
    const std::string before = "[Drive]\r\nGeneral=111110\r\n";
    WriteConfigBytes(before);
    ASSERT_TRUE(CreateDirectoryW(Widen(ConfigPath() + ".tmp").c_str(), nullptr));
    const auto names = FolderNames(TestExeFolder());
    EXPECT_FALSE(WriteConfigValue(kFile, "Drive", "General", "000001"));
    EXPECT_EQ(ReadConfigBytes(), before);
    EXPECT_EQ(FolderNames(TestExeFolder()), names);
}

// A save cut short (power loss, a killed process) can leave its temporary file beside Config.ini; the next
// save, in that run or after a restart, still goes through and leaves nothing beside.
TEST_F(ConfigFile, StaleTemporaryFileFromACutShortSaveIsReplaced) {
    const struct {
        const char* name;
        DWORD attributes;
    } cases[] = {{"plain", FILE_ATTRIBUTE_NORMAL},
                 {"read-only", FILE_ATTRIBUTE_READONLY},
                 {"hidden", FILE_ATTRIBUTE_HIDDEN}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteConfigBytes("[Drive]\r\nGeneral=111110\r\n");
        const auto names = FolderNames(TestExeFolder());
        WriteBytesAt(ConfigPath() + ".tmp", "[Drive]\r\nGeneral=half");
        SetFileAttributesW(Widen(ConfigPath() + ".tmp").c_str(), c.attributes);
        EXPECT_TRUE(WriteConfigValues(kFile, "Drive", {{"General", "000001"}, {"Cookie", "a|)E(|"}}));
        EXPECT_EQ(ReadConfigBytes(), "[Drive]\r\nGeneral=000001\r\nCookie=a|)E(|\r\n");
        EXPECT_EQ(FolderNames(TestExeFolder()), names);
        SetFileAttributesW(Widen(ConfigPath() + ".tmp").c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Widen(ConfigPath() + ".tmp").c_str());
    }
}

TEST_F(ConfigFile, SaveKeepsHiddenAndSystemAttributes) {
    const DWORD cases[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_NORMAL};
    for (DWORD attributes : cases) {
        WriteConfigBytes("[Drive]\r\nGeneral=111110\r\n");
        ASSERT_TRUE(SetFileAttributesW(Widen(ConfigPath()).c_str(), attributes));
        const auto names = FolderNames(TestExeFolder());
        EXPECT_TRUE(WriteConfigValue(kFile, "Drive", "General", "000001")) << attributes;
        EXPECT_EQ(ReadConfigBytes(), "[Drive]\r\nGeneral=000001\r\n") << attributes;
        EXPECT_EQ(GetFileAttributesW(Widen(ConfigPath()).c_str()) & kShownAttributes,
                  attributes & kShownAttributes)
            << attributes;
        EXPECT_EQ(FolderNames(TestExeFolder()), names) << attributes;
        SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// The fixtures make link\Config.ini a file link, and viafolder\Config.ini a link through a folder link, to
// linked\Config.ini. Windows code cannot tell such a link from a file under Wine; that the link stays a link
// shows when the target changes afterwards and the link still reads it.
TEST_F(ConfigFile, SaveWritesThroughALinkAndKeepsIt) {
    const std::string target = TestExeFolder() + "linked\\Config.ini";
    for (const char* link : {"link\\Config.ini", "viafolder\\Config.ini"}) {
        WriteBytesAt(target, "[Drive]\r\nGeneral=111110\r\n");
        ASSERT_TRUE(SetFileAttributesW(Widen(target).c_str(), FILE_ATTRIBUTE_HIDDEN));
        const auto linkFolder = FolderNames(TestExeFolder() + "link\\");
        const auto targetFolder = FolderNames(TestExeFolder() + "linked\\");
        ASSERT_EQ(ReadConfigValue(link, "Drive", "General"), "111110") << link;

        EXPECT_TRUE(WriteConfigValue(link, "Drive", "General", "000001")) << link;
        EXPECT_EQ(ReadBytesAt(target), "[Drive]\r\nGeneral=000001\r\n") << link;
        EXPECT_EQ(GetFileAttributesW(Widen(target).c_str()) & kShownAttributes, DWORD(FILE_ATTRIBUTE_HIDDEN))
            << link;
        EXPECT_EQ(FolderNames(TestExeFolder() + "link\\"), linkFolder) << link;
        EXPECT_EQ(FolderNames(TestExeFolder() + "linked\\"), targetFolder) << link;

        SetFileAttributesW(Widen(target).c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteBytesAt(target, "[Drive]\r\nGeneral=010101\r\n");
        EXPECT_EQ(ReadConfigValue(link, "Drive", "General"), "010101") << link << " is no longer a link";
    }
}

TEST_F(ConfigFile, ReadsEveryFormAsTheProfileFunctions) {
    const std::string text =
        "; settings\r\n[Drive]\r\n  General = 101010 \r\nExclude Paths\t=\tC:\\p1|)E(|\nInclude "
        "Filters=*.tmp|)(|Temp|)(|1|)E(|\rCookie=\"a@b/|)E(|\"\r\nExclude Filters\r\n";
    for (const Encoding& form : kEveryForm) {
        WriteConfigBytes(form.encode(text));
        EXPECT_EQ(ReadConfigValue(kFile, "Drive", "General"), "101010") << form.name;
        EXPECT_EQ(ReadConfigValue(kFile, "DRIVE", "exclude paths"), "C:\\p1|)E(|") << form.name;
        EXPECT_EQ(ReadConfigValue(kFile, "Drive", "Include Filters"), "*.tmp|)(|Temp|)(|1|)E(|") << form.name;
        EXPECT_EQ(ReadConfigValue(kFile, "Drive", "Cookie"), "a@b/|)E(|") << form.name;
        EXPECT_EQ(ReadConfigValue(kFile, "Drive", "Exclude Filters"), "") << form.name;
    }
}

TEST_F(ConfigFile, UnicodeFormsStoreWhatTheCodePageCannotAndStayInTheirForm) {
    const std::string gothic = "𐌰";  // a letter no ANSI code page holds
    const std::string before = "; 设置\r\n[Drive]\r\nGeneral=111110\r\n\r\n[Other]\r\nk=v\r\n";
    const std::string after = "; 设置\r\n[Drive]\r\nGeneral=111110\r\nCookie=" + gothic +
                              "|)E(|临时|)E(|\r\n\r\n[Other]\r\nk=v\r\n";
    for (const Encoding& form : kUnicodeForms) {
        WriteConfigBytes(form.encode(before));
        EXPECT_TRUE(ConfigCanHold(kFile, gothic)) << form.name;
        ASSERT_TRUE(WriteConfigValue(kFile, "Drive", "Cookie", gothic + "|)E(|临时|)E(|")) << form.name;
        EXPECT_EQ(ReadConfigBytes(), form.encode(after)) << form.name;
        EXPECT_EQ(ReadConfigValue(kFile, "Drive", "Cookie"), gothic + "|)E(|临时|)E(|") << form.name;
    }
    WriteConfigBytes("[Drive]\r\n");
    EXPECT_FALSE(ConfigCanHold(kFile, gothic));
    RemoveConfig();
    EXPECT_FALSE(ConfigCanHold(kFile, gothic));  // a new file is an ANSI one
    EXPECT_TRUE(ConfigCanHold(kFile, "plain"));
}
