#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace talvo::ui {

// The text frame: an editable pane of tip text lines with three tool buttons that open
// a tip text file into the pane, save the pane as one and print it. The tip centre puts
// one frame into each of its output tabs.
class TFrMemo1 : public QWidget {
    Q_OBJECT

  public:
    // dataDir: where the file dialogs start.
    explicit TFrMemo1(const QString& dataDir, QWidget* parent = nullptr);

    // The pane's lines; a final line end starts no further line.
    QStringList lines() const;
    void setLines(const QStringList& lines);
    QPlainTextEdit* m1() const { return m1_; }

    // The three buttons' actions; errors reach the general error handling.
    void Oeffnen();
    void Speichern();
    void Drucken();

  private:
    QString dataDir_;
    QPlainTextEdit* m1_;
};

} // namespace talvo::ui
