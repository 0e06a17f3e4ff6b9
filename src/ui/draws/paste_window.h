#pragma once

#include <QWidget>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace talvo::logic {
struct NumberSet;
}

namespace talvo::ui {

// "FGewinnzahlen": the user pastes the text of a results page, filters the numbers out
// of it into 20 boxes and transfers them onto the main window's board. A transfer puts
// exactly the 20 numbers of the text on the board, or changes nothing and says why.
class PasteWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PasteWindow(QWidget* parent = nullptr);

    // "Gewinnzahlen gelten für " + the date the numbers are meant for.
    void setDateNote(const QString& date);
    // "Zahlen filtern": the numbers of the text into the boxes, a date in it left out;
    // boxes beyond the last number found are emptied.
    void filterNumbers();
    // "Übertragen": the 20 numbers of the text, or of the boxes when the player has typed
    // into them since, onto the board; nothing when they are not 20 numbers of 1..70.
    void transferNumbers();

  signals:
    // The 20 numbers to show on the board, and the day the text names, if any.
    void drawPasted(const logic::NumberSet& numbers, std::optional<int> day);

  private:
    void openLink(const QString& address);
    void fillBoxes(const QStringList& pieces);

    QPlainTextEdit* pastedTextEdit = nullptr;
    std::array<QLineEdit*, 20> numberBoxes{};
    QCheckBox* clearAfterTransferCheck = nullptr;
    QLabel* dateNoteLabel = nullptr;
    // The player typed into a box since the boxes were last filled from the text.
    bool boxesEdited_ = false;
};

} // namespace talvo::ui
