#include "ui/draws/archive_reader.h"

#include "logic/core/error.h"

#include <QThread>

namespace talvo::ui {

ArchiveReader::ArchiveReader(QObject* parent) : QObject(parent) {}

ArchiveReader::~ArchiveReader() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void ArchiveReader::start(const QString& path, int today) {
    if (thread_)
        return;
    archive_ = {};
    error_.clear();
    thread_ = QThread::create([this, path, today] {
        try {
            archive_ = logic::readArchiveFile(path, today,
                                              [this](int done, int total) { emit progress(done, total); });
        } catch (const logic::Error& e) {
            error_ = e.text();
        } catch (const std::exception&) {
            // In practice memory running out on a huge file.
            error_ = QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen.").arg(path);
        }
    });
    connect(thread_, &QThread::finished, this, [this] {
        thread_->deleteLater();
        thread_ = nullptr;
        emit finished();
    });
    thread_->start();
}

} // namespace talvo::ui
