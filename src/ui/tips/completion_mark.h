#pragma once

class QPixmap;

namespace talvo::ui {

// The mark beside a game whose candidates were completed with random numbers, and in
// the legend that explains it.
QPixmap completionMark(int size);

} // namespace talvo::ui
