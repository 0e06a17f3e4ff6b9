#include "ui/draws/winning_number_board.h"

#include "logic/core/number_set.h"
#include "ui/common/board_keys.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

namespace talvo::ui {

namespace {

// A board number: checkable only to carry the marked look; the click does not toggle it.
class BoardButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void nextCheckState() override {}
};

const char kBoardStyle[] = R"(
QPushButton {
    font-weight: bold;
    color: #23395d;
    background: #ffffff;
    border: 1px solid #b7c0cc;
    border-radius: 3px;
    padding: 0;
}
QPushButton:hover { border-color: #2f6db5; background: #f1f6fd; }
QPushButton:pressed { background: #dfe9f7; }
QPushButton:checked { color: #ffffff; background: #c62828; border-color: #8e1b1b; }
QPushButton:checked:hover { background: #d84343; }
QPushButton[current="true"] { border: 2px solid #2f6db5; }
)";

} // namespace

WinningNumberBoard::WinningNumberBoard(QWidget* parent)
    : QGroupBox(QStringLiteral("Gewinnzahlen hier wählen"), parent) {
    setObjectName(QStringLiteral("GroupBox1"));
    setFocusPolicy(Qt::StrongFocus);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    grid->setContentsMargins(8, 10, 8, 8);
    auto* buttons = new QWidget(this);
    buttons->setStyleSheet(QString::fromLatin1(kBoardStyle));
    auto* inner = new QGridLayout(buttons);
    inner->setSpacing(3);
    inner->setContentsMargins(0, 0, 0, 0);
    for (int i = 1; i <= kBoardNumbers / kBoardColumns; ++i) {
        for (int j = 1; j <= kBoardColumns; ++j) {
            const int number = kBoardColumns * (i - 1) + j;
            auto* b = new BoardButton(QString::number(number), buttons);
            b->setObjectName(QStringLiteral("lot%1").arg(number));
            b->setProperty("tag", number);
            b->setCheckable(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setMinimumSize(26, 20);
            b->setMaximumHeight(30); // a taller window leaves the board in shape
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            connect(b, &QPushButton::clicked, this, [this, number] {
                setCurrent(number);
                emit numberClicked(number);
            });
            inner->addWidget(b, i - 1, j - 1);
            buttons_[static_cast<std::size_t>(number - 1)] = b;
        }
    }
    grid->addWidget(buttons, 0, 0);
}

void WinningNumberBoard::showNumbers(const logic::NumberSet& numbers) {
    for (int n = 1; n <= 70; ++n)
        setMarked(n, numbers.contains(n));
}

void WinningNumberBoard::setMarked(int number, bool marked) {
    if (QPushButton* b = button(number))
        b->setChecked(marked);
}

bool WinningNumberBoard::isMarked(int number) const {
    const QPushButton* b = button(number);
    return b && b->isChecked();
}

void WinningNumberBoard::setCornerButton(QWidget* button) {
    corner_ = button;
    corner_->setParent(this);
    corner_->setFixedSize(18, 18);
    corner_->move(width() - corner_->width() - 4, 0);
}

void WinningNumberBoard::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    if (corner_)
        corner_->move(width() - corner_->width() - 4, 0);
}

bool WinningNumberBoard::event(QEvent* event) {
    // A group box takes Space for its check box, which the board has none of.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QGroupBox::event(event);
}

void WinningNumberBoard::keyPressEvent(QKeyEvent* event) {
    if (const auto target = arrowTarget(current_, event->key())) {
        setCurrent(*target);
    } else if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            emit numberClicked(current_);
    } else {
        QGroupBox::keyPressEvent(event);
        return;
    }
    event->accept();
}

void WinningNumberBoard::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    showCurrent(true);
}

void WinningNumberBoard::focusOutEvent(QFocusEvent* event) {
    QGroupBox::focusOutEvent(event);
    showCurrent(false);
}

void WinningNumberBoard::setCurrent(int number) {
    showCurrent(false);
    current_ = number;
    showCurrent(hasFocus());
}

void WinningNumberBoard::showCurrent(bool shown) {
    QPushButton* b = button(current_);
    if (b->property("current").toBool() == shown)
        return;
    b->setProperty("current", shown);
    b->style()->unpolish(b);
    b->style()->polish(b);
}

QPushButton* WinningNumberBoard::button(int number) const {
    return number >= 1 && number <= 70 ? buttons_[static_cast<std::size_t>(number - 1)] : nullptr;
}

} // namespace talvo::ui
