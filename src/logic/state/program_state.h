#pragma once

#include "logic/core/history_file.h"
#include "logic/settings/options_file.h"

#include <QObject>
#include <QString>

namespace talvo::logic {

// What more than one window uses, living from start to end: the draw history, the options
// and the colour scheme. Windows read them here and follow the history and the scheme
// through the signal beside their setters; what one window alone uses, it keeps itself.
class ProgramState : public QObject {
    Q_OBJECT
  public:
    explicit ProgramState(QObject* parent = nullptr) : QObject(parent) {}

    const DrawHistory& history() const { return history_; }
    // Replaces the in-memory history and tells every listener.
    void setHistory(DrawHistory draws);

    // The options record as read at start-up and last saved. Windows read it when they
    // need it; the reference stays valid for the life of the state, so readers may keep it.
    const OptionsRecord& options() const { return options_; }
    void setOptions(const OptionsRecord& options);

    // The colour scheme 1..7 the slip editor paints with; it can run ahead of the saved
    // record while the user tries schemes in the options window.
    int colourScheme() const { return colourScheme_; }
    void setColourScheme(int scheme);

  signals:
    void historyChanged();
    void colourSchemeChanged();

  private:
    DrawHistory history_;
    OptionsRecord options_;
    int colourScheme_ = 1;
};

} // namespace talvo::logic
