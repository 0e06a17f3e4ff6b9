// Writes the program's icon in every size into an icon theme folder:
// FOLDER/<n>x<n>/apps/talvo.png, as the desktop's hicolor theme expects them.

#include "ui/app/program_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "Aufruf: talvo-icons ZIELORDNER\n";
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int size : talvo::ui::kProgramIconSizes) {
        const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString file = folder + QStringLiteral("/talvo.png");
        if (!QDir().mkpath(folder) || !talvo::ui::programIconImage(size).save(file)) {
            QTextStream(stderr) << "Das Symbol " << file << " kann nicht geschrieben werden.\n";
            return 1;
        }
    }
    return 0;
}
