#pragma once

#include "logic/draws/archive_import.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::platform {
class FileDownload;
} // namespace talvo::platform

namespace talvo::ui {

class ArchiveReader;

// "Ziehungen importieren": reads a draw archive as the lottery publishes it, previews what
// it would change, and merges it into the history after a confirmation. The archive comes
// from a file or from an address on the internet.
class ImportWindow : public QWidget {
    Q_OBJECT
  public:
    // AskForFile: the window asks for a file when it first appears. WaitForChoice: it
    // waits, for a file dropped on the program or an address the user types.
    enum class Start { AskForFile, WaitForChoice };
    ImportWindow(logic::ProgramState& state, const logic::AppPaths& paths, Start start = Start::AskForFile,
                 QWidget* parent = nullptr);
    ~ImportWindow() override;

    // "Datei wählen...": asks for a file and reads it for the preview.
    void chooseFile();
    // Reads that file for the preview.
    void readFile(const QString& path);
    // "Laden": downloads the archive at the address in the address field, within the
    // limits of every download, and reads it for the preview. The address is remembered.
    void loadFromAddress();
    // Puts the cursor into the address field.
    void focusAddress();
    // "Importieren".
    void importDraws();
    // A download or a read is under way.
    bool isReading() const;

  signals:
    // A file was read and its preview is shown (or its error reported).
    void previewReady();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void readFinished();
    void downloadFinished(bool ok, const QString& error);
    void setBusy(bool busy);
    QString downloadTarget() const;
    void showPreview();
    void clearPreview(const QString& status);

    logic::ProgramState& state_;
    const logic::AppPaths& paths_;
    ArchiveReader* reader_ = nullptr;
    platform::FileDownload* download_ = nullptr;
    logic::ArchiveFile archive_;
    bool asked_ = false;
    QLabel* fileLabel_ = nullptr;
    QLabel* counts_[6] = {};
    QCheckBox* replaceCheck = nullptr;
    QTableWidget* faultyTable_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QLineEdit* addressEdit_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

} // namespace talvo::ui
