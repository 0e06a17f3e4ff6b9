#include "logic/tips/sliding_class_sets.h"

#include "logic/statistics/number_statistics.h"

namespace talvo::logic {

SlidingClassSets::SlidingClassSets() {
    for (StatisticKind kind : {StatisticKind::Numbers, StatisticKind::FinalDigits, StatisticKind::Tens}) {
        KindCounts& a = kinds_[static_cast<std::size_t>(kind) - 1];
        a.kind = kind;
        const int items = itemCount(kind);
        a.item.assign(71, 0);
        a.occurrences.assign(static_cast<std::size_t>(items), 0);
        for (int j = 1; j <= items; ++j) {
            a.numbers.push_back(itemNumbers(kind, j));
            for (int n : a.numbers.back())
                a.item[static_cast<std::size_t>(n)] = j;
        }
    }
}

// Counts what the frequency statistics count: every stored number in 1..70.
void SlidingClassSets::countDraw(const DrawRecord& draw, int delta) {
    for (auto n : draw.GZ)
        if (n >= 1 && n <= 70)
            for (KindCounts& a : kinds_)
                a.occurrences[static_cast<std::size_t>(a.item[n] - 1)] += delta;
}

void SlidingClassSets::addDraw(const DrawRecord& draw) {
    countDraw(draw, 1);
    ++w_;
}

void SlidingClassSets::removeDraw(const DrawRecord& draw) {
    countDraw(draw, -1);
    --w_;
}

ClassSets SlidingClassSets::classSets() {
    ClassSets result;
    for (KindCounts& a : kinds_) {
        if (a.thresholdsWindow != w_) {
            const Expectation e = expectation(a.kind, w_);
            a.thresholds = computeThresholds(e.mu, e.sigma);
            a.thresholdsWindow = w_;
        }
        for (std::size_t j = 0; j < a.occurrences.size(); ++j)
            if (const int level = levelOfClass(classify(a.occurrences[j], a.thresholds)); level > 0)
                for (int n : a.numbers[j])
                    result.at(static_cast<int>(a.kind), level).insert(n);
    }
    return result;
}

} // namespace talvo::logic
