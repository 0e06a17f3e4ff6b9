#include "ui/draws/csv_export_window.h"

#include "logic/core/dates.h"
#include "logic/core/paths.h"
#include "logic/core/record_file.h"
#include "logic/draws/archive_export.h"
#include "logic/state/program_state.h"
#include "ui/common/date_field.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/user_action.h"
#include "ui/common/user_folders.h"
#include "ui/draws/archive_window_parts.h"
#include "ui/navigation/navigator.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>

namespace talvo::ui {

namespace {
DateField* dateEdit(const QString& name, QWidget* parent) {
    auto* edit = new DateField(parent);
    edit->setObjectName(name);
    return edit;
}
} // namespace

CsvExportWindow::CsvExportWindow(const logic::ProgramState& state, const logic::AppPaths& paths,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), paths_(paths) {
    setObjectName(QStringLiteral("FCsvExport"));
    setWindowTitle(QStringLiteral("Ziehungen als CSV exportieren"));
    setHelpContext(this, kArchiveHelpContext);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    addIntroText(layout,
                 QStringLiteral("Die Ziehungen werden in den Spalten des KENO-Archivs der Lotterie "
                                "gespeichert (ohne den Spieleinsatz): Tabellenkalkulationen lesen die "
                                "Datei, und \"Ziehungen importieren...\" übernimmt sie wieder."),
                 this);

    auto* range = new QGridLayout;
    rangeCheck = new QCheckBox(QStringLiteral("Nur die Ziehungen &vom"), this);
    rangeCheck->setObjectName(QStringLiteral("cbZeitraum"));
    fromDateField = dateEdit(QStringLiteral("DTVon"), this);
    toDateField = dateEdit(QStringLiteral("DTBis"), this);
    range->addWidget(rangeCheck, 0, 0);
    range->addWidget(fromDateField, 0, 1);
    range->addWidget(new QLabel(QStringLiteral("bis"), this), 0, 2);
    range->addWidget(toDateField, 0, 3);
    range->setColumnStretch(4, 1);
    layout->addLayout(range);
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("LAnzahl"));
    layout->addWidget(countLabel_);

    auto* exportButton = new QPushButton(QStringLiteral("&Exportieren..."), this);
    exportButton->setObjectName(QStringLiteral("BExportieren"));
    exportButton->setDefault(true);
    addHelpActionCloseRow(layout, exportButton, this);

    for (DateField* edit : {fromDateField, toDateField}) {
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, [this] { runAction(this, [this] { showCount(); }); });
    }
    connect(rangeCheck, &QCheckBox::toggled, this, [this](bool on) {
        fromDateField->setEnabled(on);
        toDateField->setEnabled(on);
        runAction(this, [this] { showCount(); });
    });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { runAction(this, [this] { exportDraws(); }); });
}

void CsvExportWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The range starts as the whole history as it is now.
    const logic::DrawHistory& history = state_.history();
    const auto real = [](const logic::DrawRecord& d) { return !d.isPlaceholder(); };
    const auto first = std::find_if(history.begin(), history.end(), real);
    const auto last = std::find_if(history.rbegin(), history.rend(), real);
    if (first != history.end()) {
        fromDateField->setDate(logic::serialToDate(first->datum));
        toDateField->setDate(logic::serialToDate(last->datum));
    }
    runAction(this, [this] { showCount(); });
}

QString CsvExportWindow::csv() const {
    if (!rangeCheck->isChecked())
        return logic::drawsAsArchiveCsv(state_.history());
    return logic::drawsAsArchiveCsv(state_.history(),
                                    static_cast<int>(logic::dateToSerial(fromDateField->date())),
                                    static_cast<int>(logic::dateToSerial(toDateField->date())));
}

void CsvExportWindow::showCount() {
    if (rangeCheck->isChecked() && fromDateField->date() > toDateField->date()) {
        countLabel_->setText(QStringLiteral("Der Beginn des Zeitraums liegt nach seinem Ende."));
        return;
    }
    countLabel_->setText(QStringLiteral("%1 Ziehungen werden exportiert.").arg(csv().count(u'\n') - 1));
}

void CsvExportWindow::exportDraws() {
    const QString text = csv(); // a reversed range stops here with its message
    const QString path = chooseSaveFile(
        this, QStringLiteral("Ziehungen als CSV exportieren"), QStringLiteral("CSV-Datei|*.csv"),
        QDir(startFolder(paths_.dataDir, logic::RememberedPlace::ExportFolder))
            .filePath(QStringLiteral("KENO-Ziehungen.csv")));
    if (path.isEmpty())
        return;
    rememberFolderOf(paths_.dataDir, logic::RememberedPlace::ExportFolder, path);
    logic::writeWholeFile(path, text.toUtf8());
    showMessage(this,
                QStringLiteral("%1 Ziehungen sind in \"%2\" gespeichert.")
                    .arg(text.count(u'\n') - 1)
                    .arg(QDir::toNativeSeparators(path)),
                MessageIcon::Information);
}

} // namespace talvo::ui
