#include "ui/app/application.h"

#include "logic/core/program_state.h"
#include "ui/app/start_window.h"
#include "platform/download_base.h"
#include "ui/common/user_action.h"
#include "ui/draws/update_window.h"
#include "ui/evaluation/main_window.h"
#include "ui/statistics/statistics_window.h"
#include "ui/settings/optionen.h"
#include "ui/slips/eingabe2.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

namespace talvo::ui {

Application::Application(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent)
    : QObject(parent), paths_(paths),
      downloadBase_(downloadBase.isEmpty() ? QString::fromLatin1(platform::kDownloadBase) : downloadBase),
      state_(std::make_unique<logic::ProgramState>()) {}

Application::~Application() {
    delete aktuell_;
    delete eingabe_;
    delete optionen_;
    delete statistik_;
    delete main_;
    delete start_;
}

QString Application::programDirectory() {
    const QDir exe(QCoreApplication::applicationDirPath());
    const QString shared = exe.absoluteFilePath(QStringLiteral("../share/talvo"));
    return QDir(shared).exists() ? QDir(shared).absolutePath() : exe.absolutePath();
}

void Application::start() {
    start_ = new TFStart();
    start_->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        start_->move(screen->availableGeometry().center() - start_->rect().center());
    start_->show();
    start_->repaint();
    QApplication::processEvents();
    connect(start_, &TFStart::weiterClicked, this, &Application::weiter);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    createWindows();
    QApplication::restoreOverrideCursor();
    start_->SetInitializationDone(true);
}

void Application::createWindows() {
    // The main window stays unseen (fully transparent) until "Weiter".
    main_ = new TFAuswertung(*state_, paths_);
    main_->setWindowOpacity(0.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    connect(main_, &TFAuswertung::closed, this, &Application::finished);
    main_->setRoute(Route::Startfenster, [this] { start_->show(); });
    runAction(start_, [this] { main_->FormCreate(); });

    statistik_ = new TFStatistik1(*state_, paths_);
    runAction(start_, [this] { statistik_->FormCreate(); });
    main_->setRoute(Route::Statistik, [this] { showWindow(statistik_); });

    optionen_ = new TFOptionen(*state_, paths_);
    OptionenKopplung kopplung;
    kopplung.statistikRegister = statistik_->registerNamen();
    kopplung.statistikEinstellen = [this](int anzahlIndex, int registerIndex) {
        statistik_->setAnzahlIndex(anzahlIndex);
        statistik_->setRegister(registerIndex);
        statistik_->RG1Click();
    };
    kopplung.auswertungLaden = [this](const QString& path) { main_->AuswertungLaden(path); };
    runAction(start_, [this, &kopplung] { optionen_->FormCreate(kopplung); });
    main_->setRoute(Route::Optionen, [this] { showWindow(optionen_); });

    eingabe_ = new TFEingabe2(*state_, paths_);
    connect(eingabe_, &TFEingabe2::optionenGewuenscht, this, [this] { showWindow(optionen_); });
    main_->setRoute(Route::Spielscheincenter, [this] { showWindow(eingabe_); });

    aktuell_ = new TFAktuell1(*state_, paths_, downloadBase_);
    connect(aktuell_, &TFAktuell1::updateFinished, this, [this](bool merged) {
        if (merged)
            runAction(statistik_, [this] { statistik_->RG1Click(); });
    });
    runAction(start_, [this] { aktuell_->FormCreate(); });
    main_->setRoute(Route::Aktualisierung, [this] { showWindow(aktuell_); });
}

void Application::showWindow(QWidget* window) {
    // The first time a tool window appears it is centred over the main window.
    if (!window->property("shownBefore").toBool()) {
        window->setProperty("shownBefore", true);
        if (!window->testAttribute(Qt::WA_Resized))
            window->adjustSize();
        window->move(main_->geometry().center() - window->rect().center());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Application::weiter() {
    main_->show();
    main_->setWindowOpacity(250.0 / 255.0);
    main_->raise();
    main_->activateWindow();
    start_->hide();
}

} // namespace talvo::ui
