#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace talvo::ui {

// "FGewinnzahlen": the user pastes the text of a results page, filters the numbers out
// of it into 20 boxes and transfers them onto the main window's board.
class PasteWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PasteWindow(QWidget* parent = nullptr);

    // "Gewinnzahlen gelten für " + the date the numbers are meant for.
    void setDateNote(const QString& date);
    // "Zahlen filtern": the first 20 digit runs of the text into the boxes.
    void filterNumbers();
    // "Übertragen": each box onto the board, stopping at the first faulty one.
    void transferNumbers();

  signals:
    // A number to toggle on the board, as a click on it does.
    void numberTransferred(int number);

  private:
    void openLink(const QString& address);

    QPlainTextEdit* pastedTextEdit = nullptr;
    std::array<QLineEdit*, 20> numberBoxes{};
    QCheckBox* clearAfterTransferCheck = nullptr;
    QLabel* dateNoteLabel = nullptr;
};

} // namespace talvo::ui
