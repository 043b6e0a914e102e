#include "abaco/frmabaco.h"

#include "controls/label.h"
#include "controls/line.h"
#include "controls/picture_button.h"
#include "controls/shape.h"
#include "window/colour.h"
#include "window/fonts.h"
#include "window/twips.h"

namespace {

// What the abacus has of every drill, as its layout gives it.
Drill::Layout drillLayout()
{
    return {.caption = QStringLiteral("Componi con l'abaco"), .clientTwips = {8910, 6255}, .back = ui::colour::lightPink,
            .centre = ui::CentreOrder::LeftFirst, .messageTwips = {840, 240, 5415, 495},
            .messageFont = ui::font(ui::comicSans, 18, true, true), .messageInk = ui::colour::blue,
            .panelTwips = {7020, 1920}, .buttonFace = ui::colour::lightOrange, .confermaTwips = {7440, 5520},
            .fineTwips = {8160, 5520}, .finePicture = QStringLiteral(":/fine.svg"), .timerName = QStringLiteral("timer"),
            .beep = Drill::Beep::BeforeCounts};
}

struct RodLook {
    const char *name; // of the button without "cmd", and of the beads without their number
    QColor fill;
    bool outlined;
    const char *lineName;
    const char *spoken; // what a screen reader says for the rod's button
};

// Left to right as the rods stand, in the order of AbacusBoard::Rod.
const RodLook rods[AbacusBoard::rodCount] = {
    {"h", ui::colour::green, true, "Line2", "centinaia"},
    {"da", ui::colour::red, false, "Line3", "decine"},
    {"u", ui::colour::black, false, "Line4", "unità"},
    {"d", ui::colour::yellow, false, "Line5", "decimi"},
    {"c", ui::colour::yellow, false, "Line1", "centesimi"},
    {"m", ui::colour::yellow, false, "Line6", "millesimi"},
};

} // namespace

frmabaco::frmabaco(std::unique_ptr<RandomSource> random)
    : DrillOn(drillLayout(), std::move(random))
{
    setObjectName(QStringLiteral("frmabaco"));

    lbln = new ui::Label(this, QString(), ui::rect(6600, 240, 2055, 495), Qt::AlignHCenter);
    lbln->setObjectName(QStringLiteral("lbln"));
    lbln->setFont(ui::font(ui::comicSans, 18, true));

    // Rod lines first, then the base bar and its edges, and the beads last, so that a
    // bead hides the rod it sits on.
    for (int r = 0; r < AbacusBoard::rodCount; ++r) {
        const int x = 840 + 1080 * r;
        (new ui::Line(this, QPoint(x, 960), QPoint(x, 4320)))->setObjectName(QLatin1String(rods[r].lineName));
    }

    auto *bar = new ui::Shape(this, ui::Shape::Kind::Rectangle, ui::vbColor(0x00FF8080), QColor());
    bar->setObjectName(QStringLiteral("Shape2"));
    bar->setGeometry(ui::rect(240, 4320, 6615, 375));
    const auto edge = [this](const char *name, QPoint from, QPoint to, std::uint32_t colour) {
        (new ui::Line(this, from, to, ui::vbColor(colour), 2))->setObjectName(QLatin1String(name));
    };
    edge("Line7", QPoint(240, 4320), QPoint(6840, 4320), 0x00FFFFFF);
    edge("Line9", QPoint(240, 4320), QPoint(240, 4680), 0x00FFFFFF);
    edge("Line8", QPoint(240, 4680), QPoint(6840, 4680), 0x00808080);
    edge("Line10", QPoint(6840, 4320), QPoint(6840, 4680), 0x00808080);

    for (int r = 0; r < AbacusBoard::rodCount; ++r) {
        const RodLook &look = rods[r];
        const QColor outline = look.outlined ? ui::colour::black : QColor();
        for (int k = 1; k <= AbacusBoard::beadsPerRod; ++k) {
            auto *bead = new ui::Shape(this, ui::Shape::Kind::Circle, look.fill, outline);
            bead->setObjectName(QLatin1String(look.name) + QString::number(k));
            bead->setGeometry(ui::rect(660 + 1080 * r, 3960 - 360 * (k - 1), 375, 375));
            beads_[r][k - 1] = bead;
        }
    }

    for (int r = 0; r < AbacusBoard::rodCount; ++r) {
        auto *button = new ui::PushButton(this, QLatin1String(rods[r].name));
        button->setObjectName(QLatin1String("cmd") + QLatin1String(rods[r].name));
        button->setGeometry(ui::rect(600 + 1080 * r, 4920, 495, 375));
        button->setAccessibleName(QString::fromUtf8(rods[r].spoken));
        wire(button, Rod(r), &AbacusBoard::addBead, &AbacusBoard::removeBead);
        cmdasta_[r] = button;
    }
    // "Fine" first, so that it has the focus when the window opens; then the rods.
    setTabOrder({cmdfine, cmdconferma, cmdasta_[0], cmdasta_[1], cmdasta_[2], cmdasta_[3], cmdasta_[4], cmdasta_[5]});
    cmdfine->setFocus();

    auto *Label4 = new ui::Label(this, QStringLiteral(","), ui::rect(3360, 4800, 375, 615), Qt::AlignHCenter);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(ui::font(ui::arial, 27.75));

    auto *Label1 = new ui::Label(this, QStringLiteral("Click sinistro per aggiungere, click destro per togliere"),
                                 ui::rect(600, 5640, 5895, 375), Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextColour(ui::colour::blue);
    Label1->setFont(ui::font(ui::comicSans, 11.25));

    // The value the beads make, kept but never shown: the pupil sees only the beads.
    lblnum = new ui::Label(this, QStringLiteral("0"), ui::rect(7680, 4440, 1095, 375));
    lblnum->setObjectName(QStringLiteral("lblnum"));
    lblnum->hide();

    showRound();
}

void frmabaco::showBoard()
{
    for (int r = 0; r < AbacusBoard::rodCount; ++r)
        showStack(cmdasta_[r], beads_[r], round_.board().count(Rod(r)), QStringLiteral("pallina"),
                  QStringLiteral("palline"));
    lblnum->setText(QString::fromStdString(round_.board().text()));
}

void frmabaco::showTarget()
{
    lbln->setText(spokenTarget());
}

QString frmabaco::spokenTarget() const
{
    return QString::fromStdString(round_.target().text);
}
