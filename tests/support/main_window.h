#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/form_main.h"
#include "support/open_form.h"

// Creates the real main window for a test, shown under Xvfb, and destroys it afterwards.
class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<TFormMain> form;
};

// Runs fn from inside the modal loop (an open menu or dialog) that the next call starts.
void RunSoon(std::function<void()> fn);
void RunSoon(int milliseconds, std::function<void()> fn);
// Lets pending messages run (paints, posted clicks) for a short while.
void PumpFor(int milliseconds);
// The folder of the test executable, where the program keeps Config.ini ("C:\tests\").
std::string TestExeFolder();
bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);
