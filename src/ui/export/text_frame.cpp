#include "ui/export/text_frame.h"

#include "logic/export/tip_text.h"
#include "platform/default_printer.h"
#include "platform/tip_text_print.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_bar.h"
#include "ui/evaluation/tool_icons.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

const QString kTitelOeffnen = QStringLiteral("Öffne KENO-Tipp-Datei");
const QString kTitelSpeichern = QStringLiteral("Speichere KENO-Tipp-Datei");
const QString kFilter = QStringLiteral("KENO-Tipp-Datei|*.ktp");

// The name as typed, with the file kind's extension where the user gave none.
QString withSuffix(QString path, const char* suffix) {
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(suffix);
    return path;
}

} // namespace

TFrMemo1::TFrMemo1(const QString& dataDir, QWidget* parent) : QWidget(parent), dataDir_(dataDir) {
    setObjectName(QStringLiteral("FrMemo1"));

    QToolBar* bar = makeToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogOpenButton), kTitelOeffnen,
                  QStringLiteral("BOeffnen"), [this] { Oeffnen(); });
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogSaveButton), kTitelSpeichern,
                  QStringLiteral("BSpeichern"), [this] { Speichern(); });
    addToolAction(bar, toolIcon(ToolIcon::Drucken), QStringLiteral("Drucken"), QStringLiteral("BDrucken"),
                  [this] { Drucken(); });

    m1_ = new QPlainTextEdit(this);
    m1_->setObjectName(QStringLiteral("m1"));
    m1_->setFont(platform::tipTextFont());
    m1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pal = m1_->palette();
    pal.setColor(QPalette::Base, QColor(217, 255, 255));
    pal.setColor(QPalette::Text, Qt::black);
    m1_->setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m1_, 1);
}

QStringList TFrMemo1::lines() const {
    // Block by block: the document's plain text would turn no-break spaces into blanks.
    QString text;
    for (QTextBlock b = m1_->document()->begin(); b.isValid(); b = b.next()) {
        if (b != m1_->document()->begin())
            text += QLatin1Char('\n');
        text += b.text();
    }
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return logic::textLines(text);
}

void TFrMemo1::setLines(const QStringList& lines) {
    m1_->setPlainText(logic::textOfLines(lines));
}

void TFrMemo1::Oeffnen() {
    const QString path = chooseOpenFile(this, kTitelOeffnen, kFilter, dataDir_);
    if (path.isEmpty())
        return;
    setLines(logic::readTipText(path));
}

void TFrMemo1::Speichern() {
    const QStringList text = lines();
    if (!logic::fitsTipText(text.join(QLatin1Char('\n'))) &&
        !askYesNo(this,
                  QStringLiteral("Einige Zeichen des Textes lassen sich in einer KENO-Tipp-Datei nicht "
                                 "speichern; sie würden als \"?\" geschrieben.\r\rTrotzdem speichern?")))
        return;
    const QString path = chooseSaveFile(this, kTitelSpeichern, kFilter, dataDir_);
    if (path.isEmpty())
        return;
    logic::writeTipText(withSuffix(path, "ktp"), text);
}

void TFrMemo1::Drucken() {
    const QStringList text = lines();
    int pages = 0;
    if (auto printer = platform::defaultPrinter()) {
        pages = platform::printTipText(*printer, text, m1_->font());
    } else {
        if (!askYesNo(this,
                      QStringLiteral("Auf diesem Rechner ist kein Drucker eingerichtet.\r\r"
                                     "Sollen die Seiten stattdessen als PDF-Datei gespeichert werden?")))
            return;
        const QString path = chooseSaveFile(this, QStringLiteral("Speichere PDF-Datei"),
                                            QStringLiteral("PDF-Datei|*.pdf"), dataDir_);
        if (path.isEmpty())
            return;
        pages = platform::saveTipTextPdf(withSuffix(path, "pdf"), text, m1_->font());
    }
    showMessage(this, platform::pageCountMessage(pages), MessageIcon::Plain);
}

} // namespace talvo::ui
