#include "support/temp_files.h"
#include "ui/common/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace talvo;

class FileDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void savingOverAnExistingFileAsksNothing() {
        QTemporaryDir dir;
        const QString existing = test::writeFile(dir, QStringLiteral("alt.tix"), QByteArray(112, '\0'));
        QStringList questions;
        // The existing file is typed into the dialog; a box it raises then is recorded and
        // answered No, and the dialog cancelled, so that the test cannot hang.
        QTimer answer;
        answer.setInterval(50);
        connect(&answer, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    questions << box->text();
                    QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
                } else if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && !questions.isEmpty()) {
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                } else if (dialog) {
                    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    name->setText(existing);
                    // Queued: a box raised by the dialog runs its own loop, and this
                    // timer must go on ticking meanwhile.
                    QMetaObject::invokeMethod(
                        name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
                }
            }
        });
        answer.start();
        const QString chosen = ui::chooseSaveFile(nullptr, QStringLiteral("Speichern"),
                                                  QStringLiteral("Dateien|*.tix"), dir.path());
        answer.stop();
        QVERIFY2(questions.isEmpty(), qPrintable(questions.join(QLatin1Char('\n'))));
        QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(existing).canonicalFilePath());
    }
};

QTEST_MAIN(FileDialogsTest)
#include "test_file_dialogs.moc"
