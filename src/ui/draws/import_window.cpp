#include "ui/draws/import_window.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/paths.h"
#include "logic/draws/change_text.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/history_sync.h"
#include "logic/draws/undo_history.h"
#include "logic/settings/remembered_places.h"
#include "logic/state/program_state.h"
#include "platform/download.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/draws/archive_reader.h"
#include "ui/draws/archive_window_parts.h"
#include "ui/navigation/navigator.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

namespace talvo::ui {

namespace {

enum Count { Added, Replaced, Differing, Unchanged, Faulty, Placeholders, CountRows };

struct CountText {
    const char* name;
    const char* objectName;
    const char* meaning;
};
constexpr CountText kCounts[] = {
    {"neu", "LNeu", "Ziehungen, die hinzukommen oder eine leere Ziehung füllen"},
    {"ersetzt", "LErsetzt", "gespeicherte Ziehungen, die die Datei ersetzt"},
    {"abweichend", "LAbweichend", "gespeicherte Ziehungen, die von der Datei abweichen und bleiben"},
    {"gleich", "LGleich", "Ziehungen, die schon so gespeichert sind"},
    {"fehlerhaft", "LFehlerhaft", "Zeilen der Datei, die nicht übernommen werden"},
    {"platzhalter", "LPlatzhalter",
     "leere Ziehungen für Ziehungstage, die weder gespeichert noch in der Datei sind"},
};

// Empty records the import adds are no draws; the user learns of them beside the draws.
QString placeholderNote(int placeholders) {
    return placeholders > 0 ? QStringLiteral(" sowie %1 leere Ziehungen für Ziehungstage ohne Ziehung")
                                  .arg(QLocale(QLocale::German).toString(placeholders))
                            : QString();
}

} // namespace

ImportWindow::ImportWindow(logic::ProgramState& state, const logic::AppPaths& paths, Start start,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), paths_(paths), reader_(new ArchiveReader(this)),
      download_(new platform::FileDownload(this)), asked_(start == Start::WaitForChoice) {
    setObjectName(QStringLiteral("FImport"));
    setWindowTitle(QStringLiteral("Ziehungen importieren"));
    setHelpContext(this, kArchiveHelpContext);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    addIntroText(layout,
                 QStringLiteral("Übernehmen Sie die KENO-Gewinnzahlen aus dem Archiv, das die Lotterie als "
                                "CSV-Datei veröffentlicht, auch wenn eine Tabellenkalkulation es noch "
                                "einmal gespeichert hat. Die Vorschau zeigt, was der Import an den "
                                "gespeicherten Ziehungen ändert."),
                 this);

    auto* fileRow = new QHBoxLayout;
    fileLabel_ = new QLabel(QStringLiteral("Keine Datei gewählt"), this);
    fileLabel_->setObjectName(QStringLiteral("LDatei"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chooseButton_ = new QPushButton(QStringLiteral("Datei &wählen..."), this);
    chooseButton_->setObjectName(QStringLiteral("BDateiWaehlen"));
    fileRow->addWidget(fileLabel_, 1);
    fileRow->addWidget(chooseButton_);
    layout->addLayout(fileRow);

    auto* addressRow = new QHBoxLayout;
    auto* addressLabel = new QLabel(QStringLiteral("&Adresse"), this);
    addressEdit_ =
        new QLineEdit(logic::remembered(paths_.dataDir, logic::RememberedPlace::ArchiveAddress), this);
    addressEdit_->setObjectName(QStringLiteral("EAdresse"));
    addressEdit_->setPlaceholderText(QStringLiteral("https://..."));
    addressEdit_->setToolTip(QStringLiteral("Adresse, unter der das Archiv als CSV-Datei im Internet liegt"));
    addressLabel->setBuddy(addressEdit_);
    loadButton_ = new QPushButton(QStringLiteral("Aus dem Internet &laden"), this);
    loadButton_->setObjectName(QStringLiteral("BLaden"));
    addressRow->addWidget(addressLabel);
    addressRow->addWidget(addressEdit_, 1);
    addressRow->addWidget(loadButton_);
    layout->addLayout(addressRow);

    auto* preview = new QGroupBox(QStringLiteral("Vorschau"), this);
    auto* grid = new QGridLayout(preview);
    grid->setHorizontalSpacing(12);
    for (int c = Added; c < CountRows; ++c) {
        const CountText& t = kCounts[c];
        grid->addWidget(new QLabel(QString::fromUtf8(t.name), preview), c, 0);
        counts_[c] = new QLabel(preview);
        counts_[c]->setObjectName(QString::fromLatin1(t.objectName));
        counts_[c]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts_[c]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.000")));
        grid->addWidget(counts_[c], c, 1);
        auto* meaning = new QLabel(QString::fromUtf8(t.meaning), preview);
        meaning->setEnabled(false);
        grid->addWidget(meaning, c, 2);
    }
    grid->setColumnStretch(2, 1);
    replaceCheck = new QCheckBox(
        QStringLiteral("Abweichende gespeicherte Ziehungen durch die der Datei &ersetzen"), preview);
    replaceCheck->setObjectName(QStringLiteral("cbErsetzen"));
    grid->addWidget(replaceCheck, CountRows, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Fehlerhafte Zeilen"), preview), CountRows + 1, 0, 1, 3);
    faultyTable_ = new QTableWidget(0, 2, preview);
    faultyTable_->setObjectName(QStringLiteral("GFehler"));
    faultyTable_->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Grund")});
    faultyTable_->verticalHeader()->setVisible(false);
    faultyTable_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    faultyTable_->horizontalHeader()->setStretchLastSection(true);
    faultyTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    faultyTable_->setTabKeyNavigation(false);
    faultyTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    faultyTable_->setColumnWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("Zeile 000000")));
    grid->addWidget(faultyTable_, CountRows + 2, 0, 1, 3);
    layout->addWidget(preview, 1);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("Gauge1"));
    progress_->setTextVisible(false);
    progress_->setVisible(false); // while a file is read
    layout->addWidget(progress_);
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("LStatus"));
    statusLabel_->setWordWrap(true);
    layout->addWidget(statusLabel_);

