#include "app/date_label.h"

#include "app/core/date_line.h"

void SetDateLabel(Label& label) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    label.SetText(DateLineText(now.wYear, now.wMonth, now.wDay, now.wDayOfWeek));
}
