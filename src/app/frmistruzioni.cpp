#include "app/frmistruzioni.h"

#include "ui/colour.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/twips.h"

const QString frmistruzioni::text = QStringLiteral(
    "Per selezionare le caselle, basta fare clic su di esse,  per selezionare intere righe o "
    "colonne, si può cliccare sui pulsanti ai lati. Per deselezionare le caselle, ricliccare col "
    "tasto sinistro, per quanto riguarda le righe e le colonne, basta cliccare sui pulsanti, col "
    "tasto destro del mouse.");

frmistruzioni::frmistruzioni()
    : ui::Form(QStringLiteral("Istruzioni"), 4470, 3495, ui::vbColor(0x0080FF80))
{
    setObjectName(QStringLiteral("frmistruzioni"));
    centre(ui::CentreOrder::TopFirst);

    Label1 = new ui::Label(this, text, ui::rect(240, 240, 3975, 2415), Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setColours(ui::vbColor(0x00FF0000), ui::vbColor(0x0080FF80));
    Label1->setFont(ui::font(QStringLiteral("Comic Sans MS"), 11.25));

    cmdok = new ui::PushButton(this, QStringLiteral("&OK"));
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setGeometry(ui::rect(1680, 2880, 1095, 375));
    cmdok->setFace(ui::vbColor(0x0000FFFF));
    cmdok->setFont(ui::font(QStringLiteral("Comic Sans MS"), 9.75));
    setCancelButton(cmdok);
    cmdok->setFocus();

    connect(cmdok, &QPushButton::clicked, this, &frmistruzioni::cmdok_Click);
}

void frmistruzioni::cmdok_Click()
{
    close();
}
