#pragma once

#include "logic/core/number_set.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QProgressBar;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class DrawListPages;
class PasteWindow;
class WinningNumberBoard;

// The main window's left column: the stored draws to look at, the board "Gewinnzahlen
// hier wählen" with the plus 5 field, and the entry of the day's draw, stored through
// logic's one store sequence. The board shows either a stored draw or what the player
// marks for entering or evaluating.
class DrawPanel : public QWidget {
    Q_OBJECT
  public:
    DrawPanel(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~DrawPanel() override;

    // Loads the draw history when its file exists; the lists follow it.
    void loadHistoryAtStart();

    // The numbers marked on the board and the text of the plus 5 field.
    const logic::NumberSet& markedNumbers() const { return marked_; }
    QString plus5Text() const;

    // Shows history position p on the board and in the plus 5 field.
    void showDraw(int p);
    // Selects a stored draw on the viewing page and shows it, as choosing it there does.
    void showViewingPosition(int p);
    // The entry page, with the keyboard on the board.
    void startEntry();
    // The entry page stands on the viewing page's draw, the last stored one after a change
    // of the history, instead of the next draw day.
    void alignEntryWithViewing();

    // Toggles number n on the board, as a click on it does.
    void toggleBoardNumber(int n);
    // Clear the board; the board and the plus 5 field; the plus 5 field.
    void clearBoard();
    void clearBoardAndPlus5();
    void clearPlus5();
    // "Speichern" of the entry page: the board's numbers as the draw of the chosen day.
    void saveEnteredDraw();
    // The paste window's transfer: the board shows exactly these numbers, on the entry page
    // at the day the pasted text names when that day can be entered.
    void takePastedDraw(const logic::NumberSet& numbers, std::optional<int> day);
    // "Wählen Sie die Ausspielung...": the draw sets into the data folder.
    void exportDrawSets();

    // "Einfügen..." leads to it; it lives as long as the panel.
    PasteWindow* pasteWindow() const { return pasteWindow_; }

  signals:
    // The date of the draw the viewing page stands on.
    void viewingDateChanged(const QString& dateText);
    // A line for the window's status bar.
    void statusMessage(const QString& text);

  private:
    QWidget* buildBoardValues();
    void fillDrawLists();
    void setMarked(const logic::NumberSet& numbers);
    void pageSwitched(int page, int previous);
    void entryChosen(int p);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    logic::NumberSet marked_;
    DrawListPages* pages_ = nullptr;
    WinningNumberBoard* board_ = nullptr;
    QWidget* clearBoardButton_ = nullptr;
    QWidget* clearPlus5Button_ = nullptr;
    QProgressBar* markedCountBar_ = nullptr;
    QLineEdit* plus5Edit_ = nullptr;
    PasteWindow* pasteWindow_ = nullptr;
};

} // namespace talvo::ui
