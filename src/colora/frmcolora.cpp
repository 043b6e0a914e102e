#include "colora/frmcolora.h"

#include "app/frminizio.h"
#include "ui/colour.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

frmcolora::frmcolora()
    : ui::Form(QStringLiteral("Colora la frazione"), 6510, 5445, ui::vbColor(0x0080FFFF))
{
    setObjectName(QStringLiteral("frmcolora"));
    centre(ui::CentreOrder::TopFirst);

    cmdfine = new ui::PictureButton(this, QStringLiteral(":/fine.svg"), QStringLiteral("Fine"),
                                   ui::vbColor(0x00FFC0FF));
    cmdfine->setObjectName(QStringLiteral("cmdfine"));
    cmdfine->setGeometry(ui::rect(5760, 4560, 615, 615));
    setCancelButton(cmdfine);

    connect(cmdfine, &QPushButton::clicked, this, &frmcolora::cmdfine_Click);
}

void frmcolora::cmdfine_Click()
{
    ui::switchTo<frminizio>(this);
}
