#pragma once

#include "logic/evaluation/auswertung.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class DateField;
class HelpPanel;
class TFGewinnzahlen;
class TFrameAuswertung;
class ZahlenBrett;

// The central window "TALVO - Zentrale"; closing it ends the program. On the left the
// board with the draw lists, on the right the play-slip files loaded for evaluation.
class TFAuswertung : public QMainWindow {
    Q_OBJECT
  public:
    TFAuswertung(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~TFAuswertung() override;

    // The creation step run during start-up: loads the draw history when its file exists.
    void FormCreate();

    // Rebuilds the draw lists of both pages from the history and shows the newest draw.
    void ZiehungslistenFuellen();
    // Shows history position p on the board and in the plus 5 field.
    void ZiehungZeigen(int p);
    // After an update merge the entry page stands on the viewing page's draw, the last
    // stored one, instead of the proposed next date.
    void EintragWieAnzeige();
    // Loads a play-slip file for evaluation into a file tab of its own.
    void AuswertungLaden(const QString& path);

    // The evaluation buttons and the file-tab buttons.
    void BaktuellClick();
    void LaufzeitClick();
    void ZeitraumClick();
    void DemoClick();
    void OeffnenClick();
    void closeFileTab();
    void closeAllFileTabs();
    // The draw-set export behind the caption "Wählen Sie die Ausspielung...".
    void ZiehungssaetzeExportieren();

    // Toggles number n on the board, as a click on it does.
    void GZKlick(int n);
    // Clear the board; the board and the plus 5 field; the plus 5 field.
    void BDelClick();
    void BDelallClick();
    void BDel2Click();
    // "Speichern" of the entry page: the board's numbers as the draw of the chosen date.
    void BSpeichern1Click();
    // "copy paste": the paste window, created on first use.
    void copyPasteClick();
    TFGewinnzahlen* pasteWindow() const { return pasteWindow_; }

    int fileTabCount() const;
    TFrameAuswertung* fileView(int index) const;
    TFrameAuswertung* activeFileView() const;

    // Asked before the window closes and the program ends; false keeps it open.
    void setCloseCheck(std::function<bool()> check) { closeCheck_ = std::move(check); }

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildLeftColumn();
    QWidget* buildDrawPages();
    QWidget* buildEvaluationArea();

    // Selects position p in both lists of the viewing page; `show` puts the draw on the board.
    void selectViewingPosition(int p, bool show);
    // Selects position p in both lists of the entry page and shows it on the board.
    void selectEntryPosition(int p);
    void pageChanged(int page);
    void dateVChanged();
    void dateBChanged();
    void presetDateRange();
    void showResults(logic::Ergebnisse& tables);
    std::span<const logic::TGetippt> activeSlips() const;
    bool needsFileTab();

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;

    // Running numbers of file tabs and result tabs; never reused.
    int nextFileTab_ = 1;
    int nextResultTab_ = 1;

    QTabWidget* PC0 = nullptr;
    QComboBox* comboNr = nullptr;
    QComboBox* comboDatum = nullptr;
    QPushButton* BGo = nullptr;
    QComboBox* comboNr2 = nullptr;
    QComboBox* combo2 = nullptr;
    QCheckBox* cbDel = nullptr;
    QWidget* BDel = nullptr;
    QWidget* BDel2 = nullptr;
    TFGewinnzahlen* pasteWindow_ = nullptr;
    int shownPage_ = 0;
    ZahlenBrett* board_ = nullptr;
    QProgressBar* gauge1 = nullptr;
    QLineEdit* E77 = nullptr;
    QPushButton* Baktuell = nullptr;
    DateField* DateErste = nullptr; // the date of the first draw, while none is stored
    DateField* DateV = nullptr;
    DateField* DateB = nullptr;
    QStackedWidget* area_ = nullptr;
    QTabWidget* PC2 = nullptr;
    HelpPanel* p100 = nullptr;
    std::function<bool()> closeCheck_;
};

} // namespace talvo::ui
