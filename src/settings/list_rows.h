#pragma once
#include <string>

#include "widgets/list_view.h"

// The only ways rows enter the Options lists. A filter row: empty tick cell, mask, type (derived from
// the mask), description, with a ticked or unticked box. A path row: the pattern with a folder mark.
void AddFilterRow(ListView& list, const std::string& mask, const std::string& description, bool ticked);
void AddPathRow(ListView& list, const std::string& path);
