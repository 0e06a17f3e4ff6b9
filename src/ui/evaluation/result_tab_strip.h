#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QScrollBar;
class QToolButton;

namespace talvo::ui {

// A row of tabs built for thousands of entries: the captions are measured once, only
// the tabs in sight are painted, and a scroll bar below the row travels through all of
// them. QTabBar lays every tab out again on each change, which does not scale to a
// continuous-play slip with one tab per draw.
class ResultTabStrip : public QWidget {
    Q_OBJECT
  public:
    explicit ResultTabStrip(QWidget* parent = nullptr);

    void addTabs(const QStringList& captions);
    void removeTab(int index);
    void clear();
    int count() const { return static_cast<int>(tabs_.size()); }
    int currentIndex() const { return current_; }
    // Makes a tab the current one and scrolls it into sight.
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    // Where a tab is drawn now, in the strip's coordinates (it may lie outside the strip).
    QRect tabRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void currentChanged(int index);
    // The user brought a tab to the front (click or key), not the program.
    void tabActivated(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Tab {
        QString text;
        int left; // from the start of the row
        int width;
    };
    int tabsHeight() const;
    int rowWidth() const;
    int visibleWidth() const;
    int tabAt(const QPoint& pos) const;
    void relayout(int from);
    void updateScrolling();
    void ensureVisible(int index);
    void activate(int index);

    std::vector<Tab> tabs_;
    int current_ = -1;
    int hovered_ = -1;
    int offset_ = 0;
    QScrollBar* scroll_ = nullptr;
    QToolButton* left_ = nullptr;
    QToolButton* right_ = nullptr;
};

} // namespace talvo::ui
