#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace talvo::ui {

// The text frame: an editable pane of tip text lines with three tool buttons that open
// a tip text file into the pane, save the pane as one and print it. The tip centre puts
// one frame into each of its output tabs.
class TextFrame : public QWidget {
    Q_OBJECT

  public:
    // dataDir: where the file dialogs start.
    explicit TextFrame(const QString& dataDir, QWidget* parent = nullptr);

    // The pane's lines; a final line end starts no further line.
    QStringList lines() const;
    void setLines(const QStringList& lines);
    QPlainTextEdit* textEdit() const { return textEdit_; }

    // The three buttons' actions; errors reach the general error handling.
    void openFile();
    void saveFile();
    void print();

  private:
    QString dataDir_;
    QPlainTextEdit* textEdit_;
};

} // namespace talvo::ui
