#include "logic/core/history_file.h"
#include "logic/draws/archive_export.h"
#include "logic/settings/remembered_places.h"
#include "logic/state/program_state.h"
#include "support/http_test_server.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "support/visible_window.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/draws/import_window.h"
#include "ui/draws/update_window.h"
#include "ui/navigation/navigator.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

using namespace talvo;
using test::namedChild;

namespace {

// An address that can only fail, as an unconfigured build carries it.
const QString kPlaceholderBase = QStringLiteral("https://talvo.example.net/downloads/");

QString idlePage(ui::MainWindow& main) {
    return namedChild<QStackedWidget>(main, "evaluationArea")->currentWidget()->objectName();
}

} // namespace

// A new player with no draw stored: the main window says how the draws come in, and each
// way (the archive from a file, from an address, dropped on the window, by hand) works.
class DrawsInOneStepTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    logic::DrawHistory draws = tools::generatedHistory(40, QDate(2024, 1, 2), 7);
    QByteArray archive;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    std::unique_ptr<ui::Application> program;

    ui::MainWindow& main() { return *program->mainWindow(); }

    void startProgram(const QString& base = kPlaceholderBase) {
        program = std::make_unique<ui::Application>(paths, base);
        program->start();
    }

    // Waits for the import window's next preview and gives the window. The read reports
    // through the event loop, so nothing is missed before the wait.
    static ui::ImportWindow* previewOf(QWidget* window) {
        auto* import = qobject_cast<ui::ImportWindow*>(window);
        if (!import)
            return nullptr;
        QSignalSpy ready(import, &ui::ImportWindow::previewReady);
        return ready.wait(15000) ? import : nullptr;
    }

    static QString count(QWidget* window, const char* name) {
        return namedChild<QLabel>(*window, name)->text();
    }

    bool dropOnMain(const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at = main().rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main(), &drop);
        return drop.isAccepted();
    }

  private slots:
    void initTestCase() { archive = logic::drawsAsArchiveCsv(draws).toUtf8(); }

    void init() {
        paths = data.emptyDataAndProgramFolders();
        capture.clear();
        const QDate newest = logic::serialToDate(draws.back().datum);
        ui::setClockForTests([newest] { return QDateTime(newest.addDays(1), QTime(20, 0)); });
    }

    void cleanup() {
        program.reset();
        ui::setClockForTests({});
        ui::setNextFileName({});
    }

    void anEmptyHistoryShowsTheWaysToDrawsAndEachLinkLeadsThere() {
        startProgram();
        QCOMPARE(idlePage(main()), QStringLiteral("pLeer"));
        for (const char* name : {"LLeerImport", "LLeerAdresse", "LLeerEingabe"})
            QVERIFY2(namedChild<QLabel>(main(), name)->isEnabled(), name);

        // By hand: the entry page of the draw lists.
        emit namedChild<QLabel>(main(), "LLeerEingabe")->linkActivated(QStringLiteral("#"));
        QCOMPARE(namedChild<QTabWidget>(main(), "PC0")->currentIndex(), 1);

        // From an address: the import window waits for it instead of asking for a file.
        ui::setNextFileName(QStringLiteral("nicht gefragt"));
        emit namedChild<QLabel>(main(), "LLeerAdresse")->linkActivated(QStringLiteral("#"));
        QWidget* window = test::visibleWindow("FImport");
        QVERIFY(window);
        QTest::qWait(50);
        QVERIFY(window->isVisible());
        QVERIFY(namedChild<QLineEdit>(*window, "EAdresse")->isEnabled());
        QPointer<QWidget> gone = window;
        window->close();
        QTRY_VERIFY(!gone); // closed for good: the next request builds a new one

        // From a file: the import asks for it and previews it; importing ends the empty page.
        const QString csv = test::writeFile(data, QStringLiteral("archiv.csv"), archive);
        ui::setNextFileName(csv);
        emit namedChild<QLabel>(main(), "LLeerImport")->linkActivated(QStringLiteral("#"));
        ui::ImportWindow* import = previewOf(test::visibleWindow("FImport"));
        QVERIFY(import);
        QCOMPARE(count(import, "LNeu"), QStringLiteral("40"));
        namedChild<QPushButton>(*import, "BImportieren")->click();
        QCOMPARE(program->state().history().size(), 40u);
        QCOMPARE(idlePage(main()), QStringLiteral("p100"));
        QVERIFY2(messages.size() == 1, qPrintable(messages.join(u'|'))); // the confirmation
    }

    void aStoredHistoryShowsTheHelpPanel() {
        logic::saveDrawHistory(paths.historyFile(), draws);
        startProgram();
        QCOMPARE(idlePage(main()), QStringLiteral("p100"));
        // Emptied again (an undo of the first import), the page comes back.
        program->state().setHistory({});
        QCOMPARE(idlePage(main()), QStringLiteral("pLeer"));
    }

    void theArchiveLoadsFromAnAddressIntoTheSamePreview() {
        test::HttpTestServer server;
        server.set(QStringLiteral("/downloads/keno-archiv.csv"), {200, archive});
        startProgram();
        namedChild<QAction>(main(), "MArchivLaden")->trigger();
        auto* import = qobject_cast<ui::ImportWindow*>(test::visibleWindow("FImport"));
        QVERIFY(import);
        auto* address = namedChild<QLineEdit>(*import, "EAdresse");
        auto* load = namedChild<QPushButton>(*import, "BLaden");

        // Not an address of the web: said so, nothing is fetched.
        for (const char* wrong : {"", "keno-archiv.csv", "ftp://127.0.0.1/archiv.csv", "https://"}) {
            address->setText(QString::fromLatin1(wrong));
            load->click();
            QVERIFY2(messages.size() == 1 && messages[0].contains(QStringLiteral("https://")), wrong);
            messages.clear();
        }
        QCOMPARE(server.requests(), 0);

        // A missing file: the server's answer is the reason, the preview stays empty.
        address->setText(server.base() + QStringLiteral("fehlt.csv"));
        load->click();
        QVERIFY(previewOf(import));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(
                     QStringLiteral("Das Archiv konnte nicht aus dem Internet geladen werden.")),
                 qPrintable(messages[0]));
        QVERIFY(messages[0].contains(QStringLiteral("404")));
        QCOMPARE(count(import, "LNeu"), QStringLiteral("–"));
        QVERIFY(!namedChild<QPushButton>(*import, "BImportieren")->isEnabled());
        messages.clear();

        const QString good = server.base() + QStringLiteral("keno-archiv.csv");
        address->setText(good);
        load->click();
        QVERIFY(import->isReading());
        QVERIFY(!load->isEnabled());
        QVERIFY(previewOf(import));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'|')));
        QCOMPARE(count(import, "LNeu"), QStringLiteral("40"));
        QCOMPARE(count(import, "LFehlerhaft"), QStringLiteral("0"));
        QCOMPARE(namedChild<QLabel>(*import, "LDatei")->text(), good);
        QVERIFY(load->isEnabled());
        // The downloaded copy is gone once read; the address is kept for next time.
        QCOMPARE(QDir(paths.dataDir).entryList({QStringLiteral("*.csv")}), QStringList());
        QCOMPARE(logic::remembered(paths.dataDir, logic::RememberedPlace::ArchiveAddress), good);

        namedChild<QPushButton>(*import, "BImportieren")->click();
        QCOMPARE(program->state().history().size(), draws.size());
        QVERIFY(program->state().history() == logic::loadDrawHistory(paths.historyFile()));
        for (std::size_t i = 0; i < draws.size(); ++i)
            QVERIFY(program->state().history()[i].GZ == draws[i].GZ);

        ui::ImportWindow again(program->state(), paths, ui::ImportWindow::Start::WaitForChoice);
        QCOMPARE(namedChild<QLineEdit>(again, "EAdresse")->text(), good);
    }

    void aDroppedCsvFileOpensItsPreview() {
        startProgram();
        const QString csv = test::writeFile(data, QStringLiteral("Gewinnzahlen.CSV"), archive);
        const QString other = test::writeFile(data, QStringLiteral("notizen.txt"), archive);
        // Anything but one local .csv file is not taken.
        QVERIFY(!dropOnMain({QUrl::fromLocalFile(other)}));
        QVERIFY(!dropOnMain({QUrl(QStringLiteral("https://www.lotto.de/archiv.csv"))}));
        QVERIFY(!dropOnMain({QUrl::fromLocalFile(csv), QUrl::fromLocalFile(csv)}));
        QVERIFY(!test::visibleWindow("FImport"));

        ui::setNextFileName(QStringLiteral("nicht gefragt"));
        QVERIFY(dropOnMain({QUrl::fromLocalFile(csv)}));
        ui::ImportWindow* import = previewOf(test::visibleWindow("FImport"));
        QVERIFY(import);
        QCOMPARE(count(import, "LNeu"), QStringLiteral("40"));
        QCOMPARE(namedChild<QLabel>(*import, "LDatei")->text(), QDir::toNativeSeparators(csv));
        QVERIFY(messages.isEmpty());
        // No file dialog was asked for: the seam still holds its answer.
        QCOMPARE(ui::chooseOpenFile(nullptr, {}, {}, {}), QStringLiteral("nicht gefragt"));

        // A second drop goes to the same window.
        QVERIFY(dropOnMain({QUrl::fromLocalFile(csv)}));
        QVERIFY(previewOf(test::visibleWindow("FImport")) == import);
    }

    void withoutARealDownloadServerTheUpdateEntriesLeadToTheImport() {
        startProgram(kPlaceholderBase);
        ui::setNextFileName(QString()); // the import's first question, cancelled
        namedChild<QAction>(main(), "MAktualisierung")->trigger();
        QVERIFY(!program->updateWindow()->isVisible());
        QTRY_VERIFY(!test::visibleWindow("FImport")); // closed again by the cancel
        QCOMPARE(ui::lastFileDialogRequest().title, QStringLiteral("Ziehungen importieren"));
        QVERIFY(messages.isEmpty());
    }

    void withADownloadServerTheUpdateEntriesLeadToTheUpdate() {
        startProgram(QStringLiteral("http://127.0.0.1:9/downloads/"));
        namedChild<QAction>(main(), "MAktualisierung")->trigger();
        QVERIFY(program->updateWindow()->isVisible());
        QVERIFY(!test::visibleWindow("FImport"));
    }
};

QTEST_MAIN(DrawsInOneStepTest)
#include "test_draws_in_one_step.moc"
