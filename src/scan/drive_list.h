#pragma once
#include "widgets/list_view.h"

// Lists the fixed and removable drives C: to Z:, each ticked, with capacity and free space.
void FillDriveList(ListView& list);
