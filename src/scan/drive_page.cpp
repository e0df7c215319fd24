#include "app/form_main.h"
#include "scan/drive_list.h"

void FillDriveList(ListView&) {}

void TFormMain::CreateDriveCleanPage() {}
