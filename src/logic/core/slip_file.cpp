#include "logic/core/slip_file.h"

#include "logic/core/record_file.h"

namespace talvo::logic {

SlipList slipsFromBytes(const QByteArray& bytes) {
    const qsizetype count = bytes.size() / TGetippt::kSize;
    SlipList slips;
    slips.reserve(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        slips.push_back(TGetippt::fromBytes(bytes.constData() + i * TGetippt::kSize));
    return slips;
}

QByteArray slipsToBytes(const SlipList& slips) {
    QByteArray bytes(static_cast<qsizetype>(slips.size()) * TGetippt::kSize, '\0');
    for (std::size_t i = 0; i < slips.size(); ++i)
        slips[i].toBytes(bytes.data() + i * TGetippt::kSize);
    return bytes;
}

SlipList ScheinDateiLesen(const QString& path) {
    return slipsFromBytes(readWholeFile(path, kMaxSlipFileBytes));
}

void ScheinDateiSchreiben(const QString& path, const SlipList& slips) {
    writeWholeFile(path, slipsToBytes(slips));
}

} // namespace talvo::logic
