#pragma once

#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "logic/core/zahlenmenge.h"
#include "logic/settings/einstellungen.h"
#include "logic/statistics/klassen.h"

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
    // The classified numbers of the last frequency statistics, read by the tip centre.
    TKlassenMengen KlassenMengen;

    // The options record as read at start-up and last saved.
    TEinstellungen Einstellungen;
    // The colour scheme 1..7 the slip editor paints with; it can run ahead of the saved
    // record while the user tries schemes in the options window.
    int aktFarbschema() const { return aktFarbschema_; }
    void setAktFarbschema(int scheme);

signals:
    void historyChanged();
    void farbschemaChanged();

private:
    DrawHistory history_;
    int aktFarbschema_ = 1;
};

} // namespace talvo::logic
