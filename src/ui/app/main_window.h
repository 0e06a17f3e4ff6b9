#pragma once

#include <QMainWindow>
#include <functional>

namespace talvo::logic {
class ProgramState;
struct AppPaths;
} // namespace talvo::logic

namespace talvo::ui {

class DrawPanel;
class EvaluationArea;

// The central window "TALVO - Zentrale"; closing it ends the program. It owns the menus
// and the tool bar and holds the draw panel on the left and the evaluation area on the
// right, which it introduces to each other.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(logic::ProgramState& state, const logic::AppPaths& paths, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The creation step run during start-up: loads the draw history when its file exists.
    void setUpAtStart();

    DrawPanel* drawPanel() const { return drawPanel_; }
    EvaluationArea* evaluationArea() const { return evaluationArea_; }

    // Asked before the window closes and the program ends; false keeps it open.
    void setCloseCheck(std::function<bool()> check) { closeCheck_ = std::move(check); }

  signals:
    void closed();
    // A draw archive (.csv) was dropped on the window.
    void archiveDropped(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();

    DrawPanel* drawPanel_ = nullptr;
    EvaluationArea* evaluationArea_ = nullptr;
    std::function<bool()> closeCheck_;
};

} // namespace talvo::ui
