#include "ui/app/german_qt_texts.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QtTest>

using namespace talvo;

// Qt's own texts appear in German once the program has loaded its translations, whatever
// the system's language (the tests run under C.UTF-8).
class GermanQtTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void qtSpeaksGerman() {
        QVERIFY(ui::installGermanQtTexts(*QCoreApplication::instance()));
        QCOMPARE(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText), QStringLiteral("Strg+O"));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nein"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(GermanQtTextsTest)
#include "test_german_qt_texts.moc"
