#include "logic/tips/game_draw.h"

#include "logic/core/tables.h"

#include <QRandomGenerator>
#include <array>

namespace talvo::logic {

QRandomGenerator tipRandomGenerator(quint64 seed) {
    const std::array<quint32, 2> words = {static_cast<quint32>(seed), static_cast<quint32>(seed >> 32)};
    return QRandomGenerator(words.data(), words.data() + words.size());
}

int completionCount(int typ) {
    if (typ <= 5)
        return 9;
    if (typ <= 8)
        return 6;
    return 3;
}

DrawnGame drawGame(const CandidateList& candidates, int typ, QRandomGenerator& rng) {
    if (typ < 2 || typ > kMaxType)
        return {};
    NumberSet distinct;
    for (auto n : candidates)
        distinct.insert(n);
    const int D = distinct.count();

    // Completion numbers are drawn aside and picked as if they stood at the end of the
    // list, which leaves the list exactly as it was.
    std::array<std::uint8_t, 70> completion{};
    int m = 0;
    DrawnGame game;
    if (D <= typ) {
        game.completed = true;
        const int needed = typ - D + completionCount(typ);
        while (m < needed) {
            const int n = static_cast<int>(rng.bounded(70u)) + 1;
            if (!distinct.contains(n)) {
                distinct.insert(n);
                completion[static_cast<std::size_t>(m++)] = static_cast<std::uint8_t>(n);
            }
        }
    }

    const auto positions = static_cast<quint32>(candidates.size()) + static_cast<quint32>(m);
    for (int picked = 0; picked < typ;) {
        const quint32 p = rng.bounded(positions);
        const int n = p < candidates.size() ? candidates[p] : completion[p - candidates.size()];
        if (!game.numbers.contains(n)) {
            game.numbers.insert(n);
            ++picked;
        }
    }
    return game;
}

} // namespace talvo::logic
