#include "ui/app/application.h"

#include "logic/core/program_state.h"
#include "platform/download_base.h"
#include "ui/app/calendar_window.h"
#include "ui/app/info_window.h"
#include "ui/app/navigator.h"
#include "ui/app/start_window.h"
#include "ui/app/version_check.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/draws/csv_export_window.h"
#include "ui/draws/history_undo.h"
#include "ui/draws/import_window.h"
#include "ui/draws/update_window.h"
#include "ui/evaluation/main_window.h"
#include "ui/export/export1.h"
#include "ui/settings/optionen.h"
#include "ui/slips/eingabe2.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/strategy_test_window.h"
#include "ui/tips/tip_centre.h"

#include <QApplication>
#include <QScreen>
#include <exception>

namespace talvo::ui {

Application::Application(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent)
    : QObject(parent), paths_(paths),
      downloadBase_(downloadBase.isEmpty() ? QString::fromLatin1(platform::kDownloadBase) : downloadBase),
      state_(std::make_unique<logic::ProgramState>()), navigator_(std::make_unique<Navigator>()) {}

Application::~Application() {
    delete export_;
    delete aktuell_;
    delete tipp_;
    delete eingabe_;
    delete optionen_;
    delete statistik_;
    delete main_;
    delete start_;
}

void Application::start() {
    start_ = new TFStart();
    start_->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        start_->move(screen->availableGeometry().center() - start_->rect().center());
    navigator_->adopt(start_);
    start_->show();
    start_->repaint();
    QApplication::processEvents();
    connect(start_, &TFStart::weiterClicked, this, &Application::weiter);
    connect(start_, &TFStart::closed, this, &Application::startWindowClosed);

    // Each window's creation step reports its own errors and the start goes on; an error
    // while a window itself is built leaves the program without it, so it ends.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::exception_ptr failure;
    try {
        createWindows();
    } catch (...) {
        failure = std::current_exception();
    }
    QApplication::restoreOverrideCursor();
    start_->SetInitializationDone(true);
    if (failure) {
        runAction(start_, [&failure] { std::rethrow_exception(failure); });
        emit finished();
    }
}

void Application::built(QWidget* window) {
    if (windowBuilt_)
        windowBuilt_(window);
}

void Application::createWindows() {
    // The main window stays unseen (fully transparent) until "Weiter".
    main_ = new TFAuswertung(*state_, paths_);
    built(main_);
    main_->setWindowOpacity(0.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    connect(main_, &TFAuswertung::closed, this, &Application::finished);
    navigator_->setMainWindow(main_);
    navigator_->setHelpFiles(paths_.helpFile, paths_.helpCollection);
    navigator_->adopt(main_);
    navigator_->addAction(Route::Startfenster, [this] { start_->show(); });
    navigator_->addWindowOnDemand(Route::Kalender, [] { return new TFKal; });
    navigator_->addWindowOnDemand(Route::Info, [] { return new TFInfo; });
    navigator_->addAction(Route::Webseite, [this] {
        openWebLink(main_, QString::fromLatin1(kKenoWebPage),
                    QStringLiteral("Mir fehlt der Kontakt zum Internet. Ich muss leider abbrechen."));
    });
    runAction(start_, [this] { main_->FormCreate(); });

    statistik_ = new TFStatistik1(*state_, paths_);
    built(statistik_);
    runAction(start_, [this] { statistik_->FormCreate(); });
    navigator_->addWindow(Route::Statistik, statistik_);

    optionen_ = new TFOptionen(*state_, paths_);
    built(optionen_);
    OptionenKopplung kopplung;
    kopplung.statistikRegister = statistik_->registerNamen();
    kopplung.statistikEinstellen = [this](int anzahlIndex, int registerIndex) {
        statistik_->anzahlAnwenden(anzahlIndex);
        statistik_->setRegister(registerIndex);
    };
    kopplung.auswertungLaden = [this](const QString& path) { main_->AuswertungLaden(path); };
    runAction(start_, [this, &kopplung] { optionen_->FormCreate(kopplung); });
    navigator_->addWindow(Route::Optionen, optionen_);

    eingabe_ = new TFEingabe2(*state_, paths_);
    built(eingabe_);
    navigator_->addWindow(Route::Spielscheincenter, eingabe_);
    // Nothing is saved at the end: the user decides about transferred slips not yet saved.
    main_->setCloseCheck([this] {
        if (!eingabe_->hatUngespeicherteScheine() ||
            askYesNo(main_, QStringLiteral("Im Spielscheincenter gibt es übertragene Spielscheine, die noch "
                                           "nicht gespeichert sind. Beim Beenden gehen sie verloren.\r\r"
                                           "Trotzdem beenden?")))
            return true;
        navigator_->go(Route::Spielscheincenter);
        return false;
    });

    TippcenterVerbindungen verbindungen;
    verbindungen.statistikAuswahl = [this](int anzahlIndex) { statistik_->setAnzahlIndex(anzahlIndex); };
    verbindungen.scheinLaden = [this](const logic::TGetippt& record) {
        eingabe_->ScheinLaden(record);
        navigator_->go(Route::Spielscheincenter);
    };
    tipp_ = new TFTipp1(*state_, paths_, statistik_->statistik(), std::move(verbindungen));
    runAction(start_, [this] { tipp_->FormCreate(statistik_->anzahlIndex()); });
    statistik_->tippcenterKoppeln({[this](int anzahlIndex) { tipp_->setAnzahlIndex(anzahlIndex); }});
    navigator_->addWindow(Route::Tippcenter, tipp_);
    navigator_->addWindowOnDemand(Route::Strategietest, [this] {
        StrategieTestVorgabe vorgabe;
        vorgabe.strategie = tipp_->strategie();
        for (int typ : tipp_->typen())
            if (typ > 0) {
                vorgabe.typ = typ;
                break;
            }
        vorgabe.anzahlIndex = std::max(0, tipp_->anzahlIndex());
        vorgabe.einsatzIndex = state_->Einstellungen.einsatzIndex;
        return new TFStrategieTest(*state_, paths_, vorgabe);
    });

    aktuell_ = new TFAktuell1(*state_, paths_, downloadBase_);
    built(aktuell_);
    connect(aktuell_, &TFAktuell1::updateFinished, this, [this](bool merged) {
        if (!merged)
            return;
        main_->EintragWieAnzeige();
        followNewHistory();
    });
    runAction(start_, [this] { aktuell_->FormCreate(); });
    navigator_->addWindow(Route::Aktualisierung, aktuell_);

    export_ = new TFExport1(*state_, paths_);
    runAction(start_, [this] { export_->FormCreate(); });
    navigator_->addWindow(Route::Ziehungsexport, export_);

    navigator_->addWindowOnDemand(Route::Archivimport, [this] {
        auto* window = new TFImport(*state_, paths_);
        connect(window, &TFImport::historyImported, this, &Application::followNewHistory);
        return window;
    });
    navigator_->addWindowOnDemand(Route::Archivexport, [this] { return new TFCsvExport(*state_, paths_); });
    versionPruefung_ = new VersionPruefung(paths_, downloadBase_, this);
    // The installer replaces the program: it ends as when its main window is closed.
    connect(versionPruefung_, &VersionPruefung::programmEnde, this, &Application::finished);
    navigator_->addAction(Route::Updatepruefung, [this] { versionPruefung_->Updatepruefung(main_); });
    navigator_->addAction(Route::Rueckgaengig, [this] {
        if (undoLastDrawChange(main_, *state_, paths_.historyFile()))
            followNewHistory();
    });
}

void Application::followNewHistory() {
    // The main window's lists follow the history by themselves; the statistics are
    // computed anew for the draw count the window shows.
    runAction(statistik_, [this] { statistik_->RG1Click(); });
}

void Application::startWindowClosed() {
    // Before "Weiter" the start window is the only window the user sees.
    if (!handedOver_)
        emit finished();
}

void Application::weiter() {
    handedOver_ = true;
    main_->show();
    main_->setWindowOpacity(250.0 / 255.0);
    main_->raise();
    main_->activateWindow();
    start_->hide();
}

} // namespace talvo::ui
