#pragma once

#include <QWidget>

class QButtonGroup;
class QLabel;
class QProgressBar;
class QPushButton;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::platform {
class FileDownload;
}

namespace talvo::ui {

// "Aktualisieren Sie...": proposes the draw set that brings the history up to date,
// downloads it in the background and merges it.
class UpdateWindow : public QWidget {
    Q_OBJECT
  public:
    UpdateWindow(logic::ProgramState& state, const logic::AppPaths& paths, const QString& downloadBase,
                 QWidget* parent = nullptr);

    // Preselects the update need once, at program start.
    void setUpAtStart();
    const QString& chosenFileName() const { return chosenFile_; }
    // "Herunterladen starten".
    void startDownload();

  signals:
    // A download ended, merged or not.
    void updateFinished(bool merged);

  private:
    void choose(int choice);
    // failure: why the download failed (German), empty when it succeeded.
    void downloadFinished(QString failure);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    QString downloadBase_;
    QString chosenFile_;
    QButtonGroup* needGroup = nullptr;
    QLabel* statusLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* startButton_ = nullptr;
    platform::FileDownload* download_ = nullptr;
};

} // namespace talvo::ui
