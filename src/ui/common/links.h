#pragma once

class QString;
class QWidget;

namespace talvo::ui {

// The KENO page behind the picture links of the main window.
inline constexpr char kKenoWebPage[] = "https://www.lotto.de/keno";

// Opens a web address in the user's browser. Without an internet connection it shows
// `offlineText` instead; when the desktop has no program for the address it says so.
void openWebLink(QWidget* parent, const QString& address, const QString& offlineText);
// Opens a mailto link in the user's mail program; says so when there is none.
void openMailLink(QWidget* parent, const QString& mailto);

} // namespace talvo::ui