    importButton_ = new QPushButton(QStringLiteral("&Importieren"), this);
    importButton_->setObjectName(QStringLiteral("BImportieren"));
    importButton_->setEnabled(false);
    addHelpActionCloseRow(layout, importButton_, this);
    clearPreview({});
    resize(620, 520);

    connect(chooseButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { chooseFile(); }); });
    connect(loadButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { loadFromAddress(); }); });
    connect(addressEdit_, &QLineEdit::returnPressed, this,
            [this] { runAction(this, [this] { loadFromAddress(); }); });
    connect(download_, &platform::FileDownload::progress, this, [this](qint64 received, qint64 total) {
        // Kilobytes keep the bar's int range clear of the limit of a download.
        progress_->setRange(0, total > 0 ? static_cast<int>(total / 1024) + 1 : 0);
        progress_->setValue(static_cast<int>(received / 1024));
    });
    connect(download_, &platform::FileDownload::finished, this, &ImportWindow::downloadFinished);
    connect(importButton_, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { importDraws(); }); });
    connect(replaceCheck, &QCheckBox::toggled, this, [this] {
        if (!archive_.draws.empty())
            runAction(this, [this] { showPreview(); });
    });
    connect(reader_, &ArchiveReader::progress, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    });
    connect(reader_, &ArchiveReader::finished, this, &ImportWindow::readFinished);
    // The report tells what the file would change in the history as it is now: after an
    // undo or a draw stored elsewhere it is worked out anew.
    connect(&state_, &logic::ProgramState::historyChanged, this, [this] {
        if (!archive_.draws.empty() && !isReading())
            runAction(this, [this] { showPreview(); });
    });
}

