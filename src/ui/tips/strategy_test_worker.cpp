#include "ui/tips/strategy_test_worker.h"

#include "logic/core/error.h"

#include <QThreadPool>

namespace talvo::ui {

StrategyTestWorker::StrategyTestWorker(logic::DrawHistory history,
                                       const logic::StrategyTestParameters& parameter, QObject* parent)
    : QObject(parent), history_(std::move(history)), parameter_(parameter) {}

void StrategyTestWorker::start(QThreadPool& pool) {
    pool.start([this] {
        // An error cannot cross the thread; its text goes back with the result.
        try {
            result_ = logic::runStrategyTest(history_, parameter_, &stop_,
                                             [this](int done, int total) { emit progress(done, total); });
        } catch (const logic::Error& e) {
            error_ = e.text();
        }
        emit finished();
    });
}

} // namespace talvo::ui
