#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace talvo::ui {

// The odds of a KENO type, or of all types: per number of hits the chance as "1 zu ...",
// the payout factor and its share of the expected return; per type the expected return,
// the chance of any prize and the chance of at least one prize in a chosen number of draws.
class OddsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit OddsPanel(QWidget* parent = nullptr);

    void setKenoType(int kenoType);

  private:
    void refresh();

    int kenoType_ = 2;
    QCheckBox* allTypesCheck_;
    QSpinBox* drawCountSpin_;
    QTableWidget* hitsTable_;
    QTableWidget* typesTable_;
    QLabel* plus5Label_;
};

// A chance as "1 zu 4,2"; "–" for a chance of nothing.
QString chanceText(double probability);
// What plus 5 gives back by the exact odds, beside the game's return.
QString plus5ReturnText();

} // namespace talvo::ui
