#pragma once

#include <QUrl>
#include <memory>

class QHelpEngine;
class QString;

namespace talvo::platform {

// Opens the compiled help file through a help collection of the user's own (the help
// engine keeps its search index beside it, so it must lie where the user may write).
// The collection is created when missing and follows a changed help file. Throws
// logic::Error with a German text when the help cannot be opened.
std::unique_ptr<QHelpEngine> openHelp(const QString& helpFile, const QString& collectionFile);

// The topic of a context number; empty when the help has none.
QUrl helpTopic(const QHelpEngine& engine, int context);

} // namespace talvo::platform
