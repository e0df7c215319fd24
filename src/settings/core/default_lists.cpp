#include "settings/core/default_lists.h"

#include <initializer_list>

namespace {
struct Row {
    const char* mask;
    const char* description;
    bool ticked;
};

std::vector<FilterEntry> Build(std::initializer_list<Row> rows) {
    std::vector<FilterEntry> entries;
    for (const Row& r : rows) entries.push_back(MakeFilterEntry(r.mask, r.description, r.ticked));
    return entries;
}
}  // namespace

const std::vector<FilterEntry>& DefaultIncludeFilters() {
    static const std::vector<FilterEntry> rows = Build({
        {"*.$$$", "MS-DOS Temporary Files", true},
        {"*.@@@", "Temporary Files", true},
        {"*.$db", "Temporary Files", true},
        {"*.---", "Temporary Files", true},
        {"*._mp", "Temporary Files", true},
        {"*.?$?", "Temporary Files", true},
        {"*.??$", "Temporary Files", true},
        {"*.??~", "Temporary Files", true},
        {"*.?~?", "Temporary Files", true},
        // The leading double-quote has always belonged to this mask; it is kept so that saved lists
        // and the built-in one agree.
        {"\"*.#Res", "Temporary Files (Mac Photoshop to PC)", true},
        {"*.bak", "Backup Files", false},
        {"*.bk?", "Potential junk", true},
        {"*.chk", "Log Files", true},
        {"*.cpy", "Backup Files", true},
        {"*.db$", "Temporary Files (dBASE)", true},
        {"*.diz", "Temporary Files (Download explain files)", true},
        {"*.dmp", "Potential junk", true},
        {"*.err", "Error File", true},
        {"*.fic", "Potential junk", true},
        {"*.fnd", "Find Result Files", true},
        {"*.ftg", "Word List File of *.HLP", true},
        {"*.fts", "Word List File of *.HLP", true},
        {"*.gid", "Windows Help Index Files", false},
        {"*.ms", "Microsoft Product Backup Files", true},
        {"*.nav", "Backup Files", false},
        {"*.nu3", "Symantec Backup File", false},
        {"*.old", "Backup Files", true},
        {"*.prv", "Backup Files", true},
        {"*.sdi", "Archive Content File", true},
        {"*.sik", "Potential junk", true},
        {"*.spc", "Temporary Files (WordPerfect for Windows)", true},
        {"*.syd", "Backup Files", true},
        {"*.temp", "Temporary Files", true},
        {"*.tmp", "Temporary Files", true},
        {"*.wbk", "Word Backup Files", false},
        {"*.xlk", "Excel Backup Files", false},
        {"*.^", "Temporary Files", true},
        {"*._dd", "N/A", true},
        {"*._detmp", "Temporary Files", true},
        {"*.___", "Temporary Files", true},
        {"*.~*", "", true},
        {"*log.txt", "Log Files", false},
        {"*__ofidx*.*", "Microsoft Find Fast Indexer File", true},
        {"0*.nch", "Temporary Files created by MS Outlook Express", true},
        {"anti-vir.dat", "Created by F-Prot Anit-Virus", true},
        {"chklist.*", "Microsoft Junk File", true},
        {"ffastun.*", "Microsoft Find Fast Indexer File", true},
        {"file_id.diz", "Description of Shareware", true},
        {"iebak.dat", "Internet Explorer Junk File", true},
        {"modemdet.txt", "Windows diagnostic file", true},
        {"mscreate.dir", "Microsoft Temporary Installation Files", true},
        {"pspbrwse.jbf", "Paint Shop Folder Image Information Cache File", true},
        {"scandisk.log", "Scan Disk Log File", false},
        {"suhdlog.dat", "Windows diagnostic file", true},
        {"system.1st", "Windows diagnostic file", true},
        {"twain???.mtx", "TWAIN Temporary file", true},
        {"~*.*", "Temporary Files", true},
    });
    return rows;
}

const std::vector<FilterEntry>& DefaultExcludeFilters() {
    static const std::vector<FilterEntry> rows = Build({
        {"config.*", "System file", true},
        {"autoexec.*", "System file", true},
        {"data.bak", "Microsoft Office Data file", true},
        {"_Default.pif", "PIF Files", true},
        {"Calendar.tmp", "Temporary Data Files", true},
        {"Data.sav", "Data Files", true},
        {"Default.pif", "PIF Files", true},
        {"Donotdel.tmp", "Temporary Data Files", true},
        {"DonotDelete.tmp", "Temporary Data Files", true},
        {"Drelres.pif", "PIF Files", true},
        {"FTP.log", "FTP Log Files", true},
        {"Http.log", "Http Log Files", true},
        {"Index.dat", "Data Files", true},
        {"Install.log", "Install Log Files", true},
        {"MM2048.DAT", "Data Files", true},
        {"MM256.DAT", "Data Files", true},
        {"Modem.log", "Modem Log Files", true},
        {"Script.bak", "Data Files", true},
        {"System.bak", "Data Files", true},
        {"System.old", "Data Files", true},
        {"Uninstall.log", "Uninstall Log Files", true},
        {"User.old", "Data Files", true},
        {"WebPoolFileFile", "N/A", true},
        {"Win.bak", "Backup Files", true},
        {"Win.old", "Data Files", true},
        {"Wnccdctl.log", "Log Files", true},
        {"wz.pif", "PIF Files", true},
    });
    return rows;
}

const std::vector<std::string>& DefaultExcludePaths() {
    static const std::vector<std::string> rows = {
        R"(?:\Program files\common files)",
        R"(?:\program files\Uninstall Information)",
        R"(?:\win*\security)",
        R"(?:\win*\pif)",
        R"(?:\win*\resources)",
        R"(?:\win*\Sysbackup)",
        R"(?:\win*\system32\oldole)",
        R"(?:\win*\system32\olebackup)",
        R"(?:\win*\system32\usmt)",
        R"(?:\win*\temp)",
        R"(?:\recycle?)",
        R"(?:\_restore)",
        R"(?:\SYSTEM VOLUME INFORMATION)",
        R"(*\temporary internet files)",
        R"(*\sendto)",
        R"(*\i386)",
        R"(*\Resources\Themes)",
        R"(*\Application Data\microsoft)",
        R"(*\Application Data\Aim)",
        R"(*\System32\catroot2)",
        R"(*\System32\usmt)",
        R"(*\norton antivirus\quarantine)",
        R"(*\temp\incredimail)",
        R"(*\Local Settings\Temp)",
        R"(*\symantec shared\virusdefs)",
        R"(*\paprport\data)",
        R"(*\chaos32)",
        R"(*\microsoft\money\*\webcache)",
        R"(*\microsoft\office\data)",
    };
    return rows;
}

GeneralOptions DefaultGeneralOptions() {
    return {.read = true, .system = false, .hide = true, .zero = false, .recycle = true};
}
