#include "platform/spreadsheet.h"

#include "logic/core/error.h"
#include "logic/core/record_file.h"
#include "logic/core/system_error_text.h"
#include "logic/export/export_table.h"
#include "platform/stderr_capture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <utility>
#include <vector>

#if defined(Q_OS_UNIX)
#include <locale.h>
#endif

namespace talvo::platform {

namespace {

// The workbook library prints its numbers (widths, margins) with the C library, whose
// number format follows the user's locale; a decimal comma there makes a broken file.
// For as long as it lives, this thread prints numbers the C way.
class CNumericLocale {
  public:
#if defined(Q_OS_UNIX)
    CNumericLocale() : c_(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))) {
        if (c_)
            previous_ = uselocale(c_);
    }
    ~CNumericLocale() {
        if (c_) {
            uselocale(previous_);
            freelocale(c_);
        }
    }

  private:
    locale_t c_ = nullptr;
    locale_t previous_ = nullptr;
#else
    CNumericLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumericLocale() {
        std::setlocale(LC_NUMERIC, previous_.c_str());
    }

  private:
    std::string previous_;
#endif
  public:
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;
};

// The column (0 = A) whose cells stay text, or -1.
int textColumn(int mode) {
    switch (mode) {
    case kModeWinningNumbersPlus5:
        return 22; // W
    case kModePlus5:
        return 2; // C
    default:
        return -1;
    }
}

bool fitted(int mode, int column) {
    switch (mode) {
    case kModeWinningNumbersPlus5:
    case kModeWinningNumbers:
    case kModePlus5:
        return column != 1; // the date column B keeps its width
    case kModeStatistics:
        return true;
    default:
        return false;
    }
}

// A spreadsheet program turns texts that read as whole numbers into numbers; texts with a
// leading zero stay texts, so nothing is lost.
bool isWholeNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]{0,14})$"));
    return number.match(text).hasMatch();
}

// Width in characters of the default font, with a little room on both sides.
double fittedWidth(int longestText) {
    return longestText + 2.0;
}

QString cannotSave(const QString& path, const QString& reason) {
    return QStringLiteral("Die Tabelle kann nicht als \"%1\" gespeichert werden (%2).")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The library's few failures in the user's words; it builds the workbook in the folder
// for temporary files, so a failure to write lies there.
QString reason(lxw_error error) {
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("nicht genug Arbeitsspeicher");
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return QStringLiteral("im Ordner für temporäre Dateien lässt sich nichts schreiben");
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        return QStringLiteral("die Tabelle ist für eine Arbeitsmappe zu groß");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return QStringLiteral("ein Text ist für eine Zelle zu lang");
    default:
        return QStringLiteral("Fehler %1 beim Anlegen der Arbeitsmappe").arg(static_cast<int>(error));
    }
}

// The library names the system's cause of a failed write at the end of its own English
// line ("... System error = No space left on device"); the user reads it in German.
QString systemCause(const QByteArray& libraryLines) {
    static const QRegularExpression cause(QStringLiteral("System error = ([^\\n]+)"));
    const QRegularExpressionMatch match = cause.match(QString::fromLocal8Bit(libraryLines));
    return match.hasMatch() ? logic::germanFileError(match.captured(1)) : QString();
}

// `shown`: the file the user asked for; the library writes elsewhere. `libraryLines`
// holds what the library printed about the failure.
void check(lxw_error error, const QString& shown, StderrCapture& libraryLines) {
    if (error == LXW_NO_ERROR)
        return;
    QString text = cannotSave(shown, reason(error));
    const QString cause = systemCause(libraryLines.text());
    if (!cause.isEmpty())
        text += u'\r' + cause;
    throw logic::Error(text);
}

} // namespace

QString freeWorkbookPath(const QString& folder, const QString& title) {
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Export");
    // An earlier workbook may still be open, or kept with the user's changes under the name
    // it opened with; it is never replaced, the new one takes the next free name.
    for (int i = 1;; ++i) {
        const QString path = QDir(folder).filePath(i == 1 ? name + QStringLiteral(".xlsx")
                                                          : QStringLiteral("%1 (%2).xlsx").arg(name).arg(i));
        if (!QFile::exists(path))
            return path;
    }
}

