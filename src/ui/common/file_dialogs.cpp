#include "ui/common/file_dialogs.h"

#include "ui/common/dialog_parent.h"

#include <QFileDialog>
#include <optional>

namespace talvo::ui {

namespace {
std::optional<QString>& nextName() {
    static std::optional<QString> n;
    return n;
}

QString qtFilter(const QString& filter) {
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
}

FileDialogRequest& lastRequest() {
    static FileDialogRequest r;
    return r;
}

std::optional<QString> takeNext(const QString& title, const QString& filter, const QString& folder) {
    lastRequest() = {title, filter, folder};
    std::optional<QString> n = nextName();
    nextName().reset();
    return n;
}
} // namespace

QString chooseOpenFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) {
    if (auto n = takeNext(title, filter, folder))
        return *n;
    return QFileDialog::getOpenFileName(dialogParent(parent), title, folder, qtFilter(filter));
}

QString chooseSaveFile(QWidget* parent, const QString& title, const QString& filter, const QString& folder) {
    if (auto n = takeNext(title, filter, folder))
        return *n;
    QFileDialog dialog(dialogParent(parent), title, folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without the extension gets the filter's, before the dialog asks whether
    // an existing file of that name is to be replaced.
    const int dot = filter.lastIndexOf(QStringLiteral("*."));
    if (dot >= 0)
        dialog.setDefaultSuffix(filter.mid(dot + 2));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void setNextFileName(const QString& name) {
    nextName() = name;
}

FileDialogRequest lastFileDialogRequest() {
    return lastRequest();
}

} // namespace talvo::ui
