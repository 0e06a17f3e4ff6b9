#pragma once

// How the windows reach each other and the help.
//
// Every menu entry, tool button, help button, picture link and F1 of the program goes
// through the one Navigator the Application owns. A window only marks its controls; the
// navigator connects them and keeps each one disabled until its target exists.
//
// Adding a window:
//   1. In its constructor, name its help topic and mark the controls that lead away
//      (QAction, QAbstractButton, or a QLabel with a link):
//          setHelpContext(this, 100);          // F1 anywhere in the window
//          helpFor(BHilfe, 100);               // a help button or menu entry
//          routeTo(BOptionen, Route::Options); // an entry that opens another window
//   2. If other windows lead to it, it needs a Route value below (most are waiting already).
//   3. In Application::createWindows(), hand it to the navigator:
//          navigator_->addWindow(Route::TipCentre, tipCentre_);   // long-lived: hidden when closed
//          navigator_->addWindowOnDemand(Route::Calendar, [] { return new CalendarWindow; });
//                                                              // created on request, deleted on close
//          navigator_->addAction(Route::UpdateCheck, [this] { ... }); // an action, no window
//      Both add... calls also connect the marks of that window. A window created elsewhere
//      is connected with navigator.adopt(window); F1 needs nothing more than its help context.
//
// Adding a help topic: docs/help/ holds one HTML page per context number; list the page in
// docs/help/talvo.qhp with a keyword whose id is "kontext-" + the number.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;

namespace talvo::ui {

class HelpWindow;

// Where menu entries and buttons lead. A target exists once the program has added it.
enum class Route {
    StartWindow,
    Statistics,
    Calendar,
    Options,
    DrawUpdate,
    SlipCentre,
    TipCentre,
    DrawExport, // "Excel-Export..."
    UpdateCheck,
    Info,
    WebSite,         // the KENO web page behind the picture links
    ArchiveImport,   // "Ziehungen importieren..."
    ArchiveDownload, // "Archiv aus dem Internet laden...": the import, starting at its address
    ArchiveExport,   // "Ziehungen als CSV exportieren..."
    UndoDrawChange,  // "Letzte Änderung der Ziehungen rückgängig machen"
    StrategyTest,
    PasteNumbers, // "Einfügen...": winning numbers from a web page's text
    NewVersion,   // the window of the version an update check found
};

// Marks `control` (QAction, QAbstractButton or QLabel link) as leading to `route`. Disabled
// until a navigator has taken the window and the route exists.
void routeTo(QObject* control, Route route);
// Marks `control` as opening the help topic `context`.
void helpFor(QObject* control, int context);
// Marks `control` as opening the help's keyword index.
void helpIndexFor(QObject* control);
// F1 in `widget` or below it opens help topic `context`; the innermost widget with a
// context wins.
void setHelpContext(QWidget* widget, int context);
int helpContext(const QWidget* widget);

class Navigator : public QObject {
    Q_OBJECT
  public:
    explicit Navigator(QObject* parent = nullptr);
    ~Navigator() override;

    // Tool windows appear centred over this window the first time they are shown.
    void setMainWindow(QWidget* window) { main_ = window; }

    // A window that lives until the program ends; the route shows it and brings it up.
    void addWindow(Route route, QWidget* window);
    // A window created on the first request and destroyed when closed; a repeated request
    // brings the one open window to the front.
    void addWindowOnDemand(Route route, std::function<QWidget*()> create);
    // A route that runs an action instead of showing a window.
    void addAction(Route route, std::function<void()> action);
    bool has(Route route) const;
    // The open window of a route; nullptr when there is none.
    QWidget* window(Route route) const;

    // Connects the marked controls of `window` and its children.
    void adopt(QWidget* window);

    // The help: the compiled help file and the user's own collection the help engine keeps
    // its search index beside. Help entries stay disabled until the program names them.
    void setHelpFiles(const QString& helpFile, const QString& collectionFile);
    bool hasHelp() const { return !helpFile_.isEmpty(); }
    // The help window once a help entry has opened it.
    HelpWindow* helpWindow() const { return help_.get(); }

    void go(Route route);
    void showHelp(int context);
    void showHelpIndex();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Target {
        std::function<void()> open;
        std::function<QWidget*()> current;
    };
    void addTarget(Route route, Target target);
    void bind(QObject* control);
    void refresh();
    void present(QWidget* window);
    void ownByMainWindow(QWidget* window);
    HelpWindow& openHelpWindow();

    QPointer<QWidget> main_;
    QHash<Route, Target> targets_;
    QList<QPointer<QObject>> controls_;
    // The open windows of addWindowOnDemand; they have no parent and go with the program.
    QList<std::shared_ptr<QPointer<QWidget>>> onDemand_;
    QString helpFile_;
    QString collectionFile_;
    std::unique_ptr<HelpWindow> help_;
};

} // namespace talvo::ui
