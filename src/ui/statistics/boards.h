#pragma once

#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace talvo::logic {
struct Rgb;
}

namespace talvo::ui {

// 70 cells in 10 rows of 7, each a number and below it a value on a coloured ground. Cell
// n is named prefix + n and valuePrefix + n.
class NumberBoard : public QWidget {
    Q_OBJECT
  public:
    NumberBoard(const QString& numberPrefix, const QString& valuePrefix, QWidget* parent = nullptr);

    // Position 1..70, counted row by row. An empty number leaves the cell blank.
    void setCell(int position, const QString& number, const QString& value, const logic::Rgb& ground,
                 const logic::Rgb& text);
    // Marks a cell as standing out, with the reason as its tip; an empty remark unmarks it.
    void setRemark(int position, const QString& remark);

  private:
    std::array<QLabel*, 71> numbers_{};
    std::array<QLabel*, 71> values_{};
};

// Rows of a label and a coloured value: the final digits and the tens.
class ItemRows : public QWidget {
    Q_OBJECT
  public:
    ItemRows(const QString& labelPrefix, const QString& valuePrefix, const QStringList& labels,
             QWidget* parent = nullptr);

    void setValue(int item, const QString& value, const logic::Rgb& ground, const logic::Rgb& text);
    int items() const { return static_cast<int>(labels_.size()) - 1; }

  private:
    std::vector<QLabel*> labels_; // index 1..items
    std::vector<QLabel*> values_;
};

// The class legend: "M Zahlen", the seven range texts on their class colours, the mean.
class ClassLegend : public QWidget {
    Q_OBJECT
  public:
    // The rows are named rowPrefix + class, heading and mean by the given names.
    ClassLegend(const QString& rowPrefix, const QString& headingName, const QString& meanName,
                QWidget* parent = nullptr);

    void show(const QString& heading, const std::array<QString, 7>& ranges, const QString& mean);

  private:
    QLabel* heading_;
    std::array<QLabel*, 7> rows_{};
    QLabel* mean_;
};

void paintLabel(QLabel* label, const logic::Rgb& ground, const logic::Rgb& text);

} // namespace talvo::ui
