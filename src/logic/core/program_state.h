#pragma once

#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "logic/core/number_set.h"
#include "logic/settings/options_file.h"
#include "logic/statistics/frequency_classes.h"

#include <QObject>

namespace talvo::logic {

// The lists the whole program shares, living from start to end. Windows read them here
// and learn of changes to the draw history through historyChanged.
class ProgramState : public QObject {
    Q_OBJECT
public:
    explicit ProgramState(QObject* parent = nullptr) : QObject(parent) {}

    const DrawHistory& history() const { return history_; }
    // Replaces the in-memory history and tells every listener.
    void setHistory(DrawHistory draws);

    // Every slip of every file loaded for evaluation, in load order.
    SlipList evaluationSlips;
    // The slips transferred in the slip centre.
    SlipList slipCentreSlips;
    // The numbers marked on the main window's board.
    NumberSet boardSelection;
    int boardSelectionCount() const { return boardSelection.count(); }
    // The classified numbers of the last frequency statistics, read by the tip centre.
    ClassSets classifiedNumbers;

    // The options record as read at start-up and last saved.
    OptionsRecord options;
    // The colour scheme 1..7 the slip editor paints with; it can run ahead of the saved
    // record while the user tries schemes in the options window.
    int colourScheme() const { return colourScheme_; }
    void setColourScheme(int scheme);

signals:
    void historyChanged();
    void colourSchemeChanged();

private:
    DrawHistory history_;
    int colourScheme_ = 1;
};

} // namespace talvo::logic
