#include "logic/core/paths.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "support/message_capture.h"
#include "support/temp_files.h"
#include "support/temp_folder.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/settings/options_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>

using namespace talvo;

class OptionsWindowTest : public QObject {
    Q_OBJECT

    test::TempFolder data;
    logic::AppPaths paths;
    test::MessageCapture capture;
    QStringList& messages = capture.texts();
    QList<QPair<int, int>> statisticsRequests;
    QStringList loadedFiles;

    // One program start: a fresh state and a fresh window through its creation step.
    struct StartedWindow {
        logic::ProgramState state;
        logic::StatisticsSelection selection{state};
        std::unique_ptr<ui::OptionsWindow> window;
    };
    std::unique_ptr<StartedWindow> startWindow() {
        auto s = std::make_unique<StartedWindow>();
        s->window = std::make_unique<ui::OptionsWindow>(s->state, s->selection, paths);
        // The stored draw count goes into the selection just before the stored tab is chosen.
        const logic::StatisticsSelection& selection = s->selection;
        QObject::connect(s->window.get(), &ui::OptionsWindow::statisticsTabChosen, s->window.get(),
                         [this, &selection](int reg) {
                             statisticsRequests << qMakePair(selection.drawCountIndex(), reg);
                         });
        QObject::connect(s->window.get(), &ui::OptionsWindow::evaluationFileRequested, s->window.get(),
                         [this](const QString& path) { loadedFiles << path; });
        s->window->setUpAtStart();
        return s;
    }

    template <class T> static T* control(const StartedWindow& s, const QString& name) {
        return s.window->findChild<T*>(name);
    }
    static QComboBox* combo(const StartedWindow& s, const QString& name) {
        return control<QComboBox>(s, name);
    }

    void writeOptions(const QByteArray& bytes) {
        test::writeFile(data, QStringLiteral("optionen.kop"), bytes);
    }

  private slots:
    void init() {
        paths = data.paths();
        QFile::remove(paths.optionsFile());
        QDir(paths.optionsFile()).removeRecursively();
        statisticsRequests.clear();
        loadedFiles.clear();
        capture.clear();
    }

