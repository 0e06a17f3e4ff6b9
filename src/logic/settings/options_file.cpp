#include "logic/settings/options_file.h"

#include "logic/core/record_file.h"

namespace talvo::logic {

OptionsRecord optionsFromBytes(const QByteArray& bytes) {
    if (bytes.size() < OptionsRecord::kSize)
        return {};
    return OptionsRecord::fromBytes(bytes.constData());
}

OptionsRecord loadOptions(const QString& path) {
    return optionsFromBytes(readWholeFile(path, kMaxOptionsFileBytes));
}

void saveOptions(const QString& path, const OptionsRecord& options) {
    writeWholeFile(path, options.toBytes());
}

int listEntryFor(int stored, int listLength) {
    return stored >= 0 && stored < listLength ? stored : 0;
}

int typeEntryFor(int stored, int game) {
    return stored >= 0 && stored <= 9 ? stored : 2 * game - 1;
}

int kenoTypeFor(int stored) {
    return stored >= 1 && stored <= 9 ? stored + 1 : 0;
}

} // namespace talvo::logic
