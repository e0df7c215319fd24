#pragma once
#include <vector>

#include "platform/shell_open.h"
#include "support/main_window.h"

// The main window with every ShellOpen call recorded instead of made.
class ShellRecordingTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetShellOpenHook([this](const ShellOpenCall& c) { calls.push_back(c); });
    }
    void TearDown() override {
        SetShellOpenHook({});
        MainWindowTest::TearDown();
    }
    std::vector<ShellOpenCall> calls;
};
