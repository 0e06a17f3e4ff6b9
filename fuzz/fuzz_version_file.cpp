// The version file from the download server, read from disk as the update check does:
// either a version text of 1 to 15 characters taken from the record, or a German reason.

#include "fuzz_support.h"

#include "logic/core/ansi.h"
#include "logic/core/error.h"
#include "logic/core/printable_text.h"
#include "logic/update/program_update.h"

#include <QFile>
#include <QTemporaryDir>

using namespace talvo;
using namespace talvo::logic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kVersionFile));
    const QByteArray bytes = fuzz::bytes(data, size);
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QString version;
    try {
        version = readVersionFile(path);
    } catch (const Error& e) {
        FUZZ_CHECK(!e.text().isEmpty());
        return 0;
    }
    const int length = static_cast<std::uint8_t>(bytes[8]);
    FUZZ_CHECK(bytes.size() >= VersionRecord::kSize && length >= 1 && length <= 15);
    FUZZ_CHECK(version == printableText(ansiToText(bytes.mid(9, length))));
    isCurrentVersion(version);
    return 0;
}
