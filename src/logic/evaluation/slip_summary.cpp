#include "logic/evaluation/slip_summary.h"

#include "logic/core/plus5_odds.h"
#include "logic/core/tables.h"
#include "logic/core/type_odds.h"
#include "logic/evaluation/evaluate_slip.h"

namespace talvo::logic {

namespace {

bool isPlayedType(int kenoType) {
    return kenoType >= 2 && kenoType <= kMaxType;
}

// Expected prize per euro staked, per KENO type; types without picks win nothing.
const std::array<double, kMaxType + 1>& returnRates() {
    static const std::array<double, kMaxType + 1> rates = [] {
        std::array<double, kMaxType + 1> r{};
        for (int t = 2; t <= kMaxType; ++t)
            r[static_cast<std::size_t>(t)] = oddsOfType(t).returnRate();
        return r;
    }();
    return rates;
}

} // namespace

void SlipSummary::add(const SlipOutcome& outcome, DaySerial date) {
    ++evaluations;
    stakeCents += outcome.stakeCents;
    gamePrize += outcome.gamePrize;
    plus5Prize += outcome.plus5Prize;
    for (int f = 0; f < outcome.fieldCount; ++f) {
        const SlipOutcome::Field& field = outcome.fields[static_cast<std::size_t>(f)];
        if (field.prize > largestPrize) {
            largestPrize = field.prize;
            largestPrizeDate = date;
        }
        if (!isPlayedType(field.kenoType))
            continue;
        const auto t = static_cast<std::size_t>(field.kenoType);
        ++fieldsOfType[t];
        if (field.hits >= 0 && field.hits <= 10)
            ++hits[t][static_cast<std::size_t>(field.hits)];
        expectedPrize += outcome.fieldStake * returnRates()[t];
    }
    if (outcome.plus5Digits >= 0 && outcome.plus5Digits <= 5) {
        ++plus5Plays;
        ++plus5Hits[static_cast<std::size_t>(outcome.plus5Digits)];
        expectedPrize += plus5ExpectedPrize();
        if (outcome.plus5Prize > largestPrize) {
            largestPrize = outcome.plus5Prize;
            largestPrizeDate = date;
        }
    }
}

void SlipSummary::add(const SlipSummary& other) {
    evaluations += other.evaluations;
    stakeCents += other.stakeCents;
    gamePrize += other.gamePrize;
    plus5Prize += other.plus5Prize;
    for (std::size_t t = 0; t < hits.size(); ++t) {
        fieldsOfType[t] += other.fieldsOfType[t];
        for (std::size_t h = 0; h < hits[t].size(); ++h)
            hits[t][h] += other.hits[t][h];
    }
    for (std::size_t d = 0; d < plus5Hits.size(); ++d)
        plus5Hits[d] += other.plus5Hits[d];
    plus5Plays += other.plus5Plays;
    expectedPrize += other.expectedPrize;
    if (other.largestPrize > largestPrize) {
        largestPrize = other.largestPrize;
        largestPrizeDate = other.largestPrizeDate;
    }
}

double SlipSummary::expectedHits(int kenoType, int hitCount) const {
    if (!isPlayedType(kenoType))
        return 0.0;
    return static_cast<double>(fieldsOfType[static_cast<std::size_t>(kenoType)]) *
           oddsOfType(kenoType).probability(hitCount);
}

double SlipSummary::expectedPlus5Hits(int digits) const {
    return static_cast<double>(plus5Plays) * plus5Probability(digits);
}

} // namespace talvo::logic
