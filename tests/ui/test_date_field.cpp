#include "ui/common/date_field.h"

#include <QLineEdit>
#include <QtTest>

using namespace talvo;

// Typing into a date field as a user does: by the keyboard and by clicking into a part.
class DateFieldTest : public QObject {
    Q_OBJECT

    // Clicks into the text of the field at the start of the given character.
    static void clickAt(ui::DateField& field, int character) {
        auto* line = field.findChild<QLineEdit*>();
        int x = 0;
        while (x < line->width() && line->cursorPositionAt(QPoint(x, line->height() / 2)) < character)
            ++x;
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x + 1, line->height() / 2));
    }

  private slots:
    void typing_data() {
        QTest::addColumn<int>("clickAt"); // -1: the field only gets the focus
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("day, month, year in a row") << -1 << "20052023" << QDate(2023, 5, 20);
        QTest::newRow("a whole date over the selection") << -2 << "01.06.2023" << QDate(2023, 6, 1);
        QTest::newRow("short parts ended by a point") << -1 << "3.4.2024" << QDate(2024, 4, 3);
        QTest::newRow("a day that cannot have a second digit") << -1 << "7" << QDate(2024, 3, 7);
        QTest::newRow("click into the month") << 3 << "7" << QDate(2024, 7, 15);
        QTest::newRow("click into the month, then the year") << 4 << "112025" << QDate(2025, 11, 15);
        QTest::newRow("click into the year") << 8 << "2019" << QDate(2019, 3, 15);
        QTest::newRow("click into the day") << 1 << "28" << QDate(2024, 3, 28);
        QTest::newRow("the right arrow moves to the month") << -1 << ">09" << QDate(2024, 9, 15);
    }

    void typing() {
        QFETCH(int, clickAt);
        QFETCH(QString, keys);
        QFETCH(QDate, expected);
        QWidget window;
        ui::DateField field(&window);
        field.setDate(QDate(2024, 3, 15));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field.setFocus(Qt::TabFocusReason);
        if (clickAt >= 0)
            DateFieldTest::clickAt(field, clickAt);
        if (clickAt == -2)
            field.findChild<QLineEdit*>()->selectAll();
        for (const QChar c : keys) {
            if (c == QLatin1Char('>'))
                QTest::keyClick(&field, Qt::Key_Right);
            else
                QTest::keyClicks(&field, QString(c));
        }
        field.commitTyping();
        QCOMPARE(field.date(), expected);
    }

    void typedDatesReachTheProgramWithoutEnter() {
        QWidget window;
        ui::DateField field(&window);
        field.setKeyboardTracking(false);
        field.setDate(QDate(2024, 3, 15));
        QList<QDate> changes;
        connect(&field, &QDateEdit::dateChanged, this, [&changes](const QDate& d) { changes << d; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&field, QStringLiteral("10042024"));
        QVERIFY(changes.isEmpty()); // nothing is taken while typing
        field.commitTyping();
        QCOMPARE(changes, QList<QDate>{QDate(2024, 4, 10)});
    }
};

QTEST_MAIN(DateFieldTest)
#include "test_date_field.moc"
