#pragma once

// The application-wide hourglass while long work runs inside a handler.
void SetBusyCursor(bool busy);
bool BusyCursor();
