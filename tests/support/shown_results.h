#pragma once

// The result tables of the main window's active file tab as text, in the form
// `talvo-cli evaluate` prints them: per tab "# caption", the header row, then the rows.

#include "ui/app/main_window.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/evaluation/result_tab_strip.h"
#include "ui/evaluation/result_tabs.h"
#include "ui/evaluation/slip_file_frame.h"

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>
#include <QTableView>

namespace talvo::test {

inline QString shownResults(ui::MainWindow& window) {
    ui::ResultTabs* tabs = window.evaluationArea()->activeFileFrame()->results();
    const QAbstractItemModel* model = tabs->grid()->model();
    QString shown;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->tabBar()->setCurrentIndex(i);
        shown += QStringLiteral("# ") + tabs->tabBar()->tabText(i) + QLatin1Char('\n');
        QStringList header;
        for (int c = 0; c < model->columnCount(); ++c)
            header << model->headerData(c, Qt::Horizontal).toString();
        shown += header.join(QLatin1Char('\t')) + QLatin1Char('\n');
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(row, c).data().toString();
            shown += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    }
    return shown;
}

} // namespace talvo::test
