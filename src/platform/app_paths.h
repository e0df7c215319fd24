#pragma once
#include <string>

// The folder of the running executable, with its trailing "\": Config.ini and the leftover files live there.
std::string ExeFolder();
