#pragma once

#include "logic/core/paths.h"

#include <QTemporaryDir>

namespace talvo::test {

// The program's paths with every folder inside one temporary folder.
inline logic::AppPaths pathsIn(const QTemporaryDir& dir) {
    logic::AppPaths p;
    p.dataDir = dir.path() + QLatin1Char('/');
    p.programDir = p.dataDir;
    p.helpFile = p.programDir + QStringLiteral("TALVO Hilfe.qch");
    p.helpCollection = p.dataDir + QStringLiteral("Hilfe/TALVO Hilfe.qhc");
    return p;
}

} // namespace talvo::test
