#include "ui/statistics/boards.h"

#include "logic/statistics/frequency_classes.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

QColor color(const logic::Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

constexpr logic::Rgb kBlank{246, 246, 246};
constexpr logic::Rgb kInk{32, 32, 32};

QLabel* cellLabel(const QString& name, QWidget* parent, bool strong) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QFont f = label->font();
    f.setBold(strong);
    if (!strong)
        f.setPointSizeF(f.pointSizeF() * 0.95);
    label->setFont(f);
    paintLabel(label, kBlank, kInk);
    return label;
}

} // namespace

void paintLabel(QLabel* label, const logic::Rgb& ground, const logic::Rgb& text) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, color(ground));
    p.setColor(QPalette::WindowText, color(text));
    label->setPalette(p);
}

NumberBoard::NumberBoard(const QString& numberPrefix, const QString& valuePrefix, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    for (int n = 1; n <= 70; ++n) {
        auto* cell = new QFrame(this);
        cell->setFrameShape(QFrame::StyledPanel);
        cell->setFrameShadow(QFrame::Plain);
        cell->setMinimumSize(50, 38);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(1, 1, 1, 1);
        column->setSpacing(0);
        numbers_[n] = cellLabel(numberPrefix + QString::number(n), cell, true);
        values_[n] = cellLabel(valuePrefix + QString::number(n), cell, false);
        numbers_[n]->setText(QString::number(n));
        column->addWidget(numbers_[n]);
        column->addWidget(values_[n]);
        grid->addWidget(cell, (n - 1) / 7, (n - 1) % 7);
    }
}

void NumberBoard::setCell(int position, const QString& number, const QString& value, const logic::Rgb& ground,
                          const logic::Rgb& text) {
    if (position < 1 || position > 70)
        return;
    numbers_[position]->setText(number);
    values_[position]->setText(value);
    paintLabel(numbers_[position], ground, text);
    paintLabel(values_[position], ground, text);
}

void NumberBoard::setRemark(int position, const QString& remark) {
    if (position < 1 || position > 70)
        return;
    for (QLabel* label : {numbers_[position], values_[position]}) {
        label->setToolTip(remark);
        QFont f = label->font();
        f.setUnderline(!remark.isEmpty());
        f.setBold(!remark.isEmpty());
        label->setFont(f);
    }
}

ItemRows::ItemRows(const QString& labelPrefix, const QString& valuePrefix, const QStringList& labels,
                   QWidget* parent)
    : QWidget(parent), labels_(1, nullptr), values_(1, nullptr) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int i = 1; i <= labels.size(); ++i) {
        auto* label = new QLabel(labels[i - 1], this);
        label->setObjectName(labelPrefix + QString::number(i));
        auto* value = cellLabel(valuePrefix + QString::number(i), this, true);
        value->setMinimumSize(70, 26);
        value->setFrameShape(QFrame::StyledPanel);
        grid->addWidget(label, i - 1, 0);
        grid->addWidget(value, i - 1, 1);
        labels_.push_back(label);
        values_.push_back(value);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(static_cast<int>(labels.size()), 1);
}

void ItemRows::setValue(int item, const QString& value, const logic::Rgb& ground, const logic::Rgb& text) {
    if (item < 1 || item > items())
        return;
    values_[static_cast<std::size_t>(item)]->setText(value);
    paintLabel(values_[static_cast<std::size_t>(item)], ground, text);
}

ClassLegend::ClassLegend(const QString& rowPrefix, const QString& headingName, const QString& meanName,
                         QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    heading_ = new QLabel(this);
    heading_->setObjectName(headingName);
    heading_->setAlignment(Qt::AlignCenter);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    column->addWidget(heading_);
    for (int frequencyClass = 1; frequencyClass <= logic::kClassCount; ++frequencyClass) {
        QLabel* row = cellLabel(rowPrefix + QString::number(frequencyClass), this, false);
        row->setMinimumSize(120, 24);
        const logic::ClassColour f = logic::classColour(frequencyClass);
        paintLabel(row, f.background, f.text);
        rows_[static_cast<std::size_t>(frequencyClass - 1)] = row;
        column->addWidget(row);
    }
    auto* caption = new QLabel(QStringLiteral("Mittelwert"), this);
    caption->setAlignment(Qt::AlignCenter);
    column->addSpacing(6);
    column->addWidget(caption);
    mean_ = new QLabel(this);
    mean_->setObjectName(meanName);
    mean_->setAlignment(Qt::AlignCenter);
    mean_->setFont(bold);
    column->addWidget(mean_);
    column->addStretch(1);
}

void ClassLegend::show(const QString& heading, const std::array<QString, 7>& ranges, const QString& mean) {
    heading_->setText(heading);
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i]->setText(ranges[i]);
    mean_->setText(mean);
}

} // namespace talvo::ui
