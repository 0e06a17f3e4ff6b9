#include "arguments.h"
#include "command.h"
#include "history_option.h"

#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/draws/draw_merge.h"
#include "logic/draws/update_need.h"
#include "platform/download.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace talvo::cli {
namespace {

int update(const Arguments& o, Io& io) {
    const QString historyPath = o.required(QStringLiteral("history"));
    platform::DownloadLimits limits;
    limits.overall = o.seconds(QStringLiteral("timeout"), limits.overall);
    QString base = o.required(QStringLiteral("base"));
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    logic::DrawHistory history = historyOrEmpty(o);

    const int choice = o.has(QStringLiteral("choice"))
                           ? o.integer(QStringLiteral("choice"), 0)
                           : logic::determineUpdateNeed(history, o.nowDateTime()).choice;
    if (choice < 0 || choice >= logic::kUpdateChoices)
        throw UsageError{QStringLiteral("--choice erwartet 0 bis 5.")};
    const QString file = logic::updateFileName(choice);
    if (file.isEmpty())
        throw logic::Error(QStringLiteral("Es wurde kein Aktualisierungsbedarf gesetzt.\r\rIch breche ab."));
    if (!platform::isOnline())
        throw logic::Error(
            QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));

    const QString folder = QFileInfo(historyPath).absolutePath() + QLatin1Char('/');
    const QString target = folder + QStringLiteral("tempGZ.tpp");
    QFile::remove(target);
    QString why;
    if (platform::downloadFileBlocking(QUrl(base + file), target, &why, limits))
        why = logic::keepValidDrawSet(target, o.now());
    if (!why.isEmpty()) {
        QFile::remove(target);
        throw logic::Error(QStringLiteral("Das Herunterladen aktueller Daten hat leider nicht geklappt.\r") +
                           why);
    }
    if (std::optional<logic::DrawHistory> merged = logic::mergeDownloadedDraws(target, historyPath, o.now()))
        history = std::move(*merged);
    io.out << history.size() << '\n';
    return 0;
}

const CommandRegistrar reg("update", update);

} // namespace
} // namespace talvo::cli
