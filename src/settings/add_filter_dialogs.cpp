#include "settings/add_filter_dialogs.h"

void CreateAddFilterDialogs() {}
