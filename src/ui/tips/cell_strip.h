#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

namespace talvo::ui {

// A line of small number cells, each on its own ground, wrapping onto further lines when
// the width runs out. Painted as one widget: a class row may hold dozens of numbers.
class CellStrip : public QWidget {
    Q_OBJECT
  public:
    struct Cell {
        QString text;
        QColor ground;
        QColor ink;
    };

    CellStrip(QSize cellSize, bool bold, QWidget* parent = nullptr);

    void setCells(std::vector<Cell> cells);
    const std::vector<Cell>& cells() const { return cells_; }
    // The cell texts joined by blanks, as a test or a tool tip reads the strip.
    QString text() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int perLine(int width) const;
    int cellWidth() const;
    QFont cellFont() const;
    QSize cellSize_;
    bool bold_;
    std::vector<Cell> cells_;
};

} // namespace talvo::ui
