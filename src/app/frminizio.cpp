#include "app/frminizio.h"

#include "abaco/frmabaco.h"
#include "app/frminfo.h"
#include "colora/frmcolora.h"
#include "componi/frmcomponi.h"
#include "primi/frmprimi.h"
#include "window/colour.h"
#include "window/fonts.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "window/registry.h"
#include "desktop/screen_reader.h"
#include "window/twips.h"

frminizio::frminizio()
    : ui::Form(QStringLiteral("Numerandia"), 4335, 4335, ui::colour::lightGreen)
{
    setObjectName(QStringLiteral("frminizio"));
    centre(ui::CentreOrder::TopFirst);

    const QFont caption = ui::font(ui::comicSans, 12, false, true);
    const auto activity = [&](const char *name, const QString &text, int top, const QColor &face,
                              void (frminizio::*handler)()) {
        auto *button = new ui::PushButton(this, text);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::rect(240, top, 3855, 375));
        button->setFace(face);
        button->setFont(caption);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    auto *cmdabaco = activity("cmdabaco", QStringLiteral("Componi l'abaco"), 240, ui::vbColor(0x00C0C0FF),
                              &frminizio::cmdabaco_Click);
    auto *cmdcolora = activity("cmdcolora", QStringLiteral("Colora la frazione"), 840, ui::vbColor(0x00FFC0C0),
                               &frminizio::cmdcolora_Click);
    auto *cmdcomponi = activity("cmdcomponi", QStringLiteral("Componi il numero"), 1440, ui::colour::yellow,
                                &frminizio::cmdcomponi_Click);
    auto *cmdprimi = activity("cmdprimi", QStringLiteral("Numeri primi"), 2040, ui::colour::lightOrange,
                              &frminizio::cmdprimi_Click);

    auto *cmdistruzioni = new ui::PictureButton(this, QStringLiteral(":/question.svg"),
                                                QStringLiteral("Istruzioni"), ui::colour::lightPink);
    cmdistruzioni->setObjectName(QStringLiteral("cmdistruzioni"));
    cmdistruzioni->setGeometry(ui::rect(3480, 2880, 615, 615));

    auto *cmdesci = new ui::PictureButton(this, QStringLiteral(":/door.svg"), QStringLiteral("Esci"),
                                          ui::colour::lightPink);
    cmdesci->setObjectName(QStringLiteral("cmdesci"));
    cmdesci->setGeometry(ui::rect(3480, 3600, 615, 615));

    auto *Picture1 = new ui::PictureBox(this, QStringLiteral(":/arrow_drawing.svg"), QSize(127, 125));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(ui::rect(1320, 2640, 1695, 1455));
    Picture1->setFocusPolicy(Qt::TabFocus);
    ui::nameGraphic(Picture1, QStringLiteral("Una freccia blu sorridente"));

    auto *Image1 = new ui::PictureBox(this, QStringLiteral(":/signature.svg"), QSize(82, 11));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(ui::rect(120, 4080, 1230, 165));

    setTabOrder(cmdabaco, cmdcolora);
    setTabOrder(cmdcolora, cmdcomponi);
    setTabOrder(cmdcomponi, cmdprimi);
    setTabOrder(cmdprimi, cmdesci);
    setTabOrder(cmdesci, Picture1);
    setTabOrder(Picture1, cmdistruzioni);
    setCancelButton(cmdesci);
    cmdabaco->setFocus();

    connect(cmdistruzioni, &QPushButton::clicked, this, &frminizio::cmdistruzioni_Click);
    connect(cmdesci, &QPushButton::clicked, this, &frminizio::cmdesci_Click);
}

void frminizio::cmdabaco_Click()
{
    ui::switchTo<frmabaco>(this);
}

void frminizio::cmdcolora_Click()
{
    ui::switchTo<frmcolora>(this);
}

void frminizio::cmdcomponi_Click()
{
    ui::switchTo<frmcomponi>(this);
}

void frminizio::cmdprimi_Click()
{
    ui::switchTo<frmprimi>(this);
}

// The picture with the tooltip "Istruzioni" has always opened the information window
// (name, version, authors); the instructions window belongs to the fraction drill.
void frminizio::cmdistruzioni_Click()
{
    ui::show<frminfo>();
}

void frminizio::cmdesci_Click()
{
    ui::endProgram();
}
