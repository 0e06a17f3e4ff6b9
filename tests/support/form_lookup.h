#pragma once

class QString;
class QWidget;

namespace talvo::test {

// Whether a window with exactly this form name exists, shown or hidden.
bool isFormOpen(const QString& formName);
// The window of that name, searched from the last created one; nullptr when none.
QWidget* findForm(const QString& formName);

} // namespace talvo::test
