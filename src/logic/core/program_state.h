#pragma once

#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "logic/core/zahlenmenge.h"

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
    SlipList AuswertScheine;
    // The slips transferred in the slip centre.
    SlipList ScheinListe;
    // The numbers marked on the main window's board.
    Zahlenmenge GZAuswahl;
    int gzAnzahl() const { return GZAuswahl.count(); }

signals:
    void historyChanged();

private:
    DrawHistory history_;
};

} // namespace talvo::logic
