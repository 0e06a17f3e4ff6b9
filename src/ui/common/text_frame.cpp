#include "ui/common/text_frame.h"

#include "logic/export/tip_text.h"
#include "platform/default_printer.h"
#include "platform/tip_text_print.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/standard_icon.h"
#include "ui/common/tool_bar.h"
#include "ui/common/tool_icons.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

namespace talvo::ui {

namespace {

const QString kOpenTitle = QStringLiteral("KENO-Tipp-Datei öffnen");
const QString kSaveTitle = QStringLiteral("KENO-Tipp-Datei speichern");
const QString kFilter = QStringLiteral("KENO-Tipp-Datei|*.ktp");

// The name as typed, with the file kind's extension where the user gave none.
QString withSuffix(QString path, const char* suffix) {
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(suffix);
    return path;
}

} // namespace

TextFrame::TextFrame(const QString& dataDir, QWidget* parent) : QWidget(parent), dataDir_(dataDir) {
    setObjectName(QStringLiteral("FrMemo1"));

    QToolBar* bar = makeToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogOpenButton), kOpenTitle,
                  QStringLiteral("BOeffnen"), [this] { openFile(); });
    addToolAction(bar, standardIcon(style(), QStyle::SP_DialogSaveButton), kSaveTitle,
                  QStringLiteral("BSpeichern"), [this] { saveFile(); });
    addToolAction(bar, toolIcon(ToolIcon::Print), QStringLiteral("Drucken"), QStringLiteral("BDrucken"),
                  [this] { print(); });

    textEdit_ = new QPlainTextEdit(this);
    textEdit_->setObjectName(QStringLiteral("m1"));
    textEdit_->setFont(platform::tipTextFont());
    textEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pal = textEdit_->palette();
    pal.setColor(QPalette::Base, QColor(217, 255, 255));
    pal.setColor(QPalette::Text, Qt::black);
    textEdit_->setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(textEdit_, 1);
}

QStringList TextFrame::lines() const {
    // Block by block: the document's plain text would turn no-break spaces into blanks.
    QString text;
    for (QTextBlock b = textEdit_->document()->begin(); b.isValid(); b = b.next()) {
        if (b != textEdit_->document()->begin())
            text += QLatin1Char('\n');
        text += b.text();
    }
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return logic::textLines(text);
}

void TextFrame::setLines(const QStringList& lines) {
    textEdit_->setPlainText(logic::textOfLines(lines));
}

void TextFrame::openFile() {
    const QString path = chooseOpenFile(this, kOpenTitle, kFilter, dataDir_);
    if (path.isEmpty())
        return;
    setLines(logic::readTipText(path));
}

void TextFrame::saveFile() {
    const QStringList text = lines();
    if (!logic::fitsTipText(text.join(QLatin1Char('\n'))) &&
        !askYesNo(this,
                  QStringLiteral("Einige Zeichen des Textes lassen sich in einer KENO-Tipp-Datei nicht "
                                 "speichern; sie würden als \"?\" geschrieben.\r\rTrotzdem speichern?")))
        return;
    const QString path = chooseSaveFile(this, kSaveTitle, kFilter, dataDir_);
    if (path.isEmpty())
        return;
    logic::writeTipText(withSuffix(path, "ktp"), text);
}

void TextFrame::print() {
    const QStringList text = lines();
    if (text.join(QString()).trimmed().isEmpty()) {
        showMessage(this, QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu drucken."),
                    MessageIcon::Information);
        return;
    }
    if (auto printer = platform::defaultPrinter()) {
        const int pages = platform::printTipText(*printer, text, textEdit_->font());
        showMessage(this, platform::pageCountMessage(pages), MessageIcon::Plain);
        return;
    }
    if (!askYesNo(this, QStringLiteral("Auf diesem Rechner ist kein Drucker eingerichtet.\r\r"
                                       "Sollen die Seiten stattdessen als PDF-Datei gespeichert werden?")))
        return;
    const QString chosen = chooseSaveFile(this, QStringLiteral("Als PDF-Datei speichern"),
                                          QStringLiteral("PDF-Datei|*.pdf"), dataDir_);
    if (chosen.isEmpty())
        return;
    const QString path = withSuffix(chosen, "pdf");
    const int pages = platform::saveTipTextPdf(path, text, textEdit_->font());
    showMessage(this,
                (pages == 1 ? QStringLiteral("1 Seite") : QStringLiteral("%1 Seiten").arg(pages)) +
                    QStringLiteral(" als PDF gespeichert: ") + QDir::toNativeSeparators(path),
                MessageIcon::Information);
}

} // namespace talvo::ui
