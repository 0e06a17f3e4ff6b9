#include "bash_completion.h"
#include "man_page.h"

#include <QFile>
#include <cstdio>

namespace {

bool write(const char* path, const QString& text) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0 &&
           file.flush();
}

} // namespace

// Writes talvo-cli's manual page and its bash completion when the program is built, so
// that both always name the commands and switches the program has.
int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: talvo-cli-manual MAN_PAGE COMPLETION\n");
        return 2;
    }
    if (!write(argv[1], talvo::cli::manPage()) || !write(argv[2], talvo::cli::bashCompletion())) {
        std::fprintf(stderr, "talvo-cli-manual: cannot write the files\n");
        return 1;
    }
    return 0;
}
