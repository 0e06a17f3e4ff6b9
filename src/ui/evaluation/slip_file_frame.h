#pragma once

#include "logic/evaluation/evaluation.h"

#include <QWidget>
#include <span>

class QTableView;
class QToolButton;

namespace talvo::ui {

class ResultTabs;

// The view of one play-slip file loaded for evaluation ("Ausw" + n): the listing of its
// slips on top, its result tabs below. It covers the slips first..last of evaluationSlips.
class SlipFileFrame : public QWidget {
    Q_OBJECT
  public:
    SlipFileFrame(int n, int first, int last, std::span<const logic::SlipRecord> slips,
                  QWidget* parent = nullptr);

    int first() const { return first_; }
    int last() const { return last_; }
    // The result tabs of an evaluation, numbered on by the program-wide counter.
    void addResults(logic::ResultTables tables, int& counter);
    ResultTabs* results() const { return results_; }
    QTableView* listing() const { return listing_; }

  signals:
    // The user brought the result table of this stored draw to the front.
    void drawChosen(int position);

  private:
    int first_;
    int last_;
    QTableView* listing_ = nullptr;
    ResultTabs* results_ = nullptr;
};

} // namespace talvo::ui
