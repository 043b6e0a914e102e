#include "abaco/frmabaco.h"

#include "app/frminizio.h"
#include "common/clock_random.h"
#include "ui/colour.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/picture_button.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/shape.h"
#include "ui/sound.h"
#include "ui/twips.h"

#include <QTimer>

namespace {

const QString comic = QStringLiteral("Comic Sans MS");

struct RodLook {
    const char *name; // of the button without "cmd", and of the beads without their number
    std::uint32_t fill;
    bool outlined;
    frmabaco::Beads frmabaco::*beads;
    ui::PushButton *frmabaco::*button;
    ui::Line *frmabaco::*line;
    const char *lineName;
    const char *spoken; // what a screen reader says for the rod's button
};

// Left to right as the rods stand, in the order of AbacusBoard::Rod.
const RodLook rods[AbacusBoard::rodCount] = {
    {"h", 0x0000C000, true, &frmabaco::h, &frmabaco::cmdh, &frmabaco::Line2, "Line2", "centinaia"},
    {"da", 0x000000FF, false, &frmabaco::da, &frmabaco::cmdda, &frmabaco::Line3, "Line3", "decine"},
    {"u", 0x00000000, false, &frmabaco::u, &frmabaco::cmdu, &frmabaco::Line4, "Line4", "unità"},
    {"d", 0x0000FFFF, false, &frmabaco::d, &frmabaco::cmdd, &frmabaco::Line5, "Line5", "decimi"},
    {"c", 0x0000FFFF, false, &frmabaco::c, &frmabaco::cmdc, &frmabaco::Line1, "Line1", "centesimi"},
    {"m", 0x0000FFFF, false, &frmabaco::m, &frmabaco::cmdm, &frmabaco::Line6, "Line6", "millesimi"},
};

} // namespace

frmabaco::frmabaco(std::unique_ptr<RandomSource> random)
    : ui::Form(QStringLiteral("Componi con l'abaco"), 8910, 6255, ui::vbColor(0x00FFC0FF))
{
    setObjectName(QStringLiteral("frmabaco"));
    centre(ui::CentreOrder::LeftFirst);

    const QColor back = ui::vbColor(0x00FFC0FF);
    const QColor blue = ui::vbColor(0x00FF0000);

    lblmess = new ui::Label(this, QString(), ui::rect(840, 240, 5415, 495), Qt::AlignHCenter);
    lblmess->setObjectName(QStringLiteral("lblmess"));
    lblmess->setTextColour(blue);
    lblmess->setFont(ui::font(comic, 18, true, true));

    lbln = new ui::Label(this, QString(), ui::rect(6600, 240, 2055, 495), Qt::AlignHCenter);
    lbln->setObjectName(QStringLiteral("lbln"));
    lbln->setFont(ui::font(comic, 18, true));

    // Rod lines first, then the base bar and its edges, and the beads last, so that a
    // bead hides the rod it sits on.
    for (int r = 0; r < AbacusBoard::rodCount; ++r) {
        const int x = 840 + 1080 * r;
        auto *line = new ui::Line(this, QPoint(x, 960), QPoint(x, 4320), Qt::black, 1);
        line->setObjectName(QLatin1String(rods[r].lineName));
        this->*rods[r].line = line;
    }

    Shape2 = new ui::Shape(this, ui::Shape::Kind::Rectangle, ui::vbColor(0x00FF8080), QColor());
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(ui::rect(240, 4320, 6615, 375));
    const auto edge = [this](const char *name, QPoint from, QPoint to, std::uint32_t colour) {
        auto *line = new ui::Line(this, from, to, ui::vbColor(colour), 2);
        line->setObjectName(QLatin1String(name));
        return line;
    };
    Line7 = edge("Line7", QPoint(240, 4320), QPoint(6840, 4320), 0x00FFFFFF);
    Line9 = edge("Line9", QPoint(240, 4320), QPoint(240, 4680), 0x00FFFFFF);
    Line8 = edge("Line8", QPoint(240, 4680), QPoint(6840, 4680), 0x00808080);
    Line10 = edge("Line10", QPoint(6840, 4320), QPoint(6840, 4680), 0x00808080);

    for (int r = 0; r < AbacusBoard::rodCount; ++r) {
        const RodLook &look = rods[r];
        const QColor fill = ui::vbColor(look.fill);
        const QColor outline = look.outlined ? QColor(Qt::black) : QColor();
        Beads &beads = this->*look.beads;
        for (int k = 1; k <= AbacusBoard::beadsPerRod; ++k) {
            auto *shape = new ui::Shape(this, ui::Shape::Kind::Circle, fill, outline);
            shape->setObjectName(QLatin1String(look.name) + QString::number(k));
            shape->setGeometry(ui::rect(660 + 1080 * r, 3960 - 360 * (k - 1), 375, 375));
            shape->hide();
            beads[k - 1] = shape;
        }
    }

    for (int r = 0; r < AbacusBoard::rodCount; ++r) {
        auto *button = new ui::PushButton(this, QLatin1String(rods[r].name));
        button->setObjectName(QLatin1String("cmd") + QLatin1String(rods[r].name));
        button->setGeometry(ui::rect(600 + 1080 * r, 4920, 495, 375));
        button->setAccessibleName(QString::fromUtf8(rods[r].spoken));
        this->*rods[r].button = button;
    }

    Label4 = new ui::Label(this, QStringLiteral(","), ui::rect(3360, 4800, 375, 615),
                           Qt::AlignHCenter);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(ui::font(QStringLiteral("Arial"), 27.75));

    Label1 = new ui::Label(this,
                           QStringLiteral("Click sinistro per aggiungere, click destro per togliere"),
                           ui::rect(600, 5640, 5895, 375), Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextColour(blue);
    Label1->setFont(ui::font(comic, 11.25));

    lblnum = new ui::Label(this, QStringLiteral("0"), ui::rect(7680, 4440, 1095, 375));
    lblnum->setObjectName(QStringLiteral("lblnum"));
    lblnum->setTextColour(Qt::black);
    lblnum->hide();

    Frame1 = new ui::ScorePanel(this, 7020, 1920, back);

    const QColor orange = ui::vbColor(0x0080C0FF);
    cmdconferma = new ui::PictureButton(this, QStringLiteral(":/conferma.svg"),
                                        QStringLiteral("Conferma"), orange);
    cmdconferma->setObjectName(QStringLiteral("cmdconferma"));
    cmdconferma->setGeometry(ui::rect(7440, 5520, 615, 615));
    cmdconferma->setFont(ui::font(comic, 9.75));

    cmdfine = new ui::PictureButton(this, QStringLiteral(":/fine.svg"), QStringLiteral("Fine"),
                                    orange);
    cmdfine->setObjectName(QStringLiteral("cmdfine"));
    cmdfine->setGeometry(ui::rect(8160, 5520, 615, 615));
    cmdfine->setFont(ui::font(comic, 9.75));
    setCancelButton(cmdfine);

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("timer"));
    timer->setInterval(3000);

    setTabOrder(cmdfine, cmdconferma);
    setTabOrder(cmdconferma, cmdh);
    setTabOrder(cmdh, cmdda);
    setTabOrder(cmdda, cmdu);
    setTabOrder(cmdu, cmdd);
    setTabOrder(cmdd, cmdc);
    setTabOrder(cmdc, cmdm);
    cmdfine->setFocus();

    connect(cmdh, &QPushButton::clicked, this, &frmabaco::cmdh_Click);
    connect(cmdda, &QPushButton::clicked, this, &frmabaco::cmdda_Click);
    connect(cmdu, &QPushButton::clicked, this, &frmabaco::cmdu_Click);
    connect(cmdd, &QPushButton::clicked, this, &frmabaco::cmdd_Click);
    connect(cmdc, &QPushButton::clicked, this, &frmabaco::cmdc_Click);
    connect(cmdm, &QPushButton::clicked, this, &frmabaco::cmdm_Click);
    connect(cmdh, &ui::PushButton::mouseDown, this, &frmabaco::cmdh_MouseDown);
    connect(cmdda, &ui::PushButton::mouseDown, this, &frmabaco::cmdda_MouseDown);
    connect(cmdu, &ui::PushButton::mouseDown, this, &frmabaco::cmdu_MouseDown);
    connect(cmdd, &ui::PushButton::mouseDown, this, &frmabaco::cmdd_MouseDown);
    connect(cmdc, &ui::PushButton::mouseDown, this, &frmabaco::cmdc_MouseDown);
    connect(cmdm, &ui::PushButton::mouseDown, this, &frmabaco::cmdm_MouseDown);
    connect(cmdconferma, &QPushButton::clicked, this, &frmabaco::cmdconferma_Click);
    connect(timer, &QTimer::timeout, this, &frmabaco::timer_Timer);
    connect(cmdfine, &QPushButton::clicked, this, &frmabaco::cmdfine_Click);

    // The counts start at 0 and the board empty with the round; the source is seeded
    // from the clock as it is made, once for the window's whole life.
    random_ = random ? std::move(random) : std::make_unique<ClockRandom>();
    round_.emplace(*random_);
    showTarget();
}

