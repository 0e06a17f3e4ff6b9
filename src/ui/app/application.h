#pragma once

#include "logic/core/paths.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace talvo::logic {
class ProgramState;
class StatisticsSelection;
} // namespace talvo::logic

namespace talvo::ui {

class Navigator;
class StartWindow;
class MainWindow;
class UpdateWindow;
class StatisticsWindow;
class OptionsWindow;
class SlipCentreWindow;
class DrawExportWindow;
class TipCentreWindow;
class VersionCheck;
class ImportWindow;

// The program as a whole: owns the shared lists, the statistics choice the windows share,
// the paths and the long-lived windows, and runs the start-up in its fixed order.
class Application : public QObject {
    Q_OBJECT
  public:
    // downloadBase: the server folder of the draw sets; empty for the one fixed at build time.
    explicit Application(const logic::AppPaths& paths, const QString& downloadBase = {},
                         QObject* parent = nullptr);
    ~Application() override;

    // Shows the start window, creates the long-lived windows and marks the start done.
    void start();

    logic::ProgramState& state() { return *state_; }
    logic::StatisticsSelection& statisticsSelection() { return *statisticsSelection_; }
    const logic::AppPaths& paths() const { return paths_; }
    StartWindow* startWindow() const { return start_; }
    MainWindow* mainWindow() const { return main_; }
    StatisticsWindow* statisticsWindow() const { return statistics_; }
    OptionsWindow* optionsWindow() const { return options_; }
    SlipCentreWindow* slipCentre() const { return slipCentre_; }
    TipCentreWindow* tipCentre() const { return tipCentre_; }
    UpdateWindow* updateWindow() const { return updateWindow_; }
    DrawExportWindow* drawExportWindow() const { return export_; }
    VersionCheck& versionCheck() { return *versionCheck_; }
    Navigator& navigator() { return *navigator_; }

    // Test seam: runs right after each long-lived window is built, before its creation
    // step, as part of building it.
    void setWindowBuiltHook(std::function<void(QWidget*)> hook) { windowBuilt_ = std::move(hook); }

  signals:
    // The main window was closed: the program ends.
    void finished();

  private:
    void handOverToMainWindow();
    void startWindowClosed();
    void createWindows();
    // The import window, opened without asking for a file; nullptr if it could not open.
    ImportWindow* openImportWaiting();
    void built(QWidget* window);

    logic::AppPaths paths_;
    QString downloadBase_;
    std::unique_ptr<logic::ProgramState> state_;
    std::unique_ptr<logic::StatisticsSelection> statisticsSelection_;
    std::unique_ptr<Navigator> navigator_;
    std::function<void(QWidget*)> windowBuilt_;
    bool handedOver_ = false;
    // Whether the next import window asks for a file when it appears.
    bool importAsksForFile_ = true;
    StartWindow* start_ = nullptr;
    MainWindow* main_ = nullptr;
    StatisticsWindow* statistics_ = nullptr;
    OptionsWindow* options_ = nullptr;
    SlipCentreWindow* slipCentre_ = nullptr;
    TipCentreWindow* tipCentre_ = nullptr;
    UpdateWindow* updateWindow_ = nullptr;
    DrawExportWindow* export_ = nullptr;
    VersionCheck* versionCheck_ = nullptr;
};

} // namespace talvo::ui
