#include "logic/core/contact.h"
#include "logic/core/placeholder_address.h"
#include "platform/download.h"
#include "platform/shell.h"
#include "support/form_lookup.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "ui/app/application.h"
#include "ui/app/calendar_window.h"
#include "ui/app/info_window.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/navigation/navigator.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QtTest>

using namespace talvo;

namespace {

// Contacts of a configured build.
const QString kMail = QStringLiteral("post@talvo-keno.de");
const QString kWeb = QStringLiteral("https://www.talvo-keno.de/");

int windowsNamed(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == name ? 1 : 0;
    return count;
}

} // namespace

// The calendar, the info window and the links that leave the program, in the running program.
class InfoCalendarTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    std::unique_ptr<ui::Application> program;
    test::MessageCapture capture;
    QList<test::ShownMessage>& messages = capture.shown();
    QStringList opened;
    bool openerAnswer = true;

    ui::MainWindow& main() { return *program->mainWindow(); }
    void trigger(const char* name) { test::namedChild<QAction>(main(), name)->trigger(); }

  private slots:
    void init() {
        opened.clear();
        openerAnswer = true;
        capture.clear();
        platform::setShellOpenerForTests([this](const QString& address) {
            opened << address;
            return openerAnswer;
        });
        platform::setOnlineForTests(true);
        ui::setClockForTests([] { return QDateTime(QDate(2024, 3, 6), QTime(20, 0)); });
        program = std::make_unique<ui::Application>(data.paths());
        program->start();
    }
    void cleanup() {
        program.reset();
        ui::setClockForTests({});
        platform::setShellOpenerForTests({});
        platform::setOnlineForTests(std::nullopt);
    }

    void theCalendarOpensOnceWithTodayAndWeekNumbers() {
        trigger("TKalender");
        trigger("TKalender");
        trigger("MKalender");
        QCOMPARE(windowsNamed(QStringLiteral("FKal")), 1);
        QVERIFY(test::isFormOpen(QStringLiteral("FKal")));
        QWidget* calendarWindow = program->navigator().window(ui::Route::Calendar);
        QVERIFY(calendarWindow->isVisible());
        QCOMPARE(calendarWindow->windowTitle(), QStringLiteral("Kalender"));
        QVERIFY(!(calendarWindow->windowFlags() & Qt::WindowStaysOnTopHint));
        auto* calendar = test::namedChild<QCalendarWidget>(*calendarWindow, "MC1");
        QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 6));
        QCOMPARE(calendar->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(calendar->locale().monthName(3), QStringLiteral("März"));

        // A minimised calendar comes back on the next request.
        calendarWindow->showMinimized();
        trigger("TKalender");
        QVERIFY(!(calendarWindow->windowState() & Qt::WindowMinimized));

        // Its "&Info" leads to the info window; "Schließen" destroys it.
        test::namedChild<QAction>(*calendarWindow, "MInfo")->trigger();
        QVERIFY(test::isFormOpen(QStringLiteral("FInfo")));
        QPointer<QWidget> gone = calendarWindow;
        test::namedChild<QAction>(*calendarWindow, "MSchliessen")->trigger();
        QTRY_VERIFY(!gone);
        QVERIFY(!test::isFormOpen(QStringLiteral("FKal")));
        trigger("TKalender");
        QCOMPARE(windowsNamed(QStringLiteral("FKal")), 1);
    }

    void theInfoWindowShowsNameVersionAndContacts() {
        trigger("MInfo");
        trigger("MInfo");
        QCOMPARE(windowsNamed(QStringLiteral("FInfo")), 1);
        QWidget* info = program->navigator().window(ui::Route::Info);
        QCOMPARE(info->windowTitle(), QStringLiteral("Programm-Info"));
        QVERIFY(!(info->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(test::namedChild<QLabel>(*info, "LVersion")->text(), QStringLiteral("TALVO 1.7.1.0"));
        // The contacts the program was built with, unless they are still example addresses.
        const QString builtMail = QString::fromUtf8(logic::kContactMail);
        const QString builtWeb = QString::fromUtf8(logic::kWebSite);
        QCOMPARE(info->findChild<QLabel*>(QStringLiteral("LMail")) != nullptr,
                 !logic::isPlaceholderAddress(builtMail));
        QCOMPARE(info->findChild<QLabel*>(QStringLiteral("LWeb")) != nullptr,
                 !logic::isPlaceholderAddress(builtWeb));
        QPointer<QWidget> gone = info;
        test::namedChild<QAbstractButton>(*info, "BSchliessen")->click();
        QTRY_VERIFY(!gone);

        ui::InfoWindow real(kMail, kWeb);
        auto* mail = test::namedChild<QLabel>(real, "LMail");
        auto* web = test::namedChild<QLabel>(real, "LWeb");
        QVERIFY(mail->text().contains(kMail));
        QVERIFY(web->text().contains(kWeb));
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);

        emit mail->linkActivated(QStringLiteral("#"));
        emit web->linkActivated(QStringLiteral("#"));
        QCOMPARE(opened, (QStringList{QStringLiteral("mailto:%1?subject=TALVO").arg(kMail), kWeb}));
        QVERIFY(messages.isEmpty());
    }

    // An unconfigured build's example addresses can only fail: the info window leaves them out.
    void theInfoWindowLeavesOutExampleAddresses() {
        ui::InfoWindow placeholders(QStringLiteral("talvo@example.net"),
                                    QStringLiteral("https://talvo.example.net/"));
        QVERIFY(!placeholders.findChild<QLabel*>(QStringLiteral("LMail")));
        QVERIFY(!placeholders.findChild<QLabel*>(QStringLiteral("LWeb")));
        ui::InfoWindow mixed(kMail, QStringLiteral("https://talvo.example.net/"));
        QVERIFY(mixed.findChild<QLabel*>(QStringLiteral("LMail")));
        QVERIFY(!mixed.findChild<QLabel*>(QStringLiteral("LWeb")));
        for (QLabel* label : placeholders.findChildren<QLabel*>())
            QVERIFY2(!label->text().contains(QStringLiteral("example")), qPrintable(label->text()));
    }

    // A link that cannot be followed says so; nothing silently does nothing.
    void linksThatCannotBeFollowedSaySo() {
        ui::InfoWindow info(kMail, kWeb);
        auto* mail = test::namedChild<QLabel>(info, "LMail");
        auto* web = test::namedChild<QLabel>(info, "LWeb");
        const QString offline =
            QStringLiteral("Mir fehlt der Kontakt zum Internet. Ich muss leider abbrechen.");

        platform::setOnlineForTests(false);
        emit web->linkActivated(QStringLiteral("#"));
        test::namedChild<QAbstractButton>(main(), "Image1")->click();
        QVERIFY(opened.isEmpty());
        QCOMPARE(messages.size(), 2);
        for (const auto& m : messages)
            QCOMPARE(m, (test::ShownMessage{offline, ui::MessageIcon::Information}));

        messages.clear();
        platform::setOnlineForTests(true);
        openerAnswer = false;
        emit web->linkActivated(QStringLiteral("#"));
        emit mail->linkActivated(QStringLiteral("#"));
        test::namedChild<QAction>(main(), "TBild")->trigger();
        QCOMPARE(opened.size(), 3);
        QCOMPARE(opened.last(), QString::fromLatin1(ui::kKenoWebPage));
        QCOMPARE(messages.size(), 3);
        QVERIFY(messages[0].text.contains(QStringLiteral("kein Web-Browser")));
        QVERIFY(messages[1].text.contains(QStringLiteral("kein E-Mail-Programm")));
        QVERIFY(messages[2].text.contains(QString::fromLatin1(ui::kKenoWebPage)));
        for (const auto& m : messages)
            QCOMPARE(m.icon, ui::MessageIcon::Error);
    }
};

QTEST_MAIN(InfoCalendarTest)
#include "test_info_calendar.moc"
