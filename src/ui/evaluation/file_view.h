#pragma once

#include "logic/evaluation/auswertung.h"

#include <QWidget>
#include <span>

class QTableView;
class QToolButton;

namespace talvo::ui {

class ResultTabs;

// The view of one play-slip file loaded for evaluation ("Ausw" + n): the listing of its
// slips on top, its result tabs below. It covers the slips first..last of AuswertScheine.
class TFrameAuswertung : public QWidget {
    Q_OBJECT
  public:
    TFrameAuswertung(int n, int first, int last, std::span<const logic::TGetippt> slips,
                     QWidget* parent = nullptr);

    int first() const { return first_; }
    int last() const { return last_; }
    // The result tabs of an evaluation, numbered on by the program-wide counter.
    void addResults(logic::Ergebnisse tables, int& counter);
    ResultTabs* results() const { return PCG2; }
    QTableView* listing() const { return g1; }

  signals:
    // The user brought the result table of this stored draw to the front.
    void drawChosen(int position);

  private:
    int first_;
    int last_;
    QTableView* g1 = nullptr;
    ResultTabs* PCG2 = nullptr;
};

} // namespace talvo::ui
