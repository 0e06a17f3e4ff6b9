#pragma once

#include "logic/core/paths.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace talvo::logic {
class ProgramState;
}

namespace talvo::ui {

class Navigator;
class TFStart;
class TFAuswertung;
class TFAktuell1;
class TFStatistik1;
class TFOptionen;
class TFEingabe2;
class TFExport1;
class TFTipp1;
class VersionPruefung;

// The program as a whole: owns the shared lists, the paths and the long-lived windows,
// and runs the start-up in its fixed order.
class Application : public QObject {
    Q_OBJECT
public:
    // downloadBase: the server folder of the draw sets; empty for the one fixed at build time.
    explicit Application(const logic::AppPaths& paths, const QString& downloadBase = {}, QObject* parent = nullptr);
    ~Application() override;

    // Shows the start window, creates the long-lived windows and marks the start done.
    void start();

    logic::ProgramState& state() { return *state_; }
    const logic::AppPaths& paths() const { return paths_; }
    TFStart* startWindow() const { return start_; }
    TFAuswertung* mainWindow() const { return main_; }
    TFStatistik1* statisticsWindow() const { return statistik_; }
    TFOptionen* optionsWindow() const { return optionen_; }
    TFEingabe2* slipCentre() const { return eingabe_; }
    TFTipp1* tipCentre() const { return tipp_; }
    TFAktuell1* updateWindow() const { return aktuell_; }
    TFExport1* drawExportWindow() const { return export_; }
    VersionPruefung& versionCheck() { return *versionPruefung_; }
    Navigator& navigator() { return *navigator_; }

    // Test seam: runs right after each long-lived window is built, before its creation
    // step, as part of building it.
    void setWindowBuiltHook(std::function<void(QWidget*)> hook) { windowBuilt_ = std::move(hook); }

signals:
    // The main window was closed: the program ends.
    void finished();

private:
    void weiter();
    void startWindowClosed();
    // After an update, an import or an undo replaced the draw history.
    void followNewHistory();
    void createWindows();
    void built(QWidget* window);

    logic::AppPaths paths_;
    QString downloadBase_;
    std::unique_ptr<logic::ProgramState> state_;
    std::unique_ptr<Navigator> navigator_;
    std::function<void(QWidget*)> windowBuilt_;
    bool handedOver_ = false;
    TFStart* start_ = nullptr;
    TFAuswertung* main_ = nullptr;
    TFStatistik1* statistik_ = nullptr;
    TFOptionen* optionen_ = nullptr;
    TFEingabe2* eingabe_ = nullptr;
    TFTipp1* tipp_ = nullptr;
    TFAktuell1* aktuell_ = nullptr;
    TFExport1* export_ = nullptr;
    VersionPruefung* versionPruefung_ = nullptr;
};

} // namespace talvo::ui
