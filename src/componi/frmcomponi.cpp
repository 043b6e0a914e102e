#include "componi/frmcomponi.h"

#include "app/frminizio.h"
#include "ui/colour.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/twips.h"

frmcomponi::frmcomponi()
    : ui::Form(QStringLiteral("Componi il numero"), 8910, 6255, ui::vbColor(0x0080C0FF))
{
    setObjectName(QStringLiteral("frmcomponi"));
    centre(ui::CentreOrder::TopFirst);

    cmdfine = new ui::PictureButton(this, QStringLiteral(":/fine_tray.svg"), QStringLiteral("Fine"),
                                   ui::vbColor(0x00FFFF80));
    cmdfine->setObjectName(QStringLiteral("cmdfine"));
    cmdfine->setGeometry(ui::rect(8160, 5520, 615, 615));
    setCancelButton(cmdfine);

    connect(cmdfine, &QPushButton::clicked, this, &frmcomponi::cmdfine_Click);
}

void frmcomponi::cmdfine_Click()
{
    ui::switchTo<frminizio>(this);
}
