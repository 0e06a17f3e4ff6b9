#pragma once

#include <QString>

namespace talvo::logic {

// What the windows remember between runs beside the options record: the address of the
// draw archive and the folders last used for exports and slips. They live in a small INI
// file in the data folder, so the options file keeps its fixed record.
enum class RememberedPlace { ArchiveAddress, ExportFolder, SlipFolder };

QString rememberedPlacesFile(const QString& dataDir);
// The remembered value; empty when none was kept or the file cannot be read.
QString remembered(const QString& dataDir, RememberedPlace place);
void remember(const QString& dataDir, RememberedPlace place, const QString& value);

} // namespace talvo::logic
