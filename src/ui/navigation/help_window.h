#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace talvo::ui {

// "TALVO Hilfe": the topics of the help with its contents, keyword index and full-text
// search beside them.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Throws logic::Error when the help cannot be opened.
    HelpWindow(const QString& helpFile, const QString& collectionFile, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // The topic of a context number; an unknown number is reported and shows the contents.
    void showContext(int context);
    // The keyword index with an empty keyword.
    void showIndex();
    QUrl currentTopic() const;
    QString currentTitle() const;
    QHelpEngine& engine() { return *engine_; }

  private:
    void showTopic(const QUrl& url);
    QWidget* buildIndexPage();
    QWidget* buildSearchPage();

    std::unique_ptr<QHelpEngine> engine_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QTextBrowser* topic_ = nullptr;
};

} // namespace talvo::ui
