#include "ui/common/clock.h"

namespace talvo::ui {

namespace {
std::function<QDateTime()>& pinned() {
    static std::function<QDateTime()> c;
    return c;
}
} // namespace

QDateTime currentDateTime() {
    return pinned() ? pinned()() : QDateTime::currentDateTime();
}

void setClockForTests(std::function<QDateTime()> clock) {
    pinned() = std::move(clock);
}

} // namespace talvo::ui
