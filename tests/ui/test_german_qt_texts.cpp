#include "ui/app/german_qt_texts.h"

#include <QCalendarWidget>
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
        QCOMPARE(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText),
                 QStringLiteral("Strg+O"));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nein"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        // The calendars of the date fields name months and days in German.
        QCalendarWidget calendar;
        QCOMPARE(calendar.locale().monthName(1), QStringLiteral("Januar"));
        QCOMPARE(calendar.locale().dayName(1, QLocale::ShortFormat), QStringLiteral("Mo."));
    }
};

QTEST_MAIN(GermanQtTextsTest)
#include "test_german_qt_texts.moc"
