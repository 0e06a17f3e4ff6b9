#pragma once

// Answers the real save dialog while it lives: types a name into the dialog and presses
// Return; the box the dialog raises about an existing file is recorded and answered Yes or
// No, and a dialog still open after that answer is cancelled, so that no test can hang.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>

namespace talvo::test {

class SaveDialogAnswer {
  public:
    SaveDialogAnswer(const QString& typedName, bool replace) {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, typedName, replace] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    if (box == answered_)
                        continue;
                    answered_ = box;
                    questions_ << box->text();
                    QAbstractButton* button = box->button(replace ? QMessageBox::Yes : QMessageBox::No);
                    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
                } else if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && !questions_.isEmpty()) {
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                } else if (dialog && !typed_) {
                    typed_ = true;
                    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    name->setText(typedName);
                    // Queued: a box raised by the dialog runs its own loop, and the timer
                    // must go on ticking meanwhile.
                    QMetaObject::invokeMethod(
                        name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
                }
            }
        });
        timer_.start();
    }

    // The texts of the boxes the dialog raised, oldest first.
    const QStringList& questions() const { return questions_; }

  private:
    QTimer timer_;
    QStringList questions_;
    QMessageBox* answered_ = nullptr;
    bool typed_ = false;
};

} // namespace talvo::test
