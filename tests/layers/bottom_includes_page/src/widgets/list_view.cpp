// A widget that depends on a page.
#include "scan/results_page.h"
