#pragma once

#include <QIcon>

namespace talvo::ui {

// The main window's own tool-bar pictures, drawn so they look alike on every desktop.
enum class ToolIcon { Beenden, Statistik, Kalender, Optionen, Spielscheincenter, Tippcenter, Hilfe };

QIcon toolIcon(ToolIcon which);

} // namespace talvo::ui
