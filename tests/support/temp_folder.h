#pragma once

#include "logic/core/paths.h"

#include <QTemporaryDir>

namespace talvo::test {

// A temporary folder for a test's files, removed with the object, and the program's paths
// inside it.
class TempFolder : public QTemporaryDir {
  public:
    // Every folder of the program is this one; the help lies there as well.
    logic::AppPaths paths() const;
    // Empties the folder and gives the program a data folder data/ and a folder of its own
    // prog/ inside it, both there and empty.
    logic::AppPaths emptyDataAndProgramFolders() const;
};

} // namespace talvo::test
