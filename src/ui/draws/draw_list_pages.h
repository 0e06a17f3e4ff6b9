#pragma once

#include "logic/core/history_file.h"

#include <QTabWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace talvo::ui {

class DateField;

// "PC0", the two pages above the board. "bisherige" picks a stored draw to look at;
// "neu/ändern..." picks the day a draw is entered for: every stored day and the next draw
// day, or, while nothing is stored, any day since the first draw. The lists follow the
// history; what the board shows is the panel's business, told through the signals.
class DrawListPages : public QTabWidget {
    Q_OBJECT
  public:
    explicit DrawListPages(QWidget* parent = nullptr);

    // Rebuilds both pages' lists: the viewing page stands on the newest draw, the entry page
    // on the next draw day.
    void fill(const logic::DrawHistory& history, int nextDay);

    bool onEntryPage() const { return currentIndex() == 1; }
    void showEntryPage() { setCurrentIndex(1); }

    int viewingPosition() const;
    // Selects position p on the viewing page without telling the board.
    void selectViewingPosition(int p);
    QString viewingDateText() const;

    int entryPosition() const;
    // Selects position p on the entry page without telling the board.
    void selectEntryPosition(int p);
    // Selects the entry of that day; false when the list has none.
    bool selectEntryDay(int day);
    // The day the entry page stands on; a date typed into the first-draw field counts.
    std::optional<int> entryDay();
    QString entryDateText() const;
    // Whether the entry page stands on a stored draw rather than on the next draw day.
    bool entryOnStoredDraw() const;

    bool clearAfterSave() const;

  signals:
    // The user chose a stored draw on the viewing page.
    void viewingDrawChosen(int position);
    // The viewing page's date changed, by the user or by a refill.
    void viewingDateChanged(const QString& dateText);
    // The user chose an entry on the entry page.
    void entryChosen(int position);
    // The day the entry page stands on has another text now.
    void entryDateChanged(const QString& dateText);
    void saveRequested();
    // The page shown changed from `previous` to `page`.
    void pageSwitched(int page, int previous);

  private:
    QWidget* buildViewingPage();
    QWidget* buildEntryPage();

    QComboBox* drawNumberCombo_ = nullptr;
    QComboBox* drawDateCombo_ = nullptr;
    QComboBox* entryNumberCombo_ = nullptr;
    QComboBox* entryDateCombo_ = nullptr;
    DateField* firstDrawDateEdit_ = nullptr; // the date of the first draw, while none is stored
    QCheckBox* clearAfterSaveCheck_ = nullptr;
    std::vector<int> entryDays_;
    int storedCount_ = 0;
    int shownPage_ = 0;
};

} // namespace talvo::ui
