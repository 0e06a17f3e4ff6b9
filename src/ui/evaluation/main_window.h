#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

// Destinations the main window's menus and tool bar lead to. Each stays disabled until
// the window behind it exists and the program hands over its route.
enum class Route {
    Startfenster,
    Statistik,
    Kalender,
    Optionen,
    Aktualisierung,
    Spielscheincenter,
    Tippcenter,
    Hilfe,
    HilfeSuchen,
    Updatepruefung,
    Info,
};

// The central window "TALVO - Zentrale"; closing it ends the program.
class TFAuswertung : public QMainWindow {
    Q_OBJECT
public:
    TFAuswertung(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);

    // The creation step run during start-up: loads the draw history when its file exists.
    void FormCreate();
    void setRoute(Route route, std::function<void()> handler);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QAction* routeAction(Route route, const QString& text, const QString& objectName);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QMultiHash<Route, QAction*> routeActions_;
    QHash<Route, std::function<void()>> routeHandlers_;
};

} // namespace talvo::ui
