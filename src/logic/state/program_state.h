#pragma once

#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/core/slip_file.h"
#include "logic/settings/options_file.h"

#include <QObject>
#include <QString>

namespace talvo::logic {

// The lists the whole program shares, living from start to end. Windows read them here
// and learn of every change through the signal beside each setter.
class ProgramState : public QObject {
    Q_OBJECT
  public:
    explicit ProgramState(QObject* parent = nullptr) : QObject(parent) {}

    const DrawHistory& history() const { return history_; }
    // Replaces the in-memory history and tells every listener.
    void setHistory(DrawHistory draws);

    // Every slip of every file loaded for evaluation, in load order.
    const SlipList& evaluationSlips() const { return evaluationSlips_; }
    void appendEvaluationSlips(const SlipList& slips);

    // The slips transferred in the slip centre.
    const SlipList& slipCentreSlips() const { return slipCentreSlips_; }
    void setSlipCentreSlips(SlipList slips);

    // The numbers marked on the main window's board.
    const NumberSet& boardSelection() const { return boardSelection_; }
    void setBoardSelection(const NumberSet& numbers);
    int boardSelectionCount() const { return boardSelection_.count(); }

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
    void evaluationSlipsChanged();
    void slipCentreSlipsChanged();
    void boardSelectionChanged();
    void optionsChanged();
    void colourSchemeChanged();

  private:
    DrawHistory history_;
    SlipList evaluationSlips_;
    SlipList slipCentreSlips_;
    NumberSet boardSelection_;
    OptionsRecord options_;
    int colourScheme_ = 1;
};

// Loads the history file into the state when it holds other draws than the state (a missing
// file counts as an empty history); returns whether it did.
bool reloadChangedHistory(ProgramState& state, const QString& historyPath);

} // namespace talvo::logic
