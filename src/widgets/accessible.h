#pragma once
#include <windows.h>

class Widget;

// Answers WM_GETOBJECT for the client area of a widget's window: an accessible object that asks the
// widget for its role, name, description, state and rows, and the platform's standard object for
// everything else (position, parent, navigation).
LRESULT AnswerAccessibleObject(Widget& widget, WPARAM wp);
