#pragma once

class QIcon;
class QImage;

namespace talvo::ui {

// The program's icon, drawn for the asked size so that small sizes stay sharp. The
// desktop's icon theme gets the same pictures (talvo-icons writes them when building).
QImage programIconImage(int size);
QIcon programIcon();

// The sizes the desktop's icon theme gets.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace talvo::ui
