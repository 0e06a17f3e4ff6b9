#include "ui/evaluation/result_tab_strip.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace talvo::ui {

namespace {
constexpr int kPadding = 10;
constexpr int kButtonWidth = 18;
} // namespace

ResultTabStrip::ResultTabStrip(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("resultTabScroll"));
    scroll_->setFocusPolicy(Qt::NoFocus);
    left_ = new QToolButton(this);
    right_ = new QToolButton(this);
    left_->setArrowType(Qt::LeftArrow);
    right_->setArrowType(Qt::RightArrow);
    left_->setToolTip(QStringLiteral("Vorheriges Ergebnis"));
    right_->setToolTip(QStringLiteral("Nächstes Ergebnis"));
    for (QToolButton* b : {left_, right_}) {
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        offset_ = value;
        update();
    });
    connect(left_, &QToolButton::clicked, this, [this] { activate(current_ - 1); });
    connect(right_, &QToolButton::clicked, this, [this] { activate(current_ + 1); });
    updateScrolling();
}

int ResultTabStrip::tabsHeight() const {
    return fontMetrics().height() + 10;
}

int ResultTabStrip::rowWidth() const {
    return tabs_.empty() ? 0 : tabs_.back().left + tabs_.back().width;
}

int ResultTabStrip::visibleWidth() const {
    return std::max(0, width() - 2 * kButtonWidth - 2);
}

QSize ResultTabStrip::sizeHint() const {
    return {400, tabsHeight() + (scroll_->isHidden() ? 0 : scroll_->sizeHint().height())};
}

QSize ResultTabStrip::minimumSizeHint() const {
    return {4 * kButtonWidth, sizeHint().height()};
}

void ResultTabStrip::addTabs(const QStringList& captions) {
    if (captions.isEmpty())
        return;
    const QFontMetrics fm = fontMetrics();
    // As wide as the style needs for the whole caption, as a tab bar's tabs are.
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.shape = QTabBar::RoundedNorth;
    const int space = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    int left = rowWidth();
    tabs_.reserve(tabs_.size() + static_cast<std::size_t>(captions.size()));
    for (const QString& caption : captions) {
        opt.text = caption;
        const int advance = fm.horizontalAdvance(caption);
        const QSize text(advance + space, tabsHeight());
        const int w = std::max(style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, text, this).width(),
                               advance + 2 * kPadding);
        tabs_.push_back({caption, left, w});
        left += w;
    }
    updateScrolling();
    update();
}

void ResultTabStrip::removeTab(int index) {
    if (index < 0 || index >= count())
        return;
    tabs_.erase(tabs_.begin() + index);
    relayout(index);
    if (hovered_ >= count())
        hovered_ = -1;
    if (index < current_) {
        --current_; // the same tab stays current
    } else if (index == current_) {
        // As a tab bar does: the neighbour to the right takes its place, or the last one.
        current_ = std::min(index, count() - 1);
        emit currentChanged(current_);
    }
    updateScrolling();
    ensureVisible(current_);
    update();
}

void ResultTabStrip::clear() {
    tabs_.clear();
    hovered_ = -1;
    const bool changed = current_ != -1;
    current_ = -1;
    updateScrolling();
    update();
    if (changed)
        emit currentChanged(-1);
}

void ResultTabStrip::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    ensureVisible(index);
    update();
    emit currentChanged(index);
}

QString ResultTabStrip::tabText(int index) const {
    return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].text : QString();
}

QRect ResultTabStrip::tabRect(int index) const {
    if (index < 0 || index >= count())
        return {};
    const Tab& t = tabs_[static_cast<std::size_t>(index)];
    return {t.left - offset_, 0, t.width, tabsHeight()};
}

void ResultTabStrip::relayout(int from) {
    int left = from > 0 ? tabs_[static_cast<std::size_t>(from - 1)].left +
                              tabs_[static_cast<std::size_t>(from - 1)].width
                        : 0;
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < tabs_.size(); ++i) {
        tabs_[i].left = left;
        left += tabs_[i].width;
    }
}

void ResultTabStrip::updateScrolling() {
    const int h = tabsHeight();
    const int sh = scroll_->sizeHint().height();
    left_->setGeometry(width() - 2 * kButtonWidth, 0, kButtonWidth, h);
    right_->setGeometry(width() - kButtonWidth, 0, kButtonWidth, h);
    scroll_->setGeometry(0, h, width(), sh);
    const int overflow = std::max(0, rowWidth() - visibleWidth());
    scroll_->setRange(0, overflow);
    scroll_->setPageStep(std::max(1, visibleWidth()));
    scroll_->setSingleStep(40);
    if (scroll_->isHidden() == (overflow > 0)) {
        scroll_->setVisible(overflow > 0);
        updateGeometry();
    }
    left_->setEnabled(current_ > 0);
    right_->setEnabled(current_ >= 0 && current_ < count() - 1);
    offset_ = scroll_->value();
}

