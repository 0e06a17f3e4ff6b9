#pragma once

#include "logic/draws/archive_import.h"

#include <QObject>
#include <QString>

class QThread;

namespace talvo::ui {

// Reads one archive file off the user-interface thread, reporting its progress, so a
// large file never freezes the window.
class ArchiveReader : public QObject {
    Q_OBJECT
  public:
    explicit ArchiveReader(QObject* parent = nullptr);
    // Waits for a read still running.
    ~ArchiveReader() override;

    void start(const QString& path, int today);
    bool isRunning() const { return thread_ != nullptr; }
    // Valid once finished() arrived: the rows, or the German text of why the file could
    // not be read.
    const logic::ArchiveFile& archive() const { return archive_; }
    const QString& error() const { return error_; }

  signals:
    void progress(int done, int total);
    void finished();

  private:
    QThread* thread_ = nullptr;
    logic::ArchiveFile archive_;
    QString error_;
};

} // namespace talvo::ui
