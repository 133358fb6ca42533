#include "widgets/platzhalter.h"

#include "widgets/dialoge.h"

void ZeigePlatzhalter(QWidget* eltern, const QString& titel) {
    dialoge::Meldung(eltern, titel,
                     QStringLiteral("„%1“ ist in dieser Version noch nicht enthalten.").arg(titel),
                     QMessageBox::Information);
}
