#pragma once

#include <QAbstractButton>

namespace talvo::ui {

// A small drawn picture (a few lottery balls and the product name) that reacts to a
// click like a link.
class PictureLink : public QAbstractButton {
    Q_OBJECT
  public:
    explicit PictureLink(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {230, 46}; }

    // The same picture as a tool-bar icon.
    static QPixmap smallPixmap(int height);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talvo::ui
