#include "ui/statistics/kombi_worker.h"

#include <QThreadPool>

namespace talvo::ui {

KombiWorker::KombiWorker(logic::ZiehungsMengenListe draws, int k, QObject* parent)
    : QObject(parent), draws_(std::move(draws)), k_(k) {}

void KombiWorker::start(QThreadPool& pool) {
    pool.start([this] {
        result_ = logic::KombiSuche(draws_, k_, &stop_, [this](std::int64_t taken) { emit progress(taken); });
        emit finished();
    });
}

} // namespace talvo::ui
