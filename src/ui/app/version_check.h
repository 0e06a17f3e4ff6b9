#pragma once

#include "logic/core/paths.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace talvo::platform {
class DateiHolen;
}

namespace talvo::ui {

class TFNeueVersion;

// The help menu's "&Updateprüfung": fetches the server's version file in the background
// and opens the new-version window when the server offers another version.
class VersionPruefung : public QObject {
    Q_OBJECT
  public:
    VersionPruefung(const logic::AppPaths& paths, const QString& downloadBase, QObject* parent = nullptr);
    ~VersionPruefung() override;

    // The menu entry: the offline message, or the check. `parent` holds the messages.
    void Updatepruefung(QWidget* parent);
    // The check itself; a second request while one runs is ignored.
    void VersionPruefen();
    bool isRunning() const;
    // The new-version window of the last check while it is open.
    TFNeueVersion* window() const;

  signals:
    void checkFinished();
    // Passed on from the new-version window once the installer runs.
    void programmEnde();

  private:
    // The copy of the server's version file in the data folder.
    QString localFile() const;
    void downloaded();
    void openWindow(const QString& serverVersion);

    logic::AppPaths paths_;
    QString downloadBase_;
    platform::DateiHolen* download_;
    QPointer<QWidget> parent_;
    QPointer<TFNeueVersion> window_;
};

} // namespace talvo::ui
