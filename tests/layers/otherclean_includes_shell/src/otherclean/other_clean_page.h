// A page header that includes a header of the shell other than the main window.
#pragma once
#include "app/window_frame.h"
