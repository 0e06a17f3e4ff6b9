#include "logic/core/slip_file.h"

#include "logic/core/record_file.h"

namespace talvo::logic {

SlipList slipsFromBytes(const QByteArray& bytes) {
    const qsizetype count = bytes.size() / SlipRecord::kSize;
    SlipList slips;
    slips.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        slips.push_back(SlipRecord::fromBytes(bytes.constData() + i * SlipRecord::kSize));
    return slips;
}

QByteArray slipsToBytes(const SlipList& slips) {
    QByteArray bytes(static_cast<qsizetype>(slips.size()) * SlipRecord::kSize, '\0');
    for (std::size_t i = 0; i < slips.size(); ++i)
        slips[i].toBytes(bytes.data() + i * SlipRecord::kSize);
    return bytes;
}

SlipList loadSlips(const QString& path) {
    return slipsFromBytes(readWholeFile(path, kMaxSlipFileBytes));
}

void saveSlips(const QString& path, const SlipList& slips) {
    writeWholeFile(path, slipsToBytes(slips));
}

} // namespace talvo::logic