    void withoutAFileEverythingIsZero() {
        auto s = startWindow();
        QCOMPARE(s->window->windowTitle(), QStringLiteral("Optionen - Programmeinstellungen"));
        QCOMPARE(s->window->objectName(), QStringLiteral("FOptionen"));
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(combo(*s, QStringLiteral("combo%1").arg(i))->currentText(), QStringLiteral("--"));
            QCOMPARE(combo(*s, QStringLiteral("combo2%1").arg(i))->currentText(), QStringLiteral("--"));
            QCOMPARE(combo(*s, QStringLiteral("combo%1").arg(i))->count(), 10);
        }
        QCOMPARE(combo(*s, QStringLiteral("ComboEinsatz"))->currentText(), QStringLiteral("1"));
        QCOMPARE(combo(*s, QStringLiteral("comboLaufzeit"))->currentText(), QStringLiteral("Dauerspiel"));
        QCOMPARE(combo(*s, QStringLiteral("comboLaufzeit"))->count(), 11);
        QCOMPARE(combo(*s, QStringLiteral("ComboStat1"))->currentText(), QStringLiteral("Alle"));
        QCOMPARE(combo(*s, QStringLiteral("ComboStat1"))->itemText(9), QStringLiteral("Die letzten 313"));
        QCOMPARE(combo(*s, QStringLiteral("ComboStat2"))->currentText(), QStringLiteral("Einzelnummern"));
        QCOMPARE(combo(*s, QStringLiteral("ComboTipps"))->currentText(),
                 QStringLiteral("Nur aus Restanten wählen"));
        QVERIFY(control<QRadioButton>(*s, QStringLiteral("RG3_0"))->isChecked());
        QVERIFY(!control<QCheckBox>(*s, QStringLiteral("cbPlus5"))->isChecked());
        QVERIFY(control<QLineEdit>(*s, QStringLiteral("EFile"))->text().isEmpty());
        QCOMPARE(s->state.colourScheme(), 1);
        QCOMPARE(statisticsRequests, (QList<QPair<int, int>>{{0, 0}}));
        QVERIFY(loadedFiles.isEmpty());
        QVERIFY(messages.isEmpty());
        QVERIFY(!QFileInfo::exists(paths.optionsFile()));
    }

    void savedChoicesAreBackAfterARestart() {
        const QString startFile = test::writeFile(data, QStringLiteral("start.tix"), QByteArray(112, '\0'));
        {
            auto s = startWindow();
            combo(*s, QStringLiteral("combo21"))->setCurrentIndex(5);
            combo(*s, QStringLiteral("combo3"))->setCurrentIndex(9);
            combo(*s, QStringLiteral("ComboEinsatz"))->setCurrentIndex(2);
            combo(*s, QStringLiteral("comboLaufzeit"))->setCurrentIndex(10);
            combo(*s, QStringLiteral("ComboStat1"))->setCurrentIndex(7);
            combo(*s, QStringLiteral("ComboStat2"))->setCurrentIndex(4);
            combo(*s, QStringLiteral("ComboTipps"))->setCurrentIndex(3);
            control<QCheckBox>(*s, QStringLiteral("cbPlus5"))->setChecked(true);
            control<QRadioButton>(*s, QStringLiteral("RG3_5"))->click();
            control<QLineEdit>(*s, QStringLiteral("EFile"))->setText(startFile);
            s->window->findChild<QAction*>(QStringLiteral("BSpeichern"))->trigger();
            QCOMPARE(s->state.options().scheinTyp[0], 5);
            QCOMPARE(s->state.colourScheme(), 6);
        }
        QCOMPARE(QFileInfo(paths.optionsFile()).size(), 324);
        statisticsRequests.clear();
        auto s = startWindow();
        QCOMPARE(combo(*s, QStringLiteral("combo21"))->currentText(), QStringLiteral("6"));
        QCOMPARE(combo(*s, QStringLiteral("combo22"))->currentText(), QStringLiteral("--"));
        QCOMPARE(combo(*s, QStringLiteral("combo3"))->currentText(), QStringLiteral("10"));
        QCOMPARE(combo(*s, QStringLiteral("ComboEinsatz"))->currentText(), QStringLiteral("5"));
        QCOMPARE(combo(*s, QStringLiteral("comboLaufzeit"))->currentText(), QStringLiteral("30"));
        QCOMPARE(combo(*s, QStringLiteral("ComboStat1"))->currentText(), QStringLiteral("Die letzten 50"));
        QCOMPARE(combo(*s, QStringLiteral("ComboStat2"))->currentText(), QStringLiteral("Beste Kombis"));
        QCOMPARE(combo(*s, QStringLiteral("ComboTipps"))->currentIndex(), 3);
        QVERIFY(control<QCheckBox>(*s, QStringLiteral("cbPlus5"))->isChecked());
        QVERIFY(control<QRadioButton>(*s, QStringLiteral("RG3_5"))->isChecked());
        QCOMPARE(s->state.colourScheme(), 6);
        QCOMPARE(s->state.options().einsatzIndex, 2);
        QCOMPARE(statisticsRequests, (QList<QPair<int, int>>{{7, 4}}));
        QCOMPARE(loadedFiles, QStringList{startFile});
    }

    void tryingASchemeActsAtOnceButOnlySavingKeepsIt() {
        {
            auto s = startWindow();
            control<QRadioButton>(*s, QStringLiteral("RG3_6"))->click();
            QCOMPARE(s->state.colourScheme(), 7);
            QCOMPARE(s->state.options().farbschema, 0);
            s->window->findChild<QAction*>(QStringLiteral("BSchliessen"))->trigger();
        }
        auto s = startWindow();
        QCOMPARE(s->state.colourScheme(), 1);
        QVERIFY(!QFileInfo::exists(paths.optionsFile()));
    }

    void damagedFilesStartWithSaneChoices() {
        // Too short to hold a record: as if there were none.
        writeOptions(QByteArray(100, '\x03'));
        {
            auto s = startWindow();
            QCOMPARE(combo(*s, QStringLiteral("ComboEinsatz"))->currentIndex(), 0);
            QCOMPARE(combo(*s, QStringLiteral("combo1"))->currentText(), QStringLiteral("--"));
            QCOMPARE(s->state.colourScheme(), 1);
            QVERIFY(messages.isEmpty());
        }

        // Negative and huge values everywhere.
        QByteArray bytes(324, '\0');
        const auto put = [&bytes](int offset, qint32 v) {
            qToLittleEndian<qint32>(v, bytes.data() + offset);
        };
        put(0, 2000000000);
        put(4, -1);
        put(8, 77);
        put(12, 10);
        put(16, -5);
        put(20, 1 << 30);
        for (int i = 0; i < 5; ++i) {
            put(24 + 4 * i, i == 2 ? -1 : 10 + i);
            put(44 + 4 * i, -2147483647 - 1);
        }
        bytes[64] = static_cast<char>(255);
        bytes[320] = 7;
        statisticsRequests.clear();
        writeOptions(bytes + QByteArray(40, '\x7f'));
        auto s = startWindow();
        QCOMPARE(s->state.colourScheme(), 1);
        QVERIFY(control<QRadioButton>(*s, QStringLiteral("RG3_0"))->isChecked());
        for (const char* name : {"ComboEinsatz", "comboLaufzeit", "ComboStat1", "ComboStat2", "ComboTipps"})
            QCOMPARE(combo(*s, QString::fromLatin1(name))->currentIndex(), 0);
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(combo(*s, QStringLiteral("combo%1").arg(i))->currentText(), QString::number(2 * i));
            QCOMPARE(combo(*s, QStringLiteral("combo2%1").arg(i))->currentText(), QString::number(2 * i));
        }
        QVERIFY(control<QCheckBox>(*s, QStringLiteral("cbPlus5"))->isChecked());
        QCOMPARE(control<QLineEdit>(*s, QStringLiteral("EFile"))->text().size(), 255);
        // A draw count no list has is not handed to the statistics window.
        QVERIFY(statisticsRequests.isEmpty());
        QVERIFY(loadedFiles.isEmpty());
        QVERIFY(messages.isEmpty());
    }

    void unreadableFileIsReportedAndTheWindowStillStarts() {
        QDir().mkpath(paths.optionsFile());
        auto s = startWindow();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("optionen.kop")));
        QCOMPARE(combo(*s, QStringLiteral("ComboStat1"))->currentIndex(), 0);
        QCOMPARE(statisticsRequests, (QList<QPair<int, int>>{{0, 0}}));
    }

    void tipTypeMinusOneSelectsTheGamesDefault() {
        logic::OptionsRecord e;
        e.tippTyp = {0, 0, -1, 0, 0};
        e.statAnzahlIndex = -1;
        e.statRegister = 3;
        logic::saveOptions(paths.optionsFile(), e);
        auto s = startWindow();
        QCOMPARE(combo(*s, QStringLiteral("combo3"))->currentText(), QStringLiteral("6"));
        QCOMPARE(combo(*s, QStringLiteral("combo2"))->currentText(), QStringLiteral("--"));
        QCOMPARE(combo(*s, QStringLiteral("ComboStat1"))->currentIndex(), 0);
        QVERIFY(statisticsRequests.isEmpty());
    }

    void startFileLongerThan255IsCut() {
        auto s = startWindow();
        const QString path = QStringLiteral("/daten/") + QString(293, QLatin1Char('y'));
        control<QLineEdit>(*s, QStringLiteral("EFile"))->setText(path);
        s->window->save();
        const logic::OptionsRecord back = logic::loadOptions(paths.optionsFile());
        QCOMPARE(back.startDatei.text(), path.left(255));
        QCOMPARE(QFileInfo(paths.optionsFile()).size(), 324);
    }

    void openingTheFileNowNeedsAnExistingFile() {
        auto s = startWindow();
        auto* openNowButton = s->window->findChild<QPushButton*>(QStringLiteral("BJetztOeffnen"));
        openNowButton->click();
        QCOMPARE(messages,
                 QStringList{QStringLiteral("Sie haben keine existierende Spielschein-Datei angegeben.\r\r"
                                            "Ich breche erst einmal ab.")});
        control<QLineEdit>(*s, QStringLiteral("EFile"))->setText(data.path());
        openNowButton->click();
        QCOMPARE(messages.size(), 2);
        QVERIFY(loadedFiles.isEmpty());

        const QString tix = test::writeFile(data, QStringLiteral("jetzt.tix"), {});
        ui::setNextFileName(tix);
        s->window->findChild<QToolButton*>(QStringLiteral("BSuchen"))->click();
        QCOMPARE(control<QLineEdit>(*s, QStringLiteral("EFile"))->text(), tix);
        openNowButton->click();
        QCOMPARE(loadedFiles, QStringList{tix});
        s->window->findChild<QToolButton*>(QStringLiteral("BLeeren"))->click();
        QVERIFY(control<QLineEdit>(*s, QStringLiteral("EFile"))->text().isEmpty());
    }

    void statisticsTabsComeFromTheStatisticsWindow() {
        logic::ProgramState state;
        logic::StatisticsSelection selection(state);
        ui::OptionsWindow window(state, selection, paths);
        window.setStatisticsTabNames({QStringLiteral("A"), QStringLiteral("B")});
        window.setUpAtStart();
        auto* tabs = window.findChild<QComboBox*>(QStringLiteral("ComboStat2"));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->currentText(), QStringLiteral("A"));
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "test_options_window.moc"
