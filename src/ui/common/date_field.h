#pragma once

#include <QDateEdit>

namespace talvo::ui {

// A date field that takes typing the way users expect: a click or the focus selects a
// part (day, month, year), digits overwrite it and move on to the next part once it is
// complete, a point moves on early, the arrow keys go from part to part, and a whole
// date typed over the selected text is taken in one go.
class DateField : public QDateEdit {
    Q_OBJECT
  public:
    explicit DateField(QWidget* parent = nullptr);

    // Takes what is typed but not yet confirmed, as Enter would.
    void commitTyping();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void selectPart(int index);
    bool partComplete(Section section, int digit) const;

    int typed_ = 0; // digits typed into the selected part so far
};

} // namespace talvo::ui
