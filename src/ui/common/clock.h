#pragma once

#include <QDateTime>
#include <functional>

namespace talvo::ui {

// The windows' "now"; tests pin it.
QDateTime currentDateTime();
void setClockForTests(std::function<QDateTime()> clock);

} // namespace talvo::ui
