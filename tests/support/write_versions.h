#pragma once

// Two versions of each file the program rewrites, different all through and in length,
// so that a file holding anything but exactly one of them shows at once.

#include "support/builders.h"
#include "tools/generated_history.h"

#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "logic/settings/options_file.h"

namespace talvo::test {

// A history of a realistic size: about a hundred years of draws would be the cap.
inline logic::DrawHistory versionHistory(int version) {
    return tools::generatedHistory(30000 + version, QDate(2004, 2, 2), static_cast<quint32>(version + 1));
}

inline logic::SlipList versionSlips(int version) {
    logic::SlipList slips;
    for (int i = 0; i < 400 + version * 7; ++i) {
        logic::SlipRecord s =
            slip({run20(i % 70 + 1), run20((i + version * 11) % 70 + 1)}, i % 4, i % 6,
                 QDate(2024, 1, 2).addDays(i + version), QStringLiteral("Schein %1").arg(i));
        s.Nr = i + 1;
        slips.push_back(s);
    }
    return slips;
}

inline logic::OptionsRecord versionOptions(int version) {
    logic::OptionsRecord e;
    e.farbschema = version * 3;
    e.einsatzIndex = 1 + version;
    e.tippTyp = {version, 2, 3, 4, 5};
    e.startDatei.setText(version ? QStringLiteral("/home/spieler/neu.tix") : QStringLiteral("/home/alt.tix"));
    e.plus5Mitspiel = static_cast<std::uint8_t>(version);
    return e;
}

} // namespace talvo::test
