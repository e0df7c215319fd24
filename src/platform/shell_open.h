#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Requests to the shell to open something: a file with its default program, a web address, a
// special folder. Tests record them through SetShellOpenHook instead of launching anything.
struct ShellOpenCall {
    std::string verb;  // empty: the file type's default verb
    std::string target;
    int show = SW_SHOW;
    int specialFolder = -1;             // a CSIDL when the request names a special folder instead of a target
    std::string parameters;             // handed to the program the target names
    std::vector<std::string> selected;  // with the verb "select": the names to select in the target folder
};

void ShellOpen(const std::string& verb, const std::string& target, int show,
               const std::string& parameters = "");
// Opens a folder (ending in "\") in the file manager with the named files of it selected; recorded as the
// verb "select".
void ShowInFolder(const std::string& folder, const std::vector<std::string>& names);
// The shell's properties sheet of a file; recorded as the verb "properties".
void ShowFileProperties(HWND owner, const std::string& path);

void SetShellOpenHook(std::function<void(const ShellOpenCall&)> hook);  // empty: the real shell

// For the shell requests built elsewhere (OpenSpecialFolder): true when a hook took the call.
bool ShellOpenHooked(const ShellOpenCall& call);
