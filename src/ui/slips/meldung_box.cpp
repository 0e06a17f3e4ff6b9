#include "ui/slips/meldung_box.h"

#include "logic/slips/meldung.h"
#include "ui/common/message_box.h"

namespace talvo::ui {

void zeigeMeldung(QWidget* parent, const logic::Meldung& meldung) {
    showMessage(parent, meldung.text,
                meldung.art == logic::Meldung::Art::Fehler ? MessageIcon::Error : MessageIcon::Information);
}

} // namespace talvo::ui
