#include "support/temp_folder.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/start_window.h"
#include "ui/common/dialog_parent.h"
#include "ui/common/message_box.h"
#include "ui/navigation/navigator.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/tips/tip_centre_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <utility>

using namespace talvo;

namespace {

// What the real message box looked like while it was up.
struct SeenBox {
    QPointer<QWidget> parent;
    bool visible = false;
    bool active = false;
    QString text;
};

// Watches for the next real message box, notes what it looked like once it is up and in front
// (or after a second at most), and answers it with `button`.
class BoxAnswerer : public QObject {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton button) : button_(button) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(10);
    }
    const SeenBox& seen() const { return seen_; }
    bool answered() const { return answered_; }

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const bool active = QApplication::activeWindow() == box;
        if (!active && ++waited_ < 100)
            return;
        seen_ = {box->parentWidget(), box->isVisible(), active, box->text()};
        timer_.stop();
        answered_ = true;
        box->button(button_)->click();
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
    SeenBox seen_;
    bool answered_ = false;
    int waited_ = 0;
};

} // namespace

// Under a window manager a box whose parent lies behind the window in front opens behind it,
// and the program looks frozen: boxes belong to the window the user works in.
class DialogParentTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    std::unique_ptr<ui::Application> program;

    ui::MainWindow* main() { return program->mainWindow(); }

    bool bringUp(QWidget* window) {
        window->show();
        window->raise();
        window->activateWindow();
        return isActive(window);
    }
    // The program counts a window as active once the activation has reached it, which for a
    // window owned by the main window comes a moment after the platform reports it.
    static bool isActive(QWidget* window) {
        return QTest::qWaitForWindowActive(window) &&
               QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }

  private slots:
    void init() {
        program = std::make_unique<ui::Application>(data.paths());
        program->start();
        program->startWindow()->findChild<QPushButton*>(QStringLiteral("BWeiter"))->click();
        QVERIFY(bringUp(main()));
    }
    void cleanup() { program.reset(); }

    void aMessageOfTheMainWindowOpensOverTheActiveSlipCentre() {
        program->navigator().go(ui::Route::SlipCentre);
        QWidget* centre = program->slipCentre();
        QVERIFY(isActive(centre));

        BoxAnswerer answerer(QMessageBox::Ok);
        ui::showMessage(main(), QStringLiteral("Die Tabelle ist voll."), ui::MessageIcon::Information);
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.seen().parent.data(), centre);
        QVERIFY(answerer.seen().visible);
        QVERIFY(answerer.seen().active); // raised above the slip centre and given the keyboard
        QCOMPARE(answerer.seen().text, QStringLiteral("Die Tabelle ist voll."));
    }

    void aQuestionOfTheMainWindowOpensOverTheActiveSlipCentreAndIsAnswered() {
        for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
            program->navigator().go(ui::Route::SlipCentre);
            QVERIFY(isActive(program->slipCentre()));
            BoxAnswerer answerer(button);
            QCOMPARE(ui::askYesNo(main(), QStringLiteral("Trotzdem beenden?")), yes);
            QCOMPARE(answerer.seen().parent.data(), static_cast<QWidget*>(program->slipCentre()));
        }
    }

    void aMessageOfAWindowInFrontStaysWithIt() {
        BoxAnswerer answerer(QMessageBox::Ok);
        ui::showMessage(main(), QStringLiteral("Hinweis"), ui::MessageIcon::Information);
        QCOMPARE(answerer.seen().parent.data(), static_cast<QWidget*>(main()));
        QVERIFY(answerer.seen().active);
    }

    // Which window owns a box in each situation; file dialogs ask the same.
    void theOwnerIsTheActiveWindowElseTheAskingOneElseTheMainWindow() {
        QWidget* centre = program->slipCentre();
        QWidget* tips = program->tipCentre();
        program->navigator().go(ui::Route::SlipCentre);
        QVERIFY(isActive(centre));
        QCOMPARE(ui::dialogParent(main()), centre);
        QCOMPARE(ui::dialogParent(nullptr), centre);
        QCOMPARE(ui::dialogParent(tips), centre); // a hidden window asking

        // No window of the program is active (the user is in another program).
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!QApplication::activeWindow());
        QCOMPARE(ui::dialogParent(centre), centre);
        QCOMPARE(ui::dialogParent(centre->findChildren<QWidget*>().value(0)), centre);
        QCOMPARE(ui::dialogParent(tips), static_cast<QWidget*>(main()));
        QCOMPARE(ui::dialogParent(nullptr), static_cast<QWidget*>(main()));
        centre->hide();
        QCOMPARE(ui::dialogParent(centre), static_cast<QWidget*>(main()));
        main()->showMinimized();
        QTRY_VERIFY(main()->isMinimized());
        QCOMPARE(ui::dialogParent(centre), centre); // nothing on the screen: as asked
    }
};

QTEST_MAIN(DialogParentTest)
#include "test_dialog_parent.moc"
