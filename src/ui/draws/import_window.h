#pragma once

#include "logic/draws/archive_import.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class ArchiveReader;

// "Ziehungen importieren": reads a draw archive as the lottery publishes it, previews what
// it would change, and merges it into the history after a confirmation.
class ImportWindow : public QWidget {
    Q_OBJECT
  public:
    ImportWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~ImportWindow() override;

    // "Datei wählen...": asks for a file and reads it for the preview.
    void chooseFile();
    // "Importieren".
    void importDraws();
    bool isReading() const;

  signals:
    // The history was rewritten from an archive.
    void historyImported();
    // A file was read and its preview is shown (or its error reported).
    void previewReady();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void readFinished();
    void showPreview();
    void clearPreview(const QString& status);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    ArchiveReader* reader_ = nullptr;
    logic::ArchiveFile archive_;
    bool asked_ = false;
    QLabel* fileLabel_ = nullptr;
    QLabel* counts_[6] = {};
    QCheckBox* replaceCheck = nullptr;
    QTableWidget* faultyTable_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

} // namespace talvo::ui
