#include "support/save_dialog_answer.h"
#include "support/temp_files.h"
#include "ui/common/file_dialogs.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace talvo;

class FileDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void savingOverAnExistingFileAsksFirst_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("ersetzen") << true;
        QTest::newRow("nicht ersetzen") << false;
    }
    void savingOverAnExistingFileAsksFirst() {
        QFETCH(bool, replace);
        QTemporaryDir dir;
        const QString existing = test::writeFile(dir, QStringLiteral("alt.tix"), QByteArray(112, '\0'));
        // The name is typed without its extension.
        const test::SaveDialogAnswer answer(QStringLiteral("alt"), replace);
        const QString chosen = ui::chooseSaveFile(nullptr, QStringLiteral("Speichern"),
                                                  QStringLiteral("Dateien|*.tix"), dir.path());
        QCOMPARE(answer.questions().size(), 1);
        QVERIFY2(answer.questions()[0].contains(QStringLiteral("alt.tix")),
                 qPrintable(answer.questions()[0]));
        if (replace)
            QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(existing).canonicalFilePath());
        else
            QVERIFY(chosen.isEmpty());
    }

    // A new name is taken without a question, with the filter's extension.
    void aNewNameGetsTheExtension() {
        QTemporaryDir dir;
        const test::SaveDialogAnswer answer(QStringLiteral("neu"), false);
        const QString chosen = ui::chooseSaveFile(nullptr, QStringLiteral("Speichern"),
                                                  QStringLiteral("Dateien|*.tix"), dir.path());
        QVERIFY(answer.questions().isEmpty());
        QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("neu.tix"));
    }
};

QTEST_MAIN(FileDialogsTest)
#include "test_file_dialogs.moc"
