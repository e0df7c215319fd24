// An OS wrapper that depends on a widget.
#include "widgets/keyboard.h"
