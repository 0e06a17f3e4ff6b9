#include "ui/common/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace talvo::ui {

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setCalendarPopup(true);
    lineEdit()->installEventFilter(this);
}

void DateField::commitTyping() {
    interpretText();
    typed_ = 0;
}

void DateField::selectPart(int index) {
    if (index < 0 || index >= sectionCount())
        return;
    setCurrentSectionIndex(index);
    setSelectedSection(currentSection());
    typed_ = 0;
}

bool DateField::partComplete(Section section, int digit) const {
    switch (section) {
    case DaySection:
        return typed_ >= 2 || digit > 3; // no day starts with 4..9
    case MonthSection:
        return typed_ >= 2 || digit > 1;
    default:
        return typed_ >= 4;
    }
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const QChar c = text.size() == 1 ? text.front() : QChar();
    const int part = currentSectionIndex();
    if (c.isDigit()) {
        QLineEdit* line = lineEdit();
        if (line->hasSelectedText() && line->selectedText() == line->text())
            selectPart(0);
        else if (typed_ == 0 && !line->hasSelectedText())
            selectPart(currentSectionIndex());
        const int index = currentSectionIndex();
        const Section section = currentSection();
        const QString before = line->text();
        QDateEdit::keyPressEvent(event);
        if (line->text() == before && !line->hasSelectedText())
            return; // refused
        ++typed_;
        if (partComplete(section, c.digitValue()))
            selectPart(std::min(index + 1, sectionCount() - 1));
        return;
    }
    if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('/') || c == QLatin1Char('-')) {
        // After a part typed short ("3."), on to the next; right after moving on, ignored.
        if (typed_ > 0)
            selectPart(part + 1);
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        selectPart(std::clamp(part + (event->key() == Qt::Key_Left ? -1 : 1), 0, sectionCount() - 1));
        event->accept();
        return;
    }
    typed_ = 0;
    QDateEdit::keyPressEvent(event);
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
    const bool handled = QDateEdit::eventFilter(watched, event);
    // A click puts the cursor into a part; selecting the part lets digits overwrite it.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        !lineEdit()->hasSelectedText())
        selectPart(currentSectionIndex());
    return handled;
}

void DateField::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    typed_ = 0;
}

} // namespace talvo::ui
