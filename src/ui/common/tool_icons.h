#pragma once

#include <QIcon>

namespace talvo::ui {

// The program's own tool-bar pictures, drawn so they look alike on every desktop.
enum class ToolIcon { Quit, Statistics, Calendar, Options, SlipCentre, TipCentre, Help, Print };

QIcon toolIcon(ToolIcon which);

} // namespace talvo::ui
