#include "logic/core/history_file.h"

#include "logic/core/record_file.h"

namespace talvo::logic {

DrawHistory drawsFromBytes(const QByteArray& bytes) {
    const qsizetype count = bytes.size() / TKenoZahlen::kSize;
    DrawHistory draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        draws.push_back(TKenoZahlen::fromBytes(bytes.constData() + i * TKenoZahlen::kSize));
    return draws;
}

QByteArray drawsToBytes(const DrawHistory& draws) {
    QByteArray bytes(static_cast<qsizetype>(draws.size()) * TKenoZahlen::kSize, '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        draws[i].toBytes(bytes.data() + i * TKenoZahlen::kSize);
    return bytes;
}

DrawHistory KenoZahlenLaden(const QString& path) {
    return drawsFromBytes(readWholeFile(path, kMaxDrawFileBytes));
}

void KenoZahlenSchreiben(const QString& path, const DrawHistory& draws) {
    writeWholeFile(path, drawsToBytes(draws));
}

} // namespace talvo::logic
