#pragma once

#include <QWidget>

namespace talvo::ui {

// A small drawn picture (a few lottery balls and the product name) that reacts to a
// click like a link.
class PictureLink : public QWidget {
    Q_OBJECT
  public:
    explicit PictureLink(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {230, 46}; }

    // The same picture as a tool-bar icon.
    static QPixmap smallPixmap(int height);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace talvo::ui
