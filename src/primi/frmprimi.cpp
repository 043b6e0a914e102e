#include "primi/frmprimi.h"

#include "primi/prime_check.h"
#include "window/colour.h"
#include "window/fonts.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/picture_button.h"
#include "window/registry.h"
#include "desktop/screen_reader.h"
#include "window/twips.h"

#include <QLineEdit>
#include <QLocale>

namespace {

const QColor ink = ui::vbColor(0x00C00000);
const QColor paleCyan = ui::vbColor(0x00FFFFC0);

void paint(QWidget *box, const QColor &text, const QColor &base)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, base);
    box->setPalette(pal);
}

} // namespace

frmprimi::frmprimi()
    : ui::Form(QStringLiteral("Numeri primi"), 4935, 3510, ui::colour::lightGreen, Border::FixedDialog)
{
    setObjectName(QStringLiteral("frmprimi"));
    centre(ui::CentreOrder::LeftFirst);

    const QFont plain = ui::font(ui::msSansSerif, 8);
    const auto label = [&](const char *name, const QString &text, const QRect &where,
                           Qt::Alignment alignment, const QColor &back) {
        auto *l = new ui::Label(this, text, where, alignment);
        l->setObjectName(QLatin1String(name));
        l->setColours(ink, back);
        l->setFont(plain);
        return l;
    };

    auto *Label1 = label("Label1", QStringLiteral("Immetti un numero (minore di 50 milioni)"),
                   ui::rect(120, 240, 4695, 375), Qt::AlignHCenter, ui::colour::lightGreen);
    Label1->setFont(ui::font(ui::comicSans, 12, false, true));
    auto *Label2 = label("Label2", QStringLiteral("Per i numeri più alti ci sarà bisogno di circa 1 minuto"),
                   ui::rect(240, 600, 4455, 255), Qt::AlignHCenter, ui::colour::lightGreen);
    Label2->setFont(ui::font(ui::comicSans, 9));

    txt = new QLineEdit(this);
    txt->setObjectName(QStringLiteral("txt"));
    txt->setGeometry(ui::rect(360, 1200, 2775, 405));
    txt->setFont(ui::font(ui::msSansSerif, 12));
    txt->setAccessibleName(QStringLiteral("numero"));
    paint(txt, ink, paleCyan);

    auto *cmd = new ui::PictureButton(this, QStringLiteral(":/conferma.svg"), QStringLiteral("Calcola"),
                                      ui::colour::lightOrange);
    cmd->setObjectName(QStringLiteral("cmd"));
    cmd->setGeometry(ui::rect(3240, 1080, 615, 615));
    setDefaultButton(cmd);

    auto *cmdesci = new ui::PictureButton(this, QStringLiteral(":/fine.svg"), QStringLiteral("Fine"),
                                          ui::colour::lightOrange);
    cmdesci->setObjectName(QStringLiteral("cmdesci"));
    cmdesci->setGeometry(ui::rect(3960, 1080, 615, 615));
    setCancelButton(cmdesci);

    lbl = label("lbl", QString(), ui::rect(360, 1800, 4215, 285), Qt::AlignLeft, paleCyan);
    lbl->setSingleBorder();
    lbl->hide();

    lbldiv2 = label("lbldiv2", QStringLiteral("È divisibile per i seguenti numeri:"),
                    ui::rect(360, 2280, 4215, 255), Qt::AlignLeft, ui::colour::lightGreen);
    lbldiv2->hide();

    txtdiv = new ui::ListBox(this);
    txtdiv->setObjectName(QStringLiteral("txtdiv"));
    txtdiv->setGeometry(ui::rect(360, 2520, 4215, 735));
    txtdiv->setFont(plain);
    txtdiv->setAccessibleName(QStringLiteral("divisori"));
    paint(txtdiv, ink, paleCyan);
    txtdiv->hide();

    setTabOrder(txt, cmd);
    setTabOrder(cmd, cmdesci);
    setTabOrder(cmdesci, txtdiv);
    txt->setFocus();

    connect(cmd, &QPushButton::clicked, this, &frmprimi::cmd_Click);
    connect(cmdesci, &QPushButton::clicked, this, &frmprimi::cmdesci_Click);
}

void frmprimi::cmd_Click()
{
    setCursor(Qt::WaitCursor);
    const PrimeAnswer answer =
        checkPrime(txt->text().toStdString(), QLocale().groupSeparator().toStdString());
    if (answer.accepted) {
        lbl->setText(QString::fromStdString(answer.verdict));
        lbl->show();
        // Read at once, with the start of the list, while the typing box keeps the focus.
        ui::announce(this, (answer.spoken.empty() ? lbl->text() : lbl->text() + QStringLiteral(". "))
                               + QString::fromStdString(answer.spoken));
        if (answer.showList) {
            txtdiv->setPlainText(QString::fromStdString(answer.list));
            txtdiv->show();
            lbldiv2->show();
        } else {
            // A prime hides the previous list but leaves its text as it was.
            txtdiv->hide();
            lbldiv2->hide();
        }
    }
    unsetCursor();

    txt->clear();
    txt->setFocus();
}

void frmprimi::cmdesci_Click()
{
    ui::backToStart(this);
}
