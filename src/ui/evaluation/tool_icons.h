#pragma once

#include <QIcon>

namespace talvo::ui {

// The program's own tool-bar pictures, drawn so they look alike on every desktop.
enum class ToolIcon { Beenden, Statistik, Kalender, Optionen, Spielscheincenter, Tippcenter, Hilfe, Drucken };

QIcon toolIcon(ToolIcon which);

} // namespace talvo::ui
