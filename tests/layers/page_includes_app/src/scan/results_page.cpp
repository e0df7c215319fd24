// A page that reaches into the shell.
#include "app/form_main.h"
