// A portable core header that brings <windows.h> in through a widget header.
#pragma once
#include "widgets/list_view.h"
