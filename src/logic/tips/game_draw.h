#pragma once

#include "logic/core/number_set.h"
#include "logic/tips/candidate_list.h"

#include <QtGlobal>

class QRandomGenerator;

namespace talvo::logic {

// A generator for tips, repeatable by its seed: the same seed draws the same tips.
QRandomGenerator tipRandomGenerator(quint64 seed);

// How many random numbers beyond the type a list with too few candidates is completed
// with: 9 for types 2..5, 6 for 6..8, 3 for 9 and 10.
int completionCount(int typ);

struct DrawnGame {
    NumberSet numbers;
    bool completed = false; // the candidates were completed with random numbers
};

// One draw of t = typ distinct numbers from the candidates, each pick taking a position
// of the list at random, so a number's chance goes with its weight. When the list holds
// no more than t distinct numbers, this draw first completes it with random numbers to
// t + completionCount(t) distinct ones; the list itself stays as it is. A type outside
// 2..10 draws nothing.
DrawnGame drawGame(const CandidateList& candidates, int typ, QRandomGenerator& rng);

} // namespace talvo::logic
