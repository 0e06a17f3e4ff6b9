#include "logic/core/history_file.h"

#include "logic/core/record_file.h"

namespace talvo::logic {

DrawHistory drawsFromBytes(const QByteArray& bytes) {
    const qsizetype count = bytes.size() / DrawRecord::kSize;
    DrawHistory draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        draws.push_back(DrawRecord::fromBytes(bytes.constData() + i * DrawRecord::kSize));
    return draws;
}

QByteArray drawsToBytes(const DrawHistory& draws) {
    QByteArray bytes(static_cast<qsizetype>(draws.size()) * DrawRecord::kSize, '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        draws[i].toBytes(bytes.data() + i * DrawRecord::kSize);
    return bytes;
}

DrawHistory loadDrawHistory(const QString& path) {
    return drawsFromBytes(readWholeFile(path, kMaxDrawFileBytes));
}

void saveDrawHistory(const QString& path, const DrawHistory& draws) {
    writeWholeFile(path, drawsToBytes(draws));
}

} // namespace talvo::logic
