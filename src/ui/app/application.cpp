#include "ui/app/application.h"

#include "logic/core/placeholder_address.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "platform/download_base.h"
#include "ui/app/calendar_window.h"
#include "ui/app/info_window.h"
#include "ui/app/main_window.h"
#include "ui/app/new_version_window.h"
#include "ui/app/start_window.h"
#include "ui/app/version_check.h"
#include "ui/common/dialog_parent.h"
#include "ui/common/links.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/draws/csv_export_window.h"
#include "ui/draws/draw_panel.h"
#include "ui/draws/history_undo.h"
#include "ui/draws/import_window.h"
#include "ui/draws/paste_window.h"
#include "ui/draws/update_window.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/export/draw_export_window.h"
#include "ui/navigation/navigator.h"
#include "ui/settings/options_window.h"
#include "ui/slips/slip_centre_window.h"
#include "ui/statistics/statistics_window.h"
#include "ui/tips/strategy_test_window.h"
#include "ui/tips/tip_centre_window.h"

#include <QApplication>
#include <QScreen>
#include <exception>

namespace talvo::ui {

Application::Application(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent)
    : QObject(parent), paths_(paths),
      downloadBase_(downloadBase.isEmpty() ? QString::fromLatin1(platform::kDownloadBase) : downloadBase),
      state_(std::make_unique<logic::ProgramState>()),
      statisticsSelection_(std::make_unique<logic::StatisticsSelection>(*state_)),
      navigator_(std::make_unique<Navigator>()) {}

Application::~Application() {
    delete export_;
    delete updateWindow_;
    delete tipCentre_;
    delete slipCentre_;
    delete options_;
    delete statistics_;
    delete main_;
    delete start_;
}

void Application::start() {
    start_ = new StartWindow();
    start_->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        start_->move(screen->availableGeometry().center() - start_->rect().center());
    navigator_->adopt(start_);
    start_->show();
    start_->repaint();
    QApplication::processEvents();
    connect(start_, &StartWindow::continueClicked, this, &Application::handOverToMainWindow);
    connect(start_, &StartWindow::closed, this, &Application::startWindowClosed);

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
    start_->setInitializationDone(true);
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
    main_ = new MainWindow(*state_, paths_);
    built(main_);
    main_->setWindowOpacity(0.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    connect(main_, &MainWindow::closed, this, &Application::finished);
    setMainDialogParent(main_);
    navigator_->setMainWindow(main_);
    navigator_->setHelpFiles(paths_.helpFile, paths_.helpCollection);
    navigator_->adopt(main_);
    navigator_->addWindow(Route::PasteNumbers, main_->drawPanel()->pasteWindow());
    navigator_->addAction(Route::StartWindow, [this] { start_->show(); });
    navigator_->addWindowOnDemand(Route::Calendar, [] { return new CalendarWindow; });
    navigator_->addWindowOnDemand(Route::Info, [] { return new InfoWindow; });
    navigator_->addAction(Route::WebSite, [this] {
        openWebLink(main_, QString::fromLatin1(kKenoWebPage),
                    QStringLiteral("Mir fehlt der Kontakt zum Internet. Ich muss leider abbrechen."));
    });
    runAction(start_, [this] { main_->setUpAtStart(); });

    statistics_ = new StatisticsWindow(*state_, *statisticsSelection_, paths_);
    built(statistics_);
    runAction(start_, [this] { statistics_->setUpAtStart(); });
    navigator_->addWindow(Route::Statistics, statistics_);

    options_ = new OptionsWindow(*state_, *statisticsSelection_, paths_);
    built(options_);
    options_->setStatisticsTabNames(statistics_->tabNames());
    connect(options_, &OptionsWindow::statisticsTabChosen, statistics_, &StatisticsWindow::setTab);
    connect(options_, &OptionsWindow::evaluationFileRequested, this, [this](const QString& path) {
        // Before "Weiter" the start window is the one the user sees the message over.
        runAction(handedOver_ ? static_cast<QWidget*>(options_) : start_,
                  [this, &path] { main_->evaluationArea()->loadEvaluationFile(path); });
    });
    runAction(start_, [this] { options_->setUpAtStart(); });
    navigator_->addWindow(Route::Options, options_);

    slipCentre_ = new SlipCentreWindow(*state_, paths_);
    built(slipCentre_);
    navigator_->addWindow(Route::SlipCentre, slipCentre_);
    // Nothing is saved at the end: the user decides about every slip that no file holds,
    // transferred or not, a tip written onto a slip as well.
    main_->setCloseCheck([this] {
        const int unsaved = slipCentre_->slipsOnlyInMemory();
        if (unsaved == 0 ||
            askYesNo(main_, unsaved == 1
                                ? QStringLiteral("Im Spielscheincenter gibt es einen Spielschein, der "
                                                 "in keiner Datei gespeichert ist. Beim Beenden geht "
                                                 "er verloren.\r\rTrotzdem beenden?")
                                : QStringLiteral("Im Spielscheincenter gibt es %1 Spielscheine, die in "
                                                 "keiner Datei gespeichert sind. Beim Beenden gehen "
                                                 "sie verloren.\r\rTrotzdem beenden?")
                                      .arg(unsaved)))
            return true;
        navigator_->go(Route::SlipCentre);
        return false;
    });

    tipCentre_ = new TipCentreWindow(*state_, *statisticsSelection_, paths_);
    connect(tipCentre_, &TipCentreWindow::slipWritten, this, [this](const logic::SlipRecord& record) {
        runAction(tipCentre_, [this, &record] {
            slipCentre_->loadSlip(record);
            navigator_->go(Route::SlipCentre);
        });
    });
    runAction(start_, [this] { tipCentre_->setUpAtStart(); });
    navigator_->addWindow(Route::TipCentre, tipCentre_);
    navigator_->addWindowOnDemand(Route::StrategyTest, [this] {
        StrategyTestPreset strategyPreset;
        strategyPreset.strategy = tipCentre_->strategy();
        for (int type : tipCentre_->gameTypes())
            if (type > 0) {
                strategyPreset.kenoType = type;
                break;
            }
        strategyPreset.drawCountIndex = std::max(0, tipCentre_->drawCountIndex());
        strategyPreset.stakeIndex = state_->options().einsatzIndex;
        return new StrategyTestWindow(*state_, paths_, strategyPreset);
    });

    updateWindow_ = new UpdateWindow(*state_, paths_, downloadBase_);
    built(updateWindow_);
    connect(updateWindow_, &UpdateWindow::updateFinished, this, [this](bool merged) {
        if (!merged)
            return;
        main_->drawPanel()->alignEntryWithViewing();
    });
    runAction(start_, [this] { updateWindow_->setUpAtStart(); });
    // A build that names no real download server offers no update that can only fail: its
    // update entries lead to the import of the lottery's archive instead.
    if (logic::isPlaceholderAddress(downloadBase_))
        navigator_->addAction(Route::DrawUpdate, [this] { navigator_->go(Route::ArchiveImport); });
    else
        navigator_->addWindow(Route::DrawUpdate, updateWindow_);

    export_ = new DrawExportWindow(*state_, paths_);
    runAction(start_, [this] { export_->setUpAtStart(); });
    navigator_->addWindow(Route::DrawExport, export_);

    navigator_->addWindowOnDemand(Route::ArchiveImport, [this] {
        auto* window = new ImportWindow(*state_, paths_,
                                        importAsksForFile_ ? ImportWindow::Start::AskForFile
                                                           : ImportWindow::Start::WaitForChoice);
        return window;
    });
    navigator_->addAction(Route::ArchiveDownload, [this] {
        if (ImportWindow* window = openImportWaiting())
            window->focusAddress();
    });
    connect(main_, &MainWindow::archiveDropped, this, [this](const QString& path) {
        if (ImportWindow* window = openImportWaiting())
            runAction(window, [window, &path] { window->readFile(path); });
    });
    navigator_->addWindowOnDemand(Route::ArchiveExport,
                                  [this] { return new CsvExportWindow(*state_, paths_); });
    versionCheck_ = new VersionCheck(paths_, downloadBase_, this);
    // The installer replaces the program: it ends as when its main window is closed.
    connect(versionCheck_, &VersionCheck::installerStarted, this, &Application::finished);
    navigator_->addAction(Route::UpdateCheck, [this] { versionCheck_->checkForUpdates(main_); });
    navigator_->addWindowOnDemand(Route::NewVersion, [this] { return versionCheck_->createWindow(); });
    connect(versionCheck_, &VersionCheck::newVersionFound, this,
            [this] { navigator_->go(Route::NewVersion); });
    navigator_->addAction(Route::UndoDrawChange, [this] {
        if (!undoLastDrawChange(main_, *state_, paths_.historyFile()))
            return;
        // Both pages show the restored history: no draw that no longer exists stays on the board.
        main_->drawPanel()->alignEntryWithViewing();
    });
}

ImportWindow* Application::openImportWaiting() {
    importAsksForFile_ = false;
    navigator_->go(Route::ArchiveImport);
    importAsksForFile_ = true;
    return qobject_cast<ImportWindow*>(navigator_->window(Route::ArchiveImport));
}

void Application::startWindowClosed() {
    // Before "Weiter" the start window is the only window the user sees.
    if (!handedOver_)
        emit finished();
}

void Application::handOverToMainWindow() {
    handedOver_ = true;
    main_->show();
    main_->setWindowOpacity(250.0 / 255.0);
    main_->raise();
    main_->activateWindow();
    start_->hide();
}

} // namespace talvo::ui
