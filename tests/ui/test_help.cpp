#include "support/message_capture.h"
#include "support/named_child.h"
#include "support/temp_folder.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/start_window.h"
#include "ui/common/message_box.h"
#include "ui/draws/draw_panel.h"
#include "ui/draws/paste_window.h"
#include "ui/draws/update_window.h"
#include "ui/navigation/help_picture.h"
#include "ui/navigation/help_window.h"
#include "ui/navigation/navigator.h"
#include "ui/settings/options_window.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/statistics/statistics_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace talvo;

// Every way into the help opens the topic of its window, in the running program with the
// help file the build wrote.
class HelpTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    std::unique_ptr<ui::Application> program;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();

    ui::MainWindow& main() { return *program->mainWindow(); }
    ui::HelpWindow* help() { return program->navigator().helpWindow(); }
    QString shownTopic() { return help() ? help()->currentTopic().fileName() : QString(); }
    void startProgram(const QString& helpFile) {
        program.reset();
        logic::AppPaths paths = data.paths();
        paths.helpFile = helpFile;
        program = std::make_unique<ui::Application>(paths);
        program->start();
    }
    template <typename T> T* control(QWidget* window, const char* name) {
        return test::namedChild<T>(*window, name);
    }

  private slots:
    void init() {
        capture.clear();
        startProgram(QStringLiteral(TALVO_BIN_DIR "/TALVO Hilfe.qch"));
    }
    void cleanup() { program.reset(); }

    void everyControlOpensTheTopicOfItsWindow() {
        ui::MainWindow* m = &main();
        program->navigator().go(ui::Route::PasteNumbers);
        QWidget* start = program->startWindow();
        QWidget* update = program->updateWindow();
        QWidget* options = program->optionsWindow();
        QWidget* centre = program->slipCentre();
        QWidget* statistics = program->statisticsWindow();
        const struct {
            const char* what;
            std::function<void()> open;
            const char* topic;
        } routes[] = {
            {"main menu Inhalt", [&] { control<QAction>(m, "MInhalt")->trigger(); }, "zentrale.html"},
            {"main tool bar", [&] { control<QAction>(m, "THilfe")->trigger(); }, "zentrale.html"},
            {"F1 in the draw pages", [&] { QTest::keyClick(control<QWidget>(m, "comboNr"), Qt::Key_F1); },
             "ziehungen.html"},
            {"F1 elsewhere in the main window",
             [&] { QTest::keyClick(control<QWidget>(m, "E77"), Qt::Key_F1); }, "zentrale.html"},
            {"help panel", [&] { control<QAbstractButton>(m, "BHilfe0")->click(); }, "einstieg.html"},
            {"start window",
             [&] { emit control<QLabel>(start, "LWieGeht")->linkActivated(QStringLiteral("#")); },
             "einstieg.html"},
            {"F1 in the paste window",
             [&] {
                 QTest::keyClick(control<QPlainTextEdit>(m->drawPanel()->pasteWindow(), "M1"), Qt::Key_F1);
             },
             "einfuegen.html"},
            {"F1 in the update window", [&] { QTest::keyClick(update, Qt::Key_F1); }, "aktualisierung.html"},
            {"options Hilfe", [&] { control<QAction>(options, "BHilfe")->trigger(); }, "optionen.html"},
            {"F1 in the options", [&] { QTest::keyClick(options, Qt::Key_F1); }, "optionen.html"},
            {"slip centre Hilfe", [&] { control<QAction>(centre, "BHilfe")->trigger(); },
             "spielscheincenter.html"},
            {"slip centre hint button", [&] { control<QAbstractButton>(centre, "BHinweisHilfe")->click(); },
             "spielscheincenter.html"},
            {"statistics Hilfe", [&] { control<QAction>(statistics, "BHilfe")->trigger(); },
             "statistik.html"},
            {"F1 in the statistics window", [&] { QTest::keyClick(statistics, Qt::Key_F1); },
             "statistik.html"},
        };
        for (const auto& r : routes) {
            if (help())
                help()->hide();
            r.open();
            QVERIFY2(help() && help()->isVisible(), r.what);
            QVERIFY2(shownTopic() == QLatin1String(r.topic),
                     qPrintable(QStringLiteral("%1: %2").arg(r.what, shownTopic())));
        }

        // The calendar's help menu: topic 0 and the keyword index.
        control<QAction>(m, "TKalender")->trigger();
        QWidget* calendarWindow = program->navigator().window(ui::Route::Calendar);
        control<QAction>(calendarWindow, "MInhalt")->trigger();
        QCOMPARE(shownTopic(), QStringLiteral("einstieg.html"));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    // The windows still to come open their topics by these numbers.
    void everyContextNumberHasItsTopic() {
        const struct {
            int context;
            const char* topic;
            const char* title;
        } topics[] = {{0, "einstieg.html", "Willkommen bei TALVO"},
                      {40, "zentrale.html", "Die Zentrale"},
                      {50, "aktualisierung.html", "Gewinnzahlen aktualisieren"},
                      {55, "optionen.html", "Optionen"},
                      {60, "ziehungen.html", "Ziehungen ansehen und eingeben"},
                      {70, "spielscheincenter.html", "Spielscheincenter"},
                      {90, "statistik.html", "Statistische Auswertungen"},
                      {100, "tippcenter.html", "Tippcenter"},
                      {110, "archivimport.html", "Ziehungen importieren und exportieren"},
                      {120, "strategietest.html", "Strategietest"},
                      {130, "ziehungsexport.html", "Ziehungen exportieren"},
                      {140, "programmupdate.html", "Programm-Update"},
                      {150, "uebersicht.html", "Übersicht und Saldo"},
                      {160, "plus5.html", "plus 5 und seine Gewinne"},
                      {170, "drucken.html", "Drucken und als PDF speichern"},
                      {1017, "einfuegen.html", "Gewinnzahlen aus einer Webseite übernehmen"}};
        for (const auto& t : topics) {
            program->navigator().showHelp(t.context);
            QCOMPARE(shownTopic(), QLatin1String(t.topic));
            QCOMPARE(help()->currentTitle(), QString::fromUtf8(t.title));
        }
        QVERIFY(messages.isEmpty());
        program->navigator().showHelp(77);
        QCOMPARE(messages, QStringList{QStringLiteral(
                               "Zu diesem Fenster gibt es in der Hilfe kein Thema (Nummer 77).")});
    }

    void searchTabOpensTheKeywordIndexAndTheFullTextSearchFindsTopics() {
        control<QAction>(&main(), "MSuchen")->trigger();
        QVERIFY(help()->isVisible());
        auto* tabs = control<QTabWidget>(help(), "HilfeRegister");
        QCOMPARE(tabs->currentIndex(), 1);
        auto* keyword = control<QLineEdit>(help(), "HilfeStichwort");
        QVERIFY(keyword->text().isEmpty());
        QTRY_VERIFY(help()->engine().indexModel()->rowCount() > 10);

        // The search index is built in the background when the help is first opened.
        QHelpSearchEngine* search = help()->engine().searchEngine();
        int hits = 0;
        for (int attempt = 0; attempt < 50 && hits == 0; ++attempt) {
            QSignalSpy found(search, &QHelpSearchEngine::searchingFinished);
            search->search(QStringLiteral("Restanten"));
            QVERIFY(found.wait(10000));
            hits = found.at(0).at(0).toInt();
            if (hits == 0)
                QTest::qWait(200);
        }
        QCOMPARE(hits, 1);
        QCOMPARE(search->searchResults(0, 1).at(0).url().fileName(), QStringLiteral("tippcenter.html"));
    }

    // The pictures are stored at twice their shown size and handed to the topic pane at the
    // screen's pixel ratio, so the pane never stretches them.
    void windowPicturesAreShownAtTheirOwnSizeAndScreenResolution() {
        program->navigator().showHelp(40);
        auto* pane = control<QTextBrowser>(help(), "HilfeThema");
        const QUrl name(QStringLiteral("bilder/zentrale.png"));
        QImage stored;
        QVERIFY(stored.loadFromData(help()->engine().fileData(pane->source().resolved(name))));
        QCOMPARE(stored.width(), 2 * 640);
        const QVariant shown = pane->document()->resource(QTextDocument::ImageResource, name);
        QVERIFY(shown.canConvert<QImage>());
        const QImage image = shown.value<QImage>();
        QCOMPARE(image.devicePixelRatio(), pane->devicePixelRatioF());
        QCOMPARE(image.deviceIndependentSize().toSize(), stored.size() / 2);
        QVERIFY(!help()->engine().fileData(pane->source()).contains("width="));
    }

    void helpPicturesAreDrawnAtTwiceTheirSize_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("maxWidth");
        QTest::addColumn<QSize>("stored");
        QTest::newRow("narrow window, full size") << QSize(300, 200) << 640 << QSize(600, 400);
        QTest::newRow("wide window, reduced") << QSize(1280, 400) << 640 << QSize(1280, 400);
    }

    void helpPicturesAreDrawnAtTwiceTheirSize() {
        QFETCH(QSize, window);
        QFETCH(int, maxWidth);
        QFETCH(QSize, stored);
        QLabel label(QStringLiteral("Gewinnzahlen"));
        label.resize(window);
        const QImage picture = ui::helpPicture(label, maxWidth);
        QCOMPARE(picture.size(), stored);
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            const QImage onScreen = ui::helpPictureForScreen(picture, ratio);
            QCOMPARE(onScreen.devicePixelRatio(), ratio);
            QCOMPARE(onScreen.width(), qRound(stored.width() * ratio / 2));
        }
    }

    void aMissingHelpFileIsReported() {
        startProgram(data.filePath(QStringLiteral("nirgends/TALVO Hilfe.qch")));
        control<QAction>(&main(), "MInhalt")->trigger();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(QStringLiteral("Die Hilfe ")));
        QVERIFY(messages[0].endsWith(QStringLiteral("kann nicht geöffnet werden: Die Datei fehlt.")));
        QVERIFY(!help());
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