ui::Shape *frmabaco::bead(Rod rod, int k) const
{
    return beadsOf(rod).at(static_cast<std::size_t>(k - 1));
}

const frmabaco::Beads &frmabaco::beadsOf(Rod rod) const
{
    return this->*rods[static_cast<std::size_t>(rod)].beads;
}

void frmabaco::addBead(Rod rod)
{
    if (const auto shown = round_->board().addBead(rod))
        bead(rod, *shown)->show();
    showValue();
}

void frmabaco::mouseDown(Rod rod, int button)
{
    // The right button alone: with another one held too, the press is not a removal.
    if (button == 2) {
        if (const auto hidden = round_->board().removeBead(rod))
            bead(rod, *hidden)->hide();
    }
    showValue();
}

void frmabaco::cmdconferma_Click()
{
    if (round_->confirm()) {
        lblmess->setText(QStringLiteral("Giusto, complimenti!"));
        showTarget();
        Frame1->setRight(round_->rightCount());
    } else {
        lblmess->setText(QStringLiteral("Attento... Riprova!"));
        ui::beep();
        Frame1->setWrong(round_->wrongCount());
    }
    // Started afresh at every answer, so that each message stays its full three seconds.
    timer->start();
    for (const Beads *beads : {&h, &da, &u, &d, &c, &m}) {
        for (ui::Shape *shape : *beads)
            shape->hide();
    }
    showValue();
}

void frmabaco::timer_Timer()
{
    lblmess->clear();
}

void frmabaco::cmdfine_Click()
{
    ui::switchTo<frminizio>(this);
}

void frmabaco::showValue()
{
    lblnum->setText(QString::fromStdString(round_->board().text()));
}

void frmabaco::showTarget()
{
    lbln->setText(QString::fromStdString(round_->target().text));
}