ImportWindow::~ImportWindow() {
    // A read still running ends before the window goes; its reports have nowhere to go.
    disconnect(reader_, nullptr, this, nullptr);
    delete reader_;
    disconnect(download_, nullptr, this, nullptr);
    download_->abort();
    QFile::remove(downloadTarget());
}

bool ImportWindow::isReading() const {
    return reader_->isRunning() || download_->isRunning();
}

QString ImportWindow::downloadTarget() const {
    return paths_.dataDir + QStringLiteral("Archiv-Download.csv");
}

void ImportWindow::focusAddress() {
    addressEdit_->setFocus();
    addressEdit_->selectAll();
}

void ImportWindow::setBusy(bool busy) {
    chooseButton_->setEnabled(!busy);
    loadButton_->setEnabled(!busy);
    addressEdit_->setReadOnly(busy);
    progress_->setRange(0, 0);
    progress_->setVisible(busy);
}

void ImportWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Opening the window starts with the choice of a file; cancelling that first choice
    // closes it again.
    if (!asked_) {
        asked_ = true;
        QTimer::singleShot(0, this, [this] {
            runAction(this, [this] { chooseFile(); });
            if (archive_.draws.empty() && archive_.faulty.empty() && !isReading())
                close();
        });
    }
}

void ImportWindow::chooseFile() {
    if (isReading())
        return;
    const QString path = chooseOpenFile(this, QStringLiteral("Ziehungen importieren"),
                                        QStringLiteral("KENO-Archiv|*.csv *.txt"), paths_.dataDir);
    if (!path.isEmpty())
        readFile(path);
}

void ImportWindow::readFile(const QString& path) {
    if (isReading())
        return;
    fileLabel_->setText(QDir::toNativeSeparators(path));
    archive_ = {};
    clearPreview(QStringLiteral("Die Datei wird gelesen ..."));
    setBusy(true);
    reader_->start(path, logic::wholeDay(logic::dateTimeToSerial(currentDateTime())));
}

void ImportWindow::loadFromAddress() {
    if (isReading())
        return;
    const QString text = addressEdit_->text().trimmed();
    const QUrl address(text, QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        showMessage(this,
                    QStringLiteral("Bitte geben Sie die vollständige Adresse des Archivs ein, beginnend mit "
                                   "\"https://\" oder \"http://\"."),
                    MessageIcon::Information);
        focusAddress();
        return;
    }
    logic::remember(paths_.dataDir, logic::RememberedPlace::ArchiveAddress, text);
    fileLabel_->setText(text);
    archive_ = {};
    clearPreview(QStringLiteral("Das Archiv wird aus dem Internet geladen ..."));
    setBusy(true);
    download_->start(address, downloadTarget());
}

void ImportWindow::downloadFinished(bool ok, const QString& error) {
    if (!ok) {
        setBusy(false);
        const QString text =
            QStringLiteral("Das Archiv konnte nicht aus dem Internet geladen werden.\r%1").arg(error);
        clearPreview(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' ')));
        showMessage(this, text, MessageIcon::Error);
        emit previewReady();
        return;
    }
    clearPreview(QStringLiteral("Das geladene Archiv wird gelesen ..."));
    reader_->start(downloadTarget(), logic::wholeDay(logic::dateTimeToSerial(currentDateTime())));
}

void ImportWindow::readFinished() {
    setBusy(false);
    // The downloaded copy has served once it is read.
    QFile::remove(downloadTarget());
    if (!reader_->error().isEmpty()) {
        clearPreview(reader_->error());
        showMessage(this, reader_->error(), MessageIcon::Error);
    } else {
        archive_ = reader_->archive();
        if (!runAction(this, [this] { showPreview(); }))
            clearPreview(QStringLiteral("Die Datei lässt sich nicht importieren."));
        else if (archive_.draws.empty())
            showMessage(this, logic::noUsableRowText(), MessageIcon::Error);
    }
    emit previewReady();
}

