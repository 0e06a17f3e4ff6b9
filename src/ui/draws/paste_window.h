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
class TFGewinnzahlen : public QWidget {
    Q_OBJECT
  public:
    explicit TFGewinnzahlen(QWidget* parent = nullptr);

    // "Gewinnzahlen gelten für " + the date the numbers are meant for.
    void setHinweis(const QString& datum);
    // "Zahlen filtern": the first 20 digit runs of the text into the boxes.
    void BParsenClick();
    // "Übertragen": each box onto the board, stopping at the first faulty one.
    void BOkayClick();

  signals:
    // A number to toggle on the board, as a click on it does.
    void zahlUebertragen(int zahl);

  private:
    void openLink(const QString& address);

    QPlainTextEdit* M1 = nullptr;
    std::array<QLineEdit*, 20> ez{};
    QCheckBox* cbDel = nullptr;
    QLabel* LHinweis = nullptr;
};

} // namespace talvo::ui
