#include "abaco/frmabaco.h"

#include "app/frminizio.h"
#include "ui/colour.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

frmabaco::frmabaco()
    : ui::Form(QStringLiteral("Componi con l'abaco"), 8910, 6255, ui::vbColor(0x00FFC0FF))
{
    setObjectName(QStringLiteral("frmabaco"));
    centre(ui::CentreOrder::LeftFirst);

    cmdfine = new ui::PictureButton(this, QStringLiteral(":/fine.svg"), QStringLiteral("Fine"),
                                   ui::vbColor(0x0080C0FF));
    cmdfine->setObjectName(QStringLiteral("cmdfine"));
    cmdfine->setGeometry(ui::rect(8160, 5520, 615, 615));
    setCancelButton(cmdfine);

    connect(cmdfine, &QPushButton::clicked, this, &frmabaco::cmdfine_Click);
}

void frmabaco::cmdfine_Click()
{
    ui::switchTo<frminizio>(this);
}