void ResultTabStrip::ensureVisible(int index) {
    left_->setEnabled(current_ > 0);
    right_->setEnabled(current_ >= 0 && current_ < count() - 1);
    if (index < 0 || index >= count())
        return;
    const Tab& t = tabs_[static_cast<std::size_t>(index)];
    if (t.left < offset_)
        scroll_->setValue(t.left);
    else if (t.left + t.width > offset_ + visibleWidth())
        scroll_->setValue(t.left + t.width - visibleWidth());
}

void ResultTabStrip::activate(int index) {
    if (index < 0 || index >= count())
        return;
    const bool changed = index != current_;
    setCurrentIndex(index);
    if (changed)
        emit tabActivated(index);
}

int ResultTabStrip::tabAt(const QPoint& pos) const {
    if (pos.y() < 0 || pos.y() >= tabsHeight() || pos.x() >= visibleWidth())
        return -1;
    const int x = pos.x() + offset_;
    auto it = std::upper_bound(tabs_.begin(), tabs_.end(), x, [](int v, const Tab& t) { return v < t.left; });
    if (it == tabs_.begin())
        return -1;
    --it;
    return x < it->left + it->width ? static_cast<int>(it - tabs_.begin()) : -1;
}

void ResultTabStrip::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    const int h = tabsHeight();
    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = QTabBar::RoundedNorth;
    base.rect = QRect(0, h - 1, width(), 1);
    base.tabBarRect = tabRect(current_);
    base.selectedTabRect = base.tabBarRect;
    p.drawPrimitive(QStyle::PE_FrameTabBarBase, base);

    p.setClipRect(0, 0, visibleWidth(), h);
    if (tabs_.empty())
        return;
    // Only the tabs in sight are looked at.
    int first = std::max(0, tabAt(QPoint(0, 0)));
    for (int i = first; i < count(); ++i) {
        const QRect r = tabRect(i);
        if (r.left() >= visibleWidth())
            break;
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.shape = QTabBar::RoundedNorth;
        opt.rect = r;
        opt.text = tabs_[static_cast<std::size_t>(i)].text;
        opt.row = 0;
        opt.position = count() == 1       ? QStyleOptionTab::OnlyOneTab
                       : i == 0           ? QStyleOptionTab::Beginning
                       : i == count() - 1 ? QStyleOptionTab::End
                                          : QStyleOptionTab::Middle;
        opt.selectedPosition = i - 1 == current_   ? QStyleOptionTab::PreviousIsSelected
                               : i + 1 == current_ ? QStyleOptionTab::NextIsSelected
                                                   : QStyleOptionTab::NotAdjacent;
        opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (i == current_) {
            opt.state |= QStyle::State_Selected;
            if (hasFocus())
                opt.state |= QStyle::State_HasFocus;
        }
        if (i == hovered_)
            opt.state |= QStyle::State_MouseOver;
        p.drawControl(QStyle::CE_TabBarTab, opt);
    }
}

void ResultTabStrip::resizeEvent(QResizeEvent*) {
    updateScrolling();
    ensureVisible(current_);
}

void ResultTabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    activate(tabAt(event->position().toPoint()));
}

void ResultTabStrip::mouseMoveEvent(QMouseEvent* event) {
    const int hovered = tabAt(event->position().toPoint());
    if (hovered != hovered_) {
        hovered_ = hovered;
        update();
    }
}

void ResultTabStrip::leaveEvent(QEvent*) {
    hovered_ = -1;
    update();
}

void ResultTabStrip::wheelEvent(QWheelEvent* event) {
    // The wheel travels along the row; choosing a tab stays a click or a key.
    const QPoint delta = event->angleDelta();
    const int steps = delta.x() != 0 ? delta.x() : delta.y();
    scroll_->setValue(scroll_->value() - steps);
    event->accept();
}

void ResultTabStrip::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        activate(current_ - 1);
        break;
    case Qt::Key_Right:
        activate(current_ + 1);
        break;
    case Qt::Key_PageUp:
        activate(std::max(0, current_ - 10));
        break;
    case Qt::Key_PageDown:
        activate(std::min(count() - 1, current_ + 10));
        break;
    case Qt::Key_Home:
        activate(0);
        break;
    case Qt::Key_End:
        activate(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

} // namespace talvo::ui
