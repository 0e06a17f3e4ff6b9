#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/state/program_state.h"
#include "platform/download.h"
#include "support/history_builder.h"
#include "support/http_test_server.h"
#include "support/message_capture.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/draws/update_window.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace talvo;

class UpdateWindowTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    const logic::DrawHistory full = test::drawDays(QDate(2024, 1, 2), 60);
    const QDate lastStored = logic::serialToDate(full[49].datum);

    QRadioButton* choice(QWidget& w, int c) {
        return w.findChild<QRadioButton*>(QStringLiteral("RG1_%1").arg(c));
    }
    void clickStart(QWidget& w) { w.findChild<QPushButton*>(QStringLiteral("BStart"))->click(); }

  private slots:
    void init() {
        paths = data.paths();
        capture.clear();
        platform::setOnlineForTests(true);
        logic::saveDrawHistory(paths.historyFile(), logic::DrawHistory(full.begin(), full.begin() + 50));
    }
    void cleanup() {
        platform::setOnlineForTests(std::nullopt);
        ui::setClockForTests({});
    }

    void preselectsTheNeedOnceAtCreation() {
        logic::ProgramState state;
        state.setHistory(logic::loadDrawHistory(paths.historyFile()));
        ui::setClockForTests([this] { return QDateTime(lastStored.addDays(8), QTime(20, 0)); });
        ui::UpdateWindow w(state, paths, QStringLiteral("http://127.0.0.1:1/downloads/"));
        w.setUpAtStart();
        QVERIFY(choice(w, 2)->isChecked());
        QCOMPARE(w.chosenFileName(), QStringLiteral("gz30.tpp"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Aktualisieren Sie..."));

        choice(w, 0)->click();
        QCOMPARE(w.chosenFileName(), QString());
        clickStart(w);
        QCOMPARE(messages, QStringList{QStringLiteral(
                               "Es wurde kein Aktualisierungsbedarf gesetzt.\r\rIch breche ab.")});

        choice(w, 5)->click();
        QCOMPARE(w.chosenFileName(), QStringLiteral("gzAlle.tpp"));
        platform::setOnlineForTests(false);
        clickStart(w);
        QCOMPARE(messages.last(),
                 QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));
    }

    void downloadMergesAndRewritesTheHistory() {
        test::HttpTestServer server;
        server.set(QStringLiteral("/downloads/gz30.tpp"),
                   {200, logic::drawsToBytes(logic::DrawHistory(full.end() - 30, full.end()))});
        logic::ProgramState state;
        state.setHistory(logic::loadDrawHistory(paths.historyFile()));
        ui::UpdateWindow w(state, paths, server.base());
        choice(w, 2)->click();
        QSignalSpy finished(&w, &ui::UpdateWindow::updateFinished);
        QSignalSpy changed(&state, &logic::ProgramState::historyChanged);
        clickStart(w);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(state.history().size(), full.size());
        QCOMPARE(test::readFile(paths.historyFile()), logic::drawsToBytes(full));
        QVERIFY(!QFile::exists(paths.dataDir + QStringLiteral("tempGZ.tpp")));
        QVERIFY(messages.isEmpty());
    }

    void failedDownloadIsReportedAndMergesNothing() {
        test::HttpTestServer server; // every file is "404 Not Found"
        logic::ProgramState state;
        state.setHistory(logic::loadDrawHistory(paths.historyFile()));
        const QByteArray before = test::readFile(paths.historyFile());
        ui::UpdateWindow w(state, paths, server.base());
        choice(w, 1)->click();
        QSignalSpy finished(&w, &ui::UpdateWindow::updateFinished);
        clickStart(w);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        // The message says why, in German, and how else the draws come in.
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(
                     QStringLiteral("Das Herunterladen aktueller Daten hat leider nicht geklappt.\r"
                                    "Der Server antwortete auf %1gz6.tpp mit dem Status 404 "
                                    "(Datei nicht gefunden).\r\r")
                         .arg(server.base())),
                 qPrintable(messages[0]));
        for (const char* way :
             {"Ziehungen importieren...", "Archiv aus dem Internet laden...", "neu/ändern..."})
            QVERIFY2(messages[0].contains(QString::fromUtf8(way)), way);
        QCOMPARE(test::readFile(paths.historyFile()), before);
        QCOMPARE(state.history().size(), std::size_t{50});
    }
};

QTEST_MAIN(UpdateWindowTest)
#include "test_update_window.moc"
