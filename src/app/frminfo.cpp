#include "app/frminfo.h"

#include "window/colour.h"
#include "window/fonts.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/picture_box.h"
#include "controls/push_button.h"
#include "window/twips.h"

#include <QApplication>

frminfo::frminfo()
    : ui::Form(QStringLiteral("Informazioni"), 6030, 3030,
               QApplication::palette().color(QPalette::Button), Border::FixedDialog)
{
    setObjectName(QStringLiteral("frminfo"));
    centre(ui::CentreOrder::TopFirst);

    auto *Label1 = new ui::Label(this, {}, ui::rect(720, 360, 735, 735));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTransparent();
    Label1->setSingleBorder();

    auto *Image1 = new ui::PictureBox(this, QStringLiteral(":/gears.svg"), QSize(32, 32));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(ui::rect(840, 480, 480, 480));

    auto *Label10 = new ui::Label(this, QStringLiteral("Numerandia"), ui::rect(1680, 360, 3375, 495));
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setFont(ui::font(ui::comicSans, 14.25, false, true));

    (new ui::Line(this, QPoint(1680, 1080), QPoint(5040, 1080), ui::colour::blue, 3))
        ->setObjectName(QStringLiteral("Line1"));

    const QFont text = ui::font(ui::msSansSerif, 9.75);
    const auto caption = [&](const char *name, const QString &value, const QRect &r,
                             Qt::Alignment align = Qt::AlignLeft) {
        auto *label = new ui::Label(this, value, r, align);
        label->setObjectName(QLatin1String(name));
        label->setFont(text);
        label->setTransparent();
        return label;
    };
    caption("Label4", QStringLiteral("versione: "), ui::rect(600, 1320, 975, 255), Qt::AlignRight);
    caption("Label5", QStringLiteral(NUMERANDIA_VERSION), ui::rect(1680, 1320, 375, 255));
    caption("Label8", QStringLiteral("data: "), ui::rect(960, 1680, 615, 255), Qt::AlignRight);
    caption("Label9", QStringLiteral("10 marzo 2003"), ui::rect(1680, 1680, 1695, 255));
    caption("Label2", QStringLiteral("autore: "), ui::rect(840, 2040, 735, 255), Qt::AlignRight);
    caption("Label6", QStringLiteral("Gli autori"), ui::rect(1680, 2040, 1095, 255));
    caption("Label3", QStringLiteral("e-mail: "), ui::rect(600, 2400, 975, 255), Qt::AlignRight);
    caption("Label7", QStringLiteral("info@example.org"), ui::rect(1680, 2400, 1815, 255));

    auto *cmdok = new ui::PushButton(this, QStringLiteral("&OK"));
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setGeometry(ui::rect(5040, 2520, 855, 375));
    cmdok->setFont(ui::font(ui::msSansSerif, 8));
    setCancelButton(cmdok);
    cmdok->setFocus();

    connect(cmdok, &QPushButton::clicked, this, &QWidget::close);
}
