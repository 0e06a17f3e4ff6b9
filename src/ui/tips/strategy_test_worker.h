#pragma once

#include "logic/core/history_file.h"
#include "logic/tips/strategy_test.h"

#include <QObject>
#include <QString>
#include <atomic>

class QThreadPool;

namespace talvo::ui {

// One strategy test off the user-interface thread: history and parameters in, the result
// out, progress now and then, and a stop the test notices between two draws.
class StrategyTestWorker : public QObject {
    Q_OBJECT
  public:
    StrategyTestWorker(logic::DrawHistory history, const logic::StrategyTestParameters& parameter,
                       QObject* parent = nullptr);

    void start(QThreadPool& pool);
    void stop() { stop_ = true; }
    // Valid once finished() arrived; an error text when the test could not run.
    const logic::StrategyTestResult& result() const { return result_; }
    const QString& error() const { return error_; }

  signals:
    // Draws done and draws to test; emitted from the testing thread.
    void progress(int done, int total);
    void finished();

  private:
    logic::DrawHistory history_;
    logic::StrategyTestParameters parameter_;
    std::atomic<bool> stop_{false};
    logic::StrategyTestResult result_;
    QString error_;
};

} // namespace talvo::ui
