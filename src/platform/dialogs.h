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

struct DialogScript {
    std::function<int(const MessageBoxCall&)> messageBox;
    std::function<std::optional<std::string>(const std::string& title)> browseForFolder;
};
// Replaces the real prompts until reset with an empty script.
void SetDialogScript(DialogScript script);
