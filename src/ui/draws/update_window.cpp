#include "ui/draws/update_window.h"

#include "logic/core/paths.h"
#include "logic/draws/draw_merge.h"
#include "logic/draws/update_need.h"
#include "logic/state/program_state.h"
#include "platform/download.h"
#include "ui/common/clock.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/navigation/navigator.h"

#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace talvo::ui {

namespace {
// A failed update is no dead end: the draws come in without the download server too.
constexpr char kOtherWaysToDraws[] =
    "\r\rDie Gewinnzahlen bekommen Sie auch ohne die Aktualisierung: Laden Sie das Archiv der "
    "Lotterie über \"Datei > Ziehungen importieren...\" oder \"Datei > Archiv aus dem Internet "
    "laden...\", oder geben Sie die Zahlen einer Ziehung im Hauptfenster auf der Seite "
    "\"neu/ändern...\" ein.";
} // namespace

UpdateWindow::UpdateWindow(logic::ProgramState& state, const logic::AppPaths& paths,
                           const QString& downloadBase, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), paths_(paths), downloadBase_(downloadBase),
      download_(new platform::FileDownload(this)) {
    setObjectName(QStringLiteral("FAktuell1"));
    setWindowTitle(QStringLiteral("Aktualisieren Sie..."));
    setHelpContext(this, 50);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    for (const char* text :
         {"Als Aktualisierungsbedarf wird die Differenz zwischen dem lokalen Datenbestand und "
          "der letzten Ausspielung ausgewiesen.",
          "Die Vorauswahl kann geändert werden."}) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    auto* box = new QGroupBox(QStringLiteral("Ermittelter Aktualisierungsbedarf"), this);
    box->setObjectName(QStringLiteral("RG1"));
    auto* boxLayout = new QVBoxLayout(box);
    needGroup = new QButtonGroup(this);
    for (int c = 0; c < logic::kUpdateChoices; ++c) {
        auto* radio = new QRadioButton(logic::updateChoiceText(c), box);
        radio->setObjectName(QStringLiteral("RG1_%1").arg(c));
        needGroup->addButton(radio, c);
        boxLayout->addWidget(radio);
    }
    connect(needGroup, &QButtonGroup::idClicked, this, &UpdateWindow::choose);
    layout->addWidget(box);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("Gauge1"));
    progress_->setTextVisible(false);
    progress_->setVisible(false); // shown while a download runs
    layout->addWidget(progress_);
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("LStatus"));
    // The window is narrow; a reason for a failed download must still be read in full.
    statusLabel_->setWordWrap(true);
    layout->addWidget(statusLabel_);

    auto* buttons = new QHBoxLayout;
    startButton_ = new QPushButton(QStringLiteral("Herunterladen starten"), this);
    startButton_->setObjectName(QStringLiteral("BStart"));
    startButton_->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Sch&ließen"), this);
    close->setObjectName(QStringLiteral("BSchliessen"));
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(startButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { startDownload(); }); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(download_, &platform::FileDownload::progress, this, [this](qint64 received, qint64 total) {
        if (total > 0) {
            progress_->setRange(0, 1000);
            progress_->setValue(static_cast<int>(received * 1000 / total));
        }
    });
    connect(download_, &platform::FileDownload::finished, this,
            [this](bool ok, const QString& why) { downloadFinished(ok ? QString() : why); });
    choose(0);
    setFixedWidth(380);
}

void UpdateWindow::setUpAtStart() {
    const logic::UpdateNeed need = logic::determineUpdateNeed(state_.history(), currentDateTime());
    needGroup->button(need.choice)->setChecked(true);
    choose(need.choice);
}

void UpdateWindow::choose(int choice) {
    chosenFile_ = logic::updateFileName(choice);
}

void UpdateWindow::startDownload() {
    if (download_->isRunning())
        return;
    if (chosenFile_.isEmpty()) {
        showMessage(this, QStringLiteral("Es wurde kein Aktualisierungsbedarf gesetzt.\r\rIch breche ab."),
                    MessageIcon::Information);
        return;
    }
    if (!platform::isOnline()) {
        showMessage(this,
                    QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."),
                    MessageIcon::Information);
        return;
    }
    const QString target = logic::tempDrawSetPath(paths_);
    QFile::remove(target);
    startButton_->setEnabled(false);
    progress_->setRange(0, 0); // busy until the size is known
    progress_->setVisible(true);
    statusLabel_->setText(QStringLiteral("Die Ziehungen werden geladen ..."));
    download_->start(QUrl(downloadBase_ + chosenFile_), target);
}

void UpdateWindow::downloadFinished(QString failure) {
    const QString target = logic::tempDrawSetPath(paths_);
    const logic::DaySerial today = logic::dateTimeToSerial(currentDateTime());
    // An answer that holds no sound draws counts as a failed download and is not merged.
    if (failure.isEmpty())
        failure = logic::keepValidDrawSet(target, today);
    else
        QFile::remove(target);
    progress_->setVisible(false);
    startButton_->setEnabled(true);
    statusLabel_->setText(failure);
    if (!failure.isEmpty())
        showMessage(this,
                    QStringLiteral("Das Herunterladen aktueller Daten hat leider nicht geklappt.\r") +
                        failure + QString::fromUtf8(kOtherWaysToDraws),
                    MessageIcon::Information);
    bool merged = false;
    runAction(this, [&] {
        if (std::optional<logic::DrawHistory> history =
                logic::mergeDownloadedDraws(target, paths_.historyFile(), today)) {
            state_.setHistory(std::move(*history));
            merged = true;
        }
    });
    if (merged)
        statusLabel_->setText(
            QStringLiteral("Der Datenbestand umfasst jetzt %1 Ziehungen.").arg(state_.history().size()));
    emit updateFinished(merged);
}

} // namespace talvo::ui
