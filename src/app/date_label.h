#pragma once
#include "widgets/label.h"

// Writes today's date line ("Friday, Dec 24, 2004") into the label; called once at start-up.
void SetDateLabel(Label& label);