void ImportWindow::clearPreview(const QString& status) {
    for (QLabel* count : counts_)
        count->setText(QStringLiteral("–"));
    faultyTable_->setRowCount(0);
    importButton_->setEnabled(false);
    statusLabel_->setText(status);
}

void ImportWindow::showPreview() {
    const logic::ImportResult result =
        logic::mergeArchive(state_.history(), archive_, replaceCheck->isChecked());
    const logic::ImportReport& report = result.report;
    const int values[] = {report.added,     report.replaced,    report.differing,
                          report.identical, report.faultyCount, report.placeholders};
    for (int c = Added; c < CountRows; ++c)
        counts_[c]->setText(QLocale(QLocale::German).toString(values[c]));

    const int shown = static_cast<int>(report.faulty.size());
    faultyTable_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const logic::FaultyRow& row = report.faulty[static_cast<std::size_t>(r)];
        auto* line = new QTableWidgetItem(QString::number(row.line));
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        faultyTable_->setItem(r, 0, line);
        faultyTable_->setItem(r, 1, new QTableWidgetItem(row.reason));
    }
    importButton_->setEnabled(report.changesHistory());
    QString status;
    if (archive_.draws.empty())
        status = logic::noUsableRowText().section(QStringLiteral("\r\r"), 0, 0);
    else if (report.changesHistory())
        status = QStringLiteral("\"Importieren\" übernimmt %1 neue und %2 ersetzte Ziehungen%3.")
                     .arg(report.added)
                     .arg(report.replaced)
                     .arg(placeholderNote(report.placeholders));
    else
        status = QStringLiteral("Die Datei bringt nichts Neues: Die gespeicherten Ziehungen bleiben, wie sie "
                                "sind.");
    if (report.faultyCount > shown)
        status += QStringLiteral(" Die Liste zeigt die ersten %1 der %2 fehlerhaften Zeilen.")
                      .arg(QLocale(QLocale::German).toString(shown),
                           QLocale(QLocale::German).toString(report.faultyCount));
    statusLabel_->setText(status);
}

void ImportWindow::importDraws() {
    if (archive_.draws.empty())
        return;
    // Merged anew: the history may have changed since the preview.
    logic::ImportResult result = logic::mergeArchive(state_.history(), archive_, replaceCheck->isChecked());
    if (!result.report.changesHistory()) {
        showPreview();
        return;
    }
    if (!askYesNo(this, QStringLiteral(
                            "%1 Ziehungen kommen neu hinzu, %2 gespeicherte Ziehungen werden ersetzt%3.\r\r"
                            "Sollen die Ziehungen jetzt importiert werden?")
                            .arg(result.report.added)
                            .arg(result.report.replaced)
                            .arg(placeholderNote(result.report.placeholders))))
        return;
    const QString path = paths_.historyFile();
    {
        const logic::HistoryLock lock(path);
        // Another program may have changed the file while the question was open: the rows
        // are merged into what it holds now.
        if (std::optional<logic::DrawHistory> changed = logic::changedHistoryOnDisk(path, state_.history())) {
            state_.setHistory(std::move(*changed));
            result = logic::mergeArchive(state_.history(), archive_, replaceCheck->isChecked());
        }
        if (result.report.changesHistory())
            logic::writeHistoryWithUndo(
                lock, path, result.history,
                logic::importChangeText(QFileInfo(QDir::fromNativeSeparators(fileLabel_->text())).fileName(),
                                        result),
                currentDateTime());
    }
    const logic::ImportReport report = result.report;
    // The state's change signal makes the report anew for the imported history.
    state_.setHistory(std::move(result.history));
    statusLabel_->setText(
        QStringLiteral("Die Ziehungen sind importiert: %1 neu, %2 ersetzt, %3 Platzhalter. Der "
                       "Datenbestand umfasst jetzt %4 Ziehungen.")
            .arg(report.added)
            .arg(report.replaced)
            .arg(report.placeholders)
            .arg(state_.history().size()));
}

} // namespace talvo::ui
