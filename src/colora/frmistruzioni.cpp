#include "colora/frmistruzioni.h"

#include "desktop/screen_reader.h"
#include "window/colour.h"
#include "window/fonts.h"
#include "controls/label.h"
#include "controls/push_button.h"
#include "window/twips.h"

frmistruzioni::frmistruzioni()
    : ui::Form(QStringLiteral("Istruzioni"), 4470, 3495, ui::colour::lightGreen)
{
    setObjectName(QStringLiteral("frmistruzioni"));
    centre(ui::CentreOrder::TopFirst);

    auto *Label1 = new ui::Label(
        this,
        QStringLiteral("Per selezionare le caselle, basta fare clic su di esse,  per selezionare intere righe o "
                       "colonne, si può cliccare sui pulsanti ai lati. Per deselezionare le caselle, ricliccare "
                       "col tasto sinistro, per quanto riguarda le righe e le colonne, basta cliccare sui "
                       "pulsanti, col tasto destro del mouse."),
        ui::rect(240, 240, 3975, 2415), Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setColours(ui::colour::blue, ui::colour::lightGreen);
    Label1->setFont(ui::font(ui::comicSans, 11.25));
    // Read when the window opens, and then what only a pupil at the keyboard needs.
    ui::describe(this, Label1->text()
                           + QStringLiteral(" Con la tastiera: la barra spaziatrice colora la riga, la colonna o la "
                                            "casella scelta e Canc la cancella. Con la freccia a destra dal pulsante "
                                            "di una riga, o con la freccia in giù da quello di una colonna, si entra "
                                            "nella griglia, e le frecce portano da una casella all'altra."));

    auto *cmdok = new ui::PushButton(this, QStringLiteral("&OK"));
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setGeometry(ui::rect(1680, 2880, 1095, 375));
    cmdok->setFace(ui::colour::yellow);
    cmdok->setFont(ui::font(ui::comicSans, 9.75));
    setCancelButton(cmdok);
    cmdok->setFocus();

    connect(cmdok, &QPushButton::clicked, this, &QWidget::close);
}
