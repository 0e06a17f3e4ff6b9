#include "platform/help.h"

#include "logic/core/error.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>

namespace talvo::platform {

namespace {

const QString kStampKey = QStringLiteral("talvoHelpFileStamp");

[[noreturn]] void fail(const QString& helpFile, const QString& reason) {
    throw logic::Error(QStringLiteral("Die Hilfe \"%1\" kann nicht geöffnet werden: %2")
                           .arg(QDir::toNativeSeparators(helpFile), reason));
}

} // namespace

std::unique_ptr<QHelpEngine> openHelp(const QString& helpFile, const QString& collectionFile) {
    const QFileInfo file(helpFile);
    if (!file.isFile())
        fail(helpFile, QStringLiteral("Die Datei fehlt."));
    const QString ns = QHelpEngineCore::namespaceName(file.absoluteFilePath());
    if (ns.isEmpty())
        fail(helpFile, QStringLiteral("Die Datei ist beschädigt."));
    if (!QDir().mkpath(QFileInfo(collectionFile).absolutePath()))
        fail(helpFile, QStringLiteral("Der Ordner für ihr Verzeichnis kann nicht angelegt werden."));

    auto engine = std::make_unique<QHelpEngine>(collectionFile);
    engine->setReadOnly(false);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData())
        fail(helpFile, engine->error());

    // A program update may bring a new help file to the same place.
    const QString stamp = file.absoluteFilePath() + QLatin1Char('|') +
                          QString::number(file.lastModified().toMSecsSinceEpoch()) + QLatin1Char('|') +
                          QString::number(file.size());
    const bool registered = engine->registeredDocumentations().contains(ns);
    if (!registered || engine->customValue(kStampKey).toString() != stamp) {
        if (registered)
            engine->unregisterDocumentation(ns);
        if (!engine->registerDocumentation(file.absoluteFilePath()))
            fail(helpFile, engine->error());
        engine->setCustomValue(kStampKey, stamp);
        if (!engine->setupData())
            fail(helpFile, engine->error());
        engine->searchEngine()->reindexDocumentation();
    } else {
        engine->searchEngine()->scheduleIndexDocumentation();
    }
    return engine;
}

QUrl helpTopic(const QHelpEngine& engine, int context) {
    const QList<QHelpLink> links = engine.documentsForIdentifier(QStringLiteral("kontext-%1").arg(context));
    return links.isEmpty() ? QUrl() : links.first().url;
}

} // namespace talvo::platform
