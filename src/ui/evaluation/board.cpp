#include "ui/evaluation/board.h"

#include "logic/core/zahlenmenge.h"

#include <QGridLayout>
#include <QPushButton>

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
)";

} // namespace

ZahlenBrett::ZahlenBrett(QWidget* parent) : QGroupBox(QStringLiteral("Gewinnzahlen hier wählen"), parent) {
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
    for (int i = 1; i <= 10; ++i) {
        for (int j = 1; j <= 7; ++j) {
            const int number = 7 * (i - 1) + j;
            auto* b = new BoardButton(QString::number(number), buttons);
            b->setObjectName(QStringLiteral("lot%1").arg(number));
            b->setProperty("tag", number);
            b->setCheckable(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setMinimumSize(26, 20);
            b->setMaximumHeight(30); // a taller window leaves the board in shape
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            connect(b, &QPushButton::clicked, this, [this, number] { emit numberClicked(number); });
            inner->addWidget(b, i - 1, j - 1);
            buttons_[static_cast<std::size_t>(number - 1)] = b;
        }
    }
    grid->addWidget(buttons, 0, 0);
}

void ZahlenBrett::showNumbers(const logic::Zahlenmenge& numbers) {
    for (int n = 1; n <= 70; ++n)
        setMarked(n, numbers.contains(n));
}

void ZahlenBrett::setMarked(int number, bool marked) {
    if (QPushButton* b = button(number))
        b->setChecked(marked);
}

bool ZahlenBrett::isMarked(int number) const {
    const QPushButton* b = button(number);
    return b && b->isChecked();
}

void ZahlenBrett::setCornerButton(QWidget* button) {
    corner_ = button;
    corner_->setParent(this);
    corner_->setFixedSize(18, 18);
    corner_->move(width() - corner_->width() - 4, 0);
}

void ZahlenBrett::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    if (corner_)
        corner_->move(width() - corner_->width() - 4, 0);
}

QPushButton* ZahlenBrett::button(int number) const {
    return number >= 1 && number <= 70 ? buttons_[static_cast<std::size_t>(number - 1)] : nullptr;
}

} // namespace talvo::ui
