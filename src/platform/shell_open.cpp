#include "platform/shell_open.h"

#include <shellapi.h>

#include "platform/text.h"

namespace {
std::function<void(const ShellOpenCall&)> g_hook;
}

void SetShellOpenHook(std::function<void(const ShellOpenCall&)> hook) { g_hook = std::move(hook); }

bool ShellOpenHooked(const ShellOpenCall& call) {
    if (!g_hook) return false;
    g_hook(call);
    return true;
}

void ShellOpen(const std::string& verb, const std::string& target, int show, const std::string& parameters) {
    if (ShellOpenHooked({.verb = verb, .target = target, .show = show, .parameters = parameters})) return;
    std::wstring wverb = Widen(verb), wtarget = Widen(target), wparameters = Widen(parameters);
    ShellExecuteW(nullptr, verb.empty() ? nullptr : wverb.c_str(), wtarget.c_str(),
                  parameters.empty() ? nullptr : wparameters.c_str(), nullptr, show);
}
