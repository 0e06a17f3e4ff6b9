#include "logic/update/program_update.h"
#include "platform/download.h"
#include "platform/shell.h"
#include "support/http_test_server.h"
#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "support/version_file.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/new_version_window.h"
#include "ui/app/version_check.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/navigation/help_window.h"
#include "ui/navigation/navigator.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace talvo;
using Message = test::ShownMessage;

namespace {

const QString kVersionPath = QStringLiteral("/downloads/version.tlv");
const QString kInstallerPath = QStringLiteral("/downloads/tvupdate.deb");

int newVersionWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String("FNeueVersion") && w->isVisible() ? 1 : 0;
    return count;
}

QString labelText(QWidget& window, const char* name) {
    return test::namedChild<QLabel>(window, name)->text();
}

} // namespace

// The help menu's update check and the new-version window in the running program, against
// a server on this machine.
class ProgramUpdateTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    std::unique_ptr<test::HttpTestServer> server;
    std::unique_ptr<ui::Application> program;
    test::MessageCapture capture;
    QList<test::ShownMessage>& messages = capture.shown();
    QStringList opened;
    bool openerAnswer = true;

    ui::VersionCheck& check() { return program->versionCheck(); }
    void runCheck() {
        QSignalSpy done(&check(), &ui::VersionCheck::checkFinished);
        test::namedChild<QAction>(*program->mainWindow(), "MUpdate")->trigger();
        // The check runs in the background: the menu entry returns at once.
        QVERIFY(check().isRunning());
        QVERIFY(done.wait(20000));
        QVERIFY(!check().isRunning());
        QVERIFY(!QApplication::overrideCursor());
    }
    ui::NewVersionWindow* openWindow(const QByteArray& version) {
        server->set(kVersionPath, {200, test::versionFile(version)});
        runCheck();
        return check().window();
    }
    bool download(ui::NewVersionWindow& w) {
        QSignalSpy done(&w, &ui::NewVersionWindow::downloadFinished);
        test::namedChild<QPushButton>(w, "BDownload")->click();
        if (!w.isDownloading() || !done.wait(20000))
            return false;
        return done.at(0).at(0).toBool();
    }

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
        server = std::make_unique<test::HttpTestServer>();
        logic::AppPaths paths = data.paths();
        paths.helpFile = QStringLiteral(TALVO_BIN_DIR "/TALVO Hilfe.qch");
        program = std::make_unique<ui::Application>(paths, server->base());
        program->start();
    }
    void cleanup() {
        program.reset();
        server.reset();
        ui::setClockForTests({});
        platform::setShellOpenerForTests({});
        platform::setOnlineForTests(std::nullopt);
        QFile::remove(data.filePath(QStringLiteral("version.tlv")));
        QFile::remove(data.filePath(QStringLiteral("Update.deb")));
    }

    void offlineTheCheckDoesNotStart() {
        platform::setOnlineForTests(false);
        test::namedChild<QAction>(*program->mainWindow(), "MUpdate")->trigger();
        QCOMPARE(messages,
                 (QList<Message>{
                     {QStringLiteral("Sie sind offline! Für die Prüfung, ob eine aktuellere Programm-Version "
                                     "heruntergeladen werden kann, muss eine Verbindung zum Internet "
                                     "bestehen."),
                      ui::MessageIcon::Error}}));
        QVERIFY(!check().isRunning());
        QCOMPARE(server->requests(), 0);
    }

    void theServersAnswerDecides() {
        const QString notPossible = QStringLiteral(
            "Momentan ist die Prüfung, ob eine aktuellere Programm-Version heruntergeladen werden kann, "
            "nicht möglich.\r\rBitte versuchen Sie es später noch einmal oder schauen Sie auf "
            "talvo.example.net nach.");
        const struct {
            const char* what;
            test::HttpTestServer::Answer answer;
            QList<Message> said;
            bool window;
        } cases[] = {
            {"the same version",
             {200, test::versionFile("1.7.1.0")},
             {{QStringLiteral("Sie nutzen die aktuelle Programm-Version."), ui::MessageIcon::Information}},
             false},
            {"an older version", {200, test::versionFile("1.6.0.0")}, {}, true},
            {"a newer version", {200, test::versionFile("1.8.0.0")}, {}, true},
            {"a file of 10 bytes", {200, test::versionFile("1.8.0.0").left(10)}, {}, false},
            {"a text of no length", {200, test::versionFile("1.8.0.0", 0)}, {}, false},
            {"no file",
             {404, "<html>Not Found</html>"},
             {{notPossible, ui::MessageIcon::Information}},
             false},
            {"a cut answer",
             {200, test::versionFile("1.8.0.0"), test::HttpTestServer::Mode::Truncated},
             {{notPossible, ui::MessageIcon::Information}},
             false},
        };
        for (const auto& c : cases) {
            if (check().window())
                check().window()->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            messages.clear();
            server->set(kVersionPath, c.answer);
            runCheck();
            QVERIFY2(messages == c.said, c.what);
            QVERIFY2((check().window() != nullptr) == c.window, c.what);
            QCOMPARE(newVersionWindows(), c.window ? 1 : 0);
        }
    }

    void aSecondRequestWhileTheCheckRunsIsIgnored() {
        server->set(kVersionPath, {200, test::versionFile("1.7.1.0")});
        QSignalSpy done(&check(), &ui::VersionCheck::checkFinished);
        auto* entry = test::namedChild<QAction>(*program->mainWindow(), "MUpdate");
        entry->trigger();
        entry->trigger();
        QVERIFY(done.wait(20000));
        QTest::qWait(100);
        QCOMPARE(done.count(), 1);
        QCOMPARE(server->requests(), 1);
        QCOMPARE(messages.size(), 1);
        QVERIFY(!QApplication::overrideCursor());
    }

    void theWindowNamesBothVersions() {
        ui::NewVersionWindow* w = openWindow("1.6.0.0");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Angaben zur aktuellen Version"));
        QCOMPARE(labelText(*w, "LJetzt"), QStringLiteral("TALVO 1.7.1.0"));
        QCOMPARE(labelText(*w, "LNeu"), QStringLiteral("1.6.0.0"));
        QVERIFY(!(w->windowFlags() & Qt::WindowStaysOnTopHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(w->x() < screen.left() + 100 && w->y() < screen.top() + 100);
        QVERIFY(!test::namedChild<QWidget>(*w, "p1")->isVisible());
        QVERIFY(!test::namedChild<QWidget>(*w, "PInst")->isVisible());
        QVERIFY(test::namedChild<QPushButton>(*w, "BDownload")->isEnabled());
        QStringList texts;
        for (const QLabel* label : w->findChildren<QLabel*>())
            texts << label->text();
        for (const char* text :
             {"Wenn Sie auf Download klicken, wird die Datei für die Installation in das Datenverzeichnis "
              "geladen.",
              "Wenn die Installation startet, wird das Programm beendet. Das Update wird in das "
              "Datenverzeichnis installiert.",
              "Alternativ kann die Installation eigenhändig über Doppelklick auf die Datei Update.deb im "
              "Datenverzeichnis gestartet werden.",
              "Nach Abschluss des Downloads wird der Knopf „Installation“ aktiv.", "neue Version!"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);

        // A second check shows its own window in place of the first.
        QPointer<ui::NewVersionWindow> first = w;
        ui::NewVersionWindow* second = openWindow("1.8.0.0");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(labelText(*second, "LNeu"), QStringLiteral("1.8.0.0"));
        QCOMPARE(newVersionWindows(), 1);

        QTest::keyClick(second, Qt::Key_F1);
        ui::HelpWindow* help = program->navigator().helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->currentTopic().fileName(), QStringLiteral("programmupdate.html"));

        test::namedChild<QPushButton>(*second, "BSchliessen")->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!check().window());
        QVERIFY(messages.isEmpty());
    }

    void theInstallerComesWithItsProgress() {
        QByteArray installer(2 * 1024 * 1024, '\0');
        for (int i = 0; i < installer.size(); ++i)
            installer[i] = static_cast<char>(i % 251);
        server->set(kInstallerPath, {200, installer});
        ui::NewVersionWindow* w = openWindow("1.8.0.0");
        QVERIFY(download(*w));
        QCOMPARE(test::readFile(w->installerPath()), installer);
        QCOMPARE(w->installerPath(), data.filePath(QStringLiteral("Update.deb")));
        QVERIFY(test::namedChild<QWidget>(*w, "p1")->isVisible());
        QVERIFY(test::namedChild<QWidget>(*w, "PInst")->isVisible());
        auto* progressBar = test::namedChild<QProgressBar>(*w, "Gauge1");
        QCOMPARE(progressBar->value(), progressBar->maximum());
        QVERIFY(test::namedChild<QPushButton>(*w, "BDownload")->isEnabled());
        QVERIFY(messages.isEmpty());

        // The download can be repeated; a failed one takes the installer of the first with it.
        server->set(kInstallerPath, {404, "<html>Not Found</html>"});
        QVERIFY(!download(*w));
        QCOMPARE(messages,
                 (QList<Message>{{QStringLiteral("Das Herunterladen hat nicht geklappt.\r\rVersuchen Sie es "
                                                 "später noch einmal."),
                                  ui::MessageIcon::Information}}));
        QVERIFY(!QFile::exists(w->installerPath()));
        QVERIFY(test::namedChild<QWidget>(*w, "p1")->isVisible());
        QVERIFY(!test::namedChild<QWidget>(*w, "PInst")->isVisible());
        QVERIFY(test::namedChild<QLabel>(*w, "LStatus")->text().contains(QStringLiteral("404")));
        QVERIFY(test::namedChild<QPushButton>(*w, "BDownload")->isEnabled());
        QCOMPARE(QDir(data.path()).entryList({QStringLiteral("Update*")}, QDir::Files | QDir::Hidden),
                 QStringList());

        messages.clear();
        platform::setOnlineForTests(false);
        test::namedChild<QPushButton>(*w, "BDownload")->click();
        QVERIFY(!w->isDownloading());
        QCOMPARE(
            messages,
            (QList<Message>{{QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung "
                                            "zum Internet bestehen."),
                             ui::MessageIcon::Information}}));
    }

    // With the server's check file an installer cut short is reported and not kept, and one
    // that matches is.
    void theCheckFileDecidesWhetherTheInstallerIsKept() {
        QByteArray installer(300 * 1024, '\0');
        for (int i = 0; i < installer.size(); ++i)
            installer[i] = static_cast<char>(i % 253);
        server->set(kInstallerPath + QStringLiteral(".check"),
                    {200, QByteArray::number(installer.size()) + ' ' +
                              QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex() +
                              '\n'});
        server->set(kInstallerPath, {200, installer, test::HttpTestServer::Mode::NoLengthCut});
        ui::NewVersionWindow* w = openWindow("1.8.0.0");
        QVERIFY(!download(*w));
        QCOMPARE(messages,
                 (QList<Message>{{QStringLiteral("Das Herunterladen hat nicht geklappt.\r\rVersuchen Sie es "
                                                 "später noch einmal."),
                                  ui::MessageIcon::Information}}));
        QVERIFY(test::namedChild<QLabel>(*w, "LStatus")->text().contains(QStringLiteral("unvollständig")));
        QVERIFY(!test::namedChild<QWidget>(*w, "PInst")->isVisible());
        QCOMPARE(QDir(data.path()).entryList({QStringLiteral("Update*")}, QDir::Files | QDir::Hidden),
                 QStringList());

        messages.clear();
        server->set(kInstallerPath, {200, installer, test::HttpTestServer::Mode::NoLength});
        QVERIFY(download(*w));
        QCOMPARE(test::readFile(w->installerPath()), installer);
        QVERIFY(test::namedChild<QWidget>(*w, "PInst")->isVisible());
        QCOMPARE(QDir(data.path()).entryList({QStringLiteral("Update*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Update.deb")});
        QVERIFY(messages.isEmpty());
    }

    // The server's version text is shown without its control characters.
    void theVersionTextIsShownWithoutControlCharacters() {
        ui::NewVersionWindow* w = openWindow("\x1b[31mROT\x1b[0m\nX");
        QVERIFY(w);
        QCOMPARE(labelText(*w, "LNeu"), QStringLiteral(" [31mROT [0m X"));
    }

    void closingTheWindowEndsItsDownload() {
        server->set(kInstallerPath, {200, QByteArray(1000, 'x'), test::HttpTestServer::Mode::Stall});
        ui::NewVersionWindow* w = openWindow("1.8.0.0");
        test::namedChild<QPushButton>(*w, "BDownload")->click();
        QVERIFY(w->isDownloading());
        QVERIFY(w->cursor().shape() == Qt::BusyCursor);
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!check().window());
        QTest::qWait(200);
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("Update.deb"))));
        QVERIFY(messages.isEmpty());
    }

    void installationAsksStartsThePackageAndEndsTheProgram() {
        server->set(kInstallerPath, {200, QByteArray(5000, 'p')});
        ui::NewVersionWindow* w = openWindow("1.8.0.0");
        QVERIFY(download(*w));
        QSignalSpy ended(program.get(), &ui::Application::finished);
        auto* install = test::namedChild<QPushButton>(*w, "BInstallation");
        const QString question = QStringLiteral(
            "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Das "
            "Update wird "
            "gestartet. Wenn etwas schiefläuft, bitte das Update manuell durch Doppelklick auf die Datei "
            "\"Update.deb\" im Datenverzeichnis starten.\r\rSoll fortgefahren werden?");

        capture.answer(false);
        install->click();
        QCOMPARE(messages,
                 (QList<Message>{
                     {question, ui::MessageIcon::Question},
                     {QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie können das "
                                     "Update manuell durch Doppelklick auf die Datei \"Update.deb\" im "
                                     "Datenverzeichnis starten."),
                      ui::MessageIcon::Information}}));
        QVERIFY(opened.isEmpty());
        QCOMPARE(ended.count(), 0);
        QVERIFY(QFile::exists(w->installerPath()));

        messages.clear();
        capture.answer(true);
        openerAnswer = false;
        install->click();
        QCOMPARE(messages,
                 (QList<Message>{
                     {question, ui::MessageIcon::Question},
                     {QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie TALVO "
                                     "und starten Sie das Update manuell durch Doppelklick auf die Datei "
                                     "\"Update.deb\" im Datenverzeichnis."),
                      ui::MessageIcon::Information}}));
        QCOMPARE(ended.count(), 0);
        QVERIFY(w->isVisible());

        messages.clear();
        opened.clear();
        openerAnswer = true;
        install->click();
        QCOMPARE(opened, QStringList{QUrl::fromLocalFile(w->installerPath()).toString()});
        QCOMPARE(ended.count(), 1);
        QCOMPARE(messages.size(), 1);
        // The package manager replaces the program: the package stays, nothing else goes.
        QVERIFY(QFile::exists(w->installerPath()));
    }
};

QTEST_MAIN(ProgramUpdateTest)
#include "test_program_update.moc"
