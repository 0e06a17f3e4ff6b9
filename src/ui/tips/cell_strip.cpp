#include "ui/tips/cell_strip.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace talvo::ui {

namespace {
constexpr int kGap = 2;
}

CellStrip::CellStrip(QSize cellSize, bool bold, QWidget* parent)
    : QWidget(parent), cellSize_(cellSize), bold_(bold) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void CellStrip::setCells(std::vector<Cell> cells) {
    cells_ = std::move(cells);
    updateGeometry();
    update();
}

QString CellStrip::text() const {
    QStringList texts;
    for (const Cell& c : cells_)
        texts << c.text;
    return texts.join(QLatin1Char(' '));
}

int CellStrip::perLine(int width) const {
    return std::max(1, (width + kGap) / (cellWidth() + kGap));
}

int CellStrip::cellWidth() const {
    // A cell as wide as its text needs, never narrower than the set size: "Keine" is one.
    int w = cellSize_.width();
    const QFontMetrics fm(cellFont());
    for (const Cell& c : cells_)
        w = std::max(w, fm.horizontalAdvance(c.text) + 6);
    return w;
}

QFont CellStrip::cellFont() const {
    QFont f = font();
    f.setBold(bold_);
    f.setPixelSize(cellSize_.height() - 6);
    return f;
}

int CellStrip::heightForWidth(int width) const {
    const int count = std::max<int>(1, static_cast<int>(cells_.size()));
    const int lines = (count + perLine(width) - 1) / perLine(width);
    return lines * cellSize_.height() + (lines - 1) * kGap;
}

QSize CellStrip::sizeHint() const {
    const int count = std::max<int>(1, static_cast<int>(cells_.size()));
    return {count * (cellWidth() + kGap) - kGap, cellSize_.height()};
}

QSize CellStrip::minimumSizeHint() const {
    return {cellWidth(), cellSize_.height()};
}

void CellStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(cellFont());
    const int w = cellWidth();
    const int n = perLine(width());
    for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
        const Cell& c = cells_[static_cast<std::size_t>(i)];
        const QRect r((i % n) * (w + kGap), (i / n) * (cellSize_.height() + kGap), w, cellSize_.height());
        p.fillRect(r, c.ground);
        p.setPen(c.ground.darker(130));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(c.ink);
        p.drawText(r, Qt::AlignCenter, c.text);
    }
}

} // namespace talvo::ui
