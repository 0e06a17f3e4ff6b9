#include "ui/statistics/combination_search_worker.h"

#include <QThreadPool>

namespace talvo::ui {

CombinationSearchWorker::CombinationSearchWorker(logic::DrawSetList draws, int size, QObject* parent)
    : QObject(parent), draws_(std::move(draws)), size_(size) {}

void CombinationSearchWorker::start(QThreadPool& pool) {
    pool.start([this] {
        result_ = logic::searchCombinations(draws_, size_, &stop_,
                                            [this](std::int64_t taken) { emit progress(taken); });
        if (!result_.stopped && !draws_.empty())
            simulate();
        emit finished();
    });
}

void CombinationSearchWorker::simulate() {
    logic::CombinationChanceParameters p;
    p.k = size_;
    p.drawCount = static_cast<int>(draws_.size());
    p.observed = {static_cast<std::uint32_t>(result_.topCombinations.front().occurrences),
                  static_cast<std::uint32_t>(result_.flopCombinations.front().occurrences)};
    // Quadruples take long per run: as many runs as two seconds allow.
    p.runs = size_ < 4 ? kSimulationRuns : 100000;
    p.budget = size_ < 4 ? std::chrono::milliseconds(0) : std::chrono::milliseconds(2000);
    p.seed = kSimulationSeed;
    emit simulationStarted(p.runs);
    chance_ = logic::estimateCombinationChance(p, &stop_, [this](int runs) { emit simulated(runs); });
}

} // namespace talvo::ui
