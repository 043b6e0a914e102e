#include "primi/frmprimi.h"

#include "app/frminizio.h"
#include "ui/colour.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

frmprimi::frmprimi()
    : ui::Form(QStringLiteral("Numeri primi"), 4935, 3510, ui::vbColor(0x0080FF80), Border::FixedDialog)
{
    setObjectName(QStringLiteral("frmprimi"));
    centre(ui::CentreOrder::LeftFirst);

    cmdesci = new ui::PictureButton(this, QStringLiteral(":/fine.svg"), QStringLiteral("Fine"),
                                   ui::vbColor(0x0080C0FF));
    cmdesci->setObjectName(QStringLiteral("cmdesci"));
    cmdesci->setGeometry(ui::rect(3960, 1080, 615, 615));
    setCancelButton(cmdesci);

    connect(cmdesci, &QPushButton::clicked, this, &frmprimi::cmdesci_Click);
}

void frmprimi::cmdesci_Click()
{
    ui::switchTo<frminizio>(this);
}
