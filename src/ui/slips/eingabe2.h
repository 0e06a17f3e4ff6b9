#pragma once

#include "logic/core/dates.h"

#include <QWidget>
#include <memory>

class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace talvo::logic {
class ProgramState;
class Scheincenter;
class SlipEditor;
struct AppPaths;
struct TGetippt;
} // namespace talvo::logic

namespace talvo::ui {

class TFrSschein;

// "Spielscheincenter": one tab per open slip, the table of transferred slips below,
// and the play-slip files they are opened from and saved to.
class TFEingabe2 : public QWidget {
    Q_OBJECT
  public:
    TFEingabe2(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~TFEingabe2() override;

    // A new slip on a new tab, which becomes the active one. felder below 4 gives 5.
    TFrSschein* ScheinAnlegen(int felder, const QString& name);
    // A new slip built from a stored record; also used by the tip centre.
    TFrSschein* ScheinLaden(const logic::TGetippt& record);

    // The toolbar actions.
    void Neu();
    void Oeffnen();
    void Speichern();
    // Closes the active slip ("Bgruenx", or "Schließen" on the tab strip).
    void ScheinSchliessen();

    // Whether a slip has been transferred since the slip table was last saved.
    bool hatUngespeicherteScheine() const { return ungespeichert_; }

    const logic::Scheincenter& centre() const { return *centre_; }
    TFrSschein* aktiverSchein();
    // The editor on tab `index`, built when it is first asked for; nullptr without that tab.
    TFrSschein* schein(int index);

    QSize sizeHint() const override { return {800, 600}; }

  private:
    QWidget* buildHints();
    // A tab for the slip; its editor is built only once the tab is shown or asked for.
    int addSlipTab(logic::SlipEditor& editor, bool makeCurrent);
    logic::DaySerial heute() const;
    void BGoClick(int nummer);
    void TabelleZeigen();
    void fitTableFont();

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    std::unique_ptr<logic::Scheincenter> centre_;
    QStackedWidget* stack_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* GS = nullptr;
    bool ungespeichert_ = false;
};

} // namespace talvo::ui
