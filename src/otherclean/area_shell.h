#pragma once
#include <functional>
#include <string>

// How the open buttons of the Other Clean page reach the shell. By default they open real shell
// windows; a test installs recorders instead, so that no Explorer window is started.
struct AreaShell {
    std::function<void(int csidl)> openSpecialFolder;
    std::function<void(const std::string& folder)> openFolder;
};
// Empty members restore the real shell.
void SetAreaShell(AreaShell shell);

// Opens a special folder (the Recycle Bin view) in a shell window, without an owner window.
void OpenAreaSpecialFolder(int csidl);
// Asks the shell to "Open" a folder path, shown normally.
void OpenAreaFolder(const std::string& folder);