namespace {

// A workbook being built; one that is not closed on purpose is closed (and freed) when
// left by an error. Its half-built file goes with the temporary folder it lies in.
class OpenWorkbook {
  public:
    explicit OpenWorkbook(const QString& file)
        : workbook_(workbook_new(QFile::encodeName(file).constData())) {}
    ~OpenWorkbook() {
        if (workbook_)
            workbook_close(workbook_);
    }
    OpenWorkbook(const OpenWorkbook&) = delete;
    OpenWorkbook& operator=(const OpenWorkbook&) = delete;

    lxw_workbook* get() const { return workbook_; }
    lxw_error close() { return workbook_close(std::exchange(workbook_, nullptr)); }

  private:
    lxw_workbook* workbook_;
};

// Builds the workbook at `built`, a file of its own that nobody else sees; errors name the
// file the user asked for, `path`.
void buildWorkbook(const logic::ExportTable& table, const QString& title, int mode, const QString& built,
                   const QString& path) {
    const CNumericLocale numbers;
    StderrCapture libraryLines;
    OpenWorkbook workbook(built);
    if (!workbook.get())
        check(LXW_ERROR_CREATING_XLSX_FILE, path, libraryLines);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook.get(), title.toUtf8().constData());
    if (!sheet)
        throw logic::Error(
            QStringLiteral("\"%1\" ist als Name eines Tabellenblatts nicht möglich.").arg(title));
    const int text = textColumn(mode);
    lxw_format* textFormat = workbook_add_format(workbook.get());
    format_set_num_format(textFormat, "@");
    format_set_align(textFormat, LXW_ALIGN_RIGHT);

    std::vector<int> longest(static_cast<std::size_t>(logic::ExportTable::kMaxColumns), 0);
    for (int c = 0; c < table.columnCount(); ++c) {
        for (int r = 0; r < table.rowCount(); ++r) {
            const QString& cell = table.cell(c, r);
            longest[static_cast<std::size_t>(c)] =
                std::max(longest[static_cast<std::size_t>(c)], static_cast<int>(cell.size()));
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c);
            if (c == text)
                check(worksheet_write_string(sheet, row, col, cell.toUtf8().constData(), textFormat), path,
                      libraryLines);
            else if (isWholeNumber(cell))
                check(worksheet_write_number(sheet, row, col, cell.toDouble(), nullptr), path, libraryLines);
            else if (!cell.isEmpty())
                check(worksheet_write_string(sheet, row, col, cell.toUtf8().constData(), nullptr), path,
                      libraryLines);
        }
    }
    for (int c = 0; c < logic::ExportTable::kMaxColumns; ++c) {
        const bool fit = fitted(mode, c) && longest[static_cast<std::size_t>(c)] > 0;
        if (!fit && c != text)
            continue;
        const double width = fit ? fittedWidth(longest[static_cast<std::size_t>(c)]) : LXW_DEF_COL_WIDTH;
        check(worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                                   c == text ? textFormat : nullptr),
              path, libraryLines);
    }
    check(workbook.close(), path, libraryLines);
}

} // namespace

void writeWorkbook(const logic::ExportTable& table, const QString& title, int mode, const QString& path) {
    // The library writes its file piece by piece; a full disk or a missing right would
    // leave a broken workbook, or a half-written one in place of an earlier one. It builds
    // the workbook aside, and the finished file replaces the target in one step.
    QTemporaryDir aside;
    if (!aside.isValid())
        throw logic::Error(cannotSave(path, logic::germanFileError(aside.errorString())));
    const QString built = aside.filePath(QStringLiteral("Arbeitsmappe.xlsx"));
    buildWorkbook(table, title, mode, built, path);
    QFile file(built);
    if (!file.open(QIODevice::ReadOnly))
        throw logic::Error(cannotSave(path, logic::germanFileError(file.errorString())));
    logic::writeWholeFile(path, file.readAll());
}

QString saveWorkbook(const logic::ExportTable& table, const QString& title, int mode, const QString& folder) {
    const QString path = freeWorkbookPath(folder, title);
    writeWorkbook(table, title, mode, path);
    return path;
}

} // namespace talvo::platform
