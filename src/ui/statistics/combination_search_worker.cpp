#include "ui/statistics/combination_search_worker.h"

#include <QThreadPool>

namespace talvo::ui {

CombinationSearchWorker::CombinationSearchWorker(logic::DrawSetList draws, int size, QObject* parent)
    : QObject(parent), draws_(std::move(draws)), size_(size) {}

void CombinationSearchWorker::start(QThreadPool& pool) {
    pool.start([this] {
        result_ = logic::searchCombinations(draws_, size_, &stop_,
                                            [this](std::int64_t taken) { emit progress(taken); });
        emit finished();
    });
}

} // namespace talvo::ui
