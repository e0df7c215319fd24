#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// Modal prompts go through here, so that a test can answer them instead of a user.
struct MessageBoxCall {
    HWND owner;
    std::string text, caption;
    UINT flags;
};

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);
// The shell's folder picker; nothing when cancelled or when the choice is no file-system folder.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);
// The system's Save As dialog for one kind of file, offering a name in the user's documents; the chosen
// path, or nothing when cancelled. An existing file is replaced only after the dialog's own question.
struct SaveFileRequest {
    std::string suggestedName;      // "Kestrune scan 2026-12-09.csv"
    std::string typeName, pattern;  // "CSV (*.csv)", "*.csv"
    std::string extension;          // added when the user types a name without one: "csv"
};
std::optional<std::string> SaveFileAs(HWND owner, const SaveFileRequest& request);

struct DialogScript {
    std::function<int(const MessageBoxCall&)> messageBox;
    std::function<std::optional<std::string>(const std::string& title)> browseForFolder;
    std::function<std::optional<std::string>(const SaveFileRequest&)> saveFileAs;
};
// Replaces the real prompts until reset with an empty script.
void SetDialogScript(DialogScript script);
