#pragma once

#include "logic/evaluation/evaluation.h"

#include <QWidget>
#include <deque>

class QTableView;

namespace talvo::ui {

class ResultModel;
class ResultTabStrip;

// The result tabs of a file ("PCG2"): a tab bar over one shared grid "g2". A tab is only
// a caption and its table, so a continuous-play slip with thousands of draws opens its
// tabs at once and switching between them only points the grid at another table.
class ResultTabs : public QWidget {
    Q_OBJECT
  public:
    explicit ResultTabs(QWidget* parent = nullptr);
    ~ResultTabs() override;

    // One tab per table, named "TabG" + tag with tag counted on from `counter`; the last one
    // is shown.
    void addTables(logic::ResultTables tables, int& counter);
    void closeCurrent();
    void closeAll();

    int count() const { return static_cast<int>(tabs_.size()); }
    int currentIndex() const;
    QString tabName(int index) const;
    int tabTag(int index) const;
    const logic::ResultTable& table(int index) const;
    ResultTabStrip* tabBar() const { return bar_; }
    QTableView* grid() const { return grid_; }

  signals:
    // The user brought the table of a stored draw to the front.
    void drawChosen(int position);

  private:
    struct Tab {
        int tag;
        logic::ResultTable table;
    };
    void showTable(int index);

    std::deque<Tab> tabs_;
    ResultTabStrip* bar_ = nullptr;
    QTableView* grid_ = nullptr;
    ResultModel* model_ = nullptr;
};

} // namespace talvo::ui
