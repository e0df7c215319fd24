#include "app/form_main.h"

void TFormMain::CreateResultsPage() {}
