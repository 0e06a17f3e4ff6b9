#include "ui/app/german_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace talvo::ui {

bool installGermanQtTexts(QCoreApplication& app) {
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool all = true;
    // "qt" gathers the texts of every Qt module the program uses; the help widgets have their own.
    for (const char* catalogue : {"qt", "qt_help"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(german, QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
            app.installTranslator(translator);
        } else {
            delete translator;
            all = false;
        }
    }
    return all;
}

} // namespace talvo::ui
