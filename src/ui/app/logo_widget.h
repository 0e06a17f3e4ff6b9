#pragma once

#include <QWidget>

namespace talvo::ui {

// The start window's logo: a few drawn lottery balls under the product name.
class LogoWidget : public QWidget {
    Q_OBJECT
  public:
    explicit LogoWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {360, 110}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talvo::ui
