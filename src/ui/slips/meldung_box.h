#pragma once

class QWidget;

namespace talvo::logic {
struct Meldung;
}

namespace talvo::ui {

// Shows a message of the slip logic in the program's message box with its icon.
void zeigeMeldung(QWidget* parent, const logic::Meldung& meldung);

} // namespace talvo::ui
