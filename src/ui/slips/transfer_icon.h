#pragma once

class QIcon;

namespace talvo::ui {

// The blue arrow of the transfer button: the slip goes down into the table.
QIcon transferIcon();
// The green cross that closes the active slip.
QIcon closeSlipIcon();

} // namespace talvo::ui
