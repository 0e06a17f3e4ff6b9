#include "ui/app/main_window.h"

#include "logic/core/paths.h"
#include "ui/common/tool_icons.h"
#include "ui/common/user_action.h"
#include "ui/draws/draw_panel.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/navigation/navigator.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QMimeData>
#include <QStatusBar>

namespace talvo::ui {

namespace {

// The one local .csv file a drag carries; empty for anything else.
QString droppedArchive(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

} // namespace

MainWindow::MainWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("FAuswertung"));
    setHelpContext(this, 40);
    setWindowTitle(QStringLiteral("%1 - Zentrale").arg(QLatin1String(logic::kProductName)));
    resize(800, 600);
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(8);
    drawPanel_ = new DrawPanel(state, paths, central);
    auto* helpAction = new QAction(toolIcon(ToolIcon::Help), QString(), this);
    helpAction->setObjectName(QStringLiteral("PHilfe"));
    helpAction->setToolTip(QStringLiteral("Hilfe"));
    helpFor(helpAction, 0);
    // The help panel's buttons share the tool bar's entries.
    const auto tool = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    evaluationArea_ = new EvaluationArea(state, paths,
                                         {helpAction, tool("TStatistik"), tool("TAktualisierung"),
                                          tool("TSpielscheincenter"), tool("TTippcenter")},
                                         central);
    layout->addWidget(drawPanel_);
    layout->addWidget(evaluationArea_, 1);
    setCentralWidget(central);

    connect(drawPanel_, &DrawPanel::viewingDateChanged, evaluationArea_, &EvaluationArea::setMarkedCaption);
    connect(drawPanel_, &DrawPanel::statusMessage, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(evaluationArea_, &EvaluationArea::drawChosen, drawPanel_, &DrawPanel::showViewingPosition);
    connect(evaluationArea_, &EvaluationArea::entryRequested, drawPanel_, &DrawPanel::startEntry);
    connect(evaluationArea_, &EvaluationArea::markedEvaluationRequested, this, [this] {
        runAction(this, [this] {
            evaluationArea_->evaluateMarkedNumbers(drawPanel_->markedNumbers(), drawPanel_->plus5Text());
        });
    });
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpAtStart() {
    drawPanel_->loadHistoryAtStart();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedArchive(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragEnterEvent(event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedArchive(event->mimeData());
    if (path.isEmpty()) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    emit archiveDropped(path);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeCheck_ && !closeCheck_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace talvo::ui
