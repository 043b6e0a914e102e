#include "componi/frmcomponi.h"

#include "app/frminizio.h"
#include "common/clock_random.h"
#include "ui/colour.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/picture_box.h"
#include "ui/picture_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/shape.h"
#include "ui/sound.h"
#include "ui/twips.h"

#include <QTimer>

namespace {

const QColor lightOrange = ui::vbColor(0x0080C0FF);
const QColor lightCyan = ui::vbColor(0x00FFFF80);
const QColor blue = ui::vbColor(0x00FF0000);

struct Twips {
    int x;
    int y;
};

// Left, top of each block, slot 1 first.
constexpr std::array<Twips, BlockBoard::slots> unitSlots{{
    {3360, 3840}, {3360, 4080}, {3360, 4320}, {3360, 4560}, {3360, 4800},
    {3360, 5040}, {3360, 5280}, {3360, 5520}, {3360, 5760},
}};
constexpr std::array<Twips, BlockBoard::slots> tenSlots{{
    {4080, 3840}, {4080, 4080}, {4080, 4320}, {4080, 4560}, {4080, 4800},
    {4080, 5040}, {4080, 5280}, {4080, 5520}, {4080, 5760},
}};
constexpr std::array<Twips, BlockBoard::slots> hundredSlots{{
    {3120, 240}, {3240, 480}, {3360, 720}, {3480, 960}, {3600, 1200},
    {3720, 1440}, {3840, 1680}, {3960, 1920}, {4080, 2160},
}};
constexpr std::array<Twips, BlockBoard::slots> thousandSlots{{
    {240, 240}, {720, 720}, {1200, 1200}, {240, 1800}, {720, 2280},
    {1200, 2760}, {240, 3360}, {720, 3840}, {1200, 4320},
}};

constexpr int cubeTwips = 1725;

} // namespace

frmcomponi::frmcomponi(std::unique_ptr<RandomSource> random)
    : ui::Form(QStringLiteral("Componi il numero"), 8910, 6255, lightOrange)
    , random_(std::move(random))
{
    setObjectName(QStringLiteral("frmcomponi"));
    centre(ui::CentreOrder::TopFirst);

    buildBoard();
    buildRound();

    setTabOrder(cmdmille, cmdcento);
    setTabOrder(cmdcento, cmddieci);
    setTabOrder(cmddieci, cmduno);
    setTabOrder(cmduno, cmdfine);
    setTabOrder(cmdfine, cmdconferma);
    setCancelButton(cmdfine);
    cmdmille->setFocus();

    connect(cmduno, &QPushButton::clicked, this, &frmcomponi::cmduno_Click);
    connect(cmduno, &ui::PushButton::mouseDown, this, &frmcomponi::cmduno_MouseDown);
    connect(cmddieci, &QPushButton::clicked, this, &frmcomponi::cmddieci_Click);
    connect(cmddieci, &ui::PushButton::mouseDown, this, &frmcomponi::cmddieci_MouseDown);
    connect(cmdcento, &QPushButton::clicked, this, &frmcomponi::cmdcento_Click);
    connect(cmdcento, &ui::PushButton::mouseDown, this, &frmcomponi::cmdcento_MouseDown);
    connect(cmdmille, &QPushButton::clicked, this, &frmcomponi::cmdmille_Click);
    connect(cmdmille, &ui::PushButton::mouseDown, this, &frmcomponi::cmdmille_MouseDown);
    connect(cmdconferma, &QPushButton::clicked, this, &frmcomponi::cmdconferma_Click);
    connect(time, &QTimer::timeout, this, &frmcomponi::time_Timer);
    connect(cmdfine, &QPushButton::clicked, this, &frmcomponi::cmdfine_Click);

    // The load steps: seed, draw the first target; the counts start at 0 and the board empty.
    if (!random_)
        random_ = std::make_unique<ClockRandom>();
    round_ = std::make_unique<CompositionRound>(*random_);
    lblnum->setText(QString::fromStdString(round_->target().text()));
}

void frmcomponi::buildBoard()
{
    const auto line = [this](const char *name, int x1, int y1, int x2, int y2) {
        auto *l = new ui::Line(this, QPoint(x1, y1), QPoint(x2, y2));
        l->setObjectName(QLatin1String(name));
        return l;
    };
    l1 = line("l1", 120, 120, 5640, 120);
    l2 = line("l2", 5640, 6120, 5640, 120);
    l3 = line("l3", 120, 6120, 5640, 6120);
    l4 = line("l4", 120, 6120, 120, 120);
    l5 = line("l5", 3000, 6120, 3000, 120);
    l6 = line("l6", 5640, 3600, 3000, 3600);
    l7 = line("l7", 3840, 3600, 3840, 6120);

    // Created slot by slot, so that a later block lies over an earlier one.
    const auto shapes = [this](std::array<ui::Shape *, BlockBoard::slots> &array, const char *name,
                               const std::array<Twips, BlockBoard::slots> &at, int width,
                               int height, const QColor &fill) {
        for (int i = 0; i < BlockBoard::slots; ++i) {
            auto *shape = new ui::Shape(this, ui::Shape::Kind::Rectangle, fill, Qt::black);
            shape->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i + 1));
            shape->setGeometry(ui::rect(at[i].x, at[i].y, width, height));
            shape->hide();
            array[i] = shape;
        }
    };
    for (int i = 0; i < BlockBoard::slots; ++i) {
        auto *cube = new ui::PictureBox(this, QStringLiteral(":/cube.svg"),
                                        ui::size(cubeTwips, cubeTwips));
        cube->setObjectName(QStringLiteral("imgk(%1)").arg(i + 1));
        cube->setGeometry(ui::rect(thousandSlots[i].x, thousandSlots[i].y, cubeTwips, cubeTwips));
        cube->hide();
        imgk_[i] = cube;
    }
    shapes(shph_, "shph", hundredSlots, 1335, 1335, ui::vbColor(0x0000C000));
    shapes(shpda_, "shpda", tenSlots, 1335, 135, ui::vbColor(0x000000FF));
    shapes(shpu_, "shpu", unitSlots, 135, 135, ui::vbColor(0x00000000));

    const QFont caption = ui::font(QStringLiteral("MS Sans Serif"), 12, true);
    const auto blockButton = [&](const char *name, const QString &text, int left, int top) {
        auto *button = new ui::PushButton(this, text);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::rect(left, top, 1335, 495));
        button->setFont(caption);
        button->setAccessibleName(text);
        return button;
    };
    cmdmille = blockButton("cmdmille", QStringLiteral("Migliaia"), 5880, 1080);
    cmdcento = blockButton("cmdcento", QStringLiteral("Centinaia"), 7440, 1080);
    cmddieci = blockButton("cmddieci", QStringLiteral("Decine"), 5880, 1800);
    cmduno = blockButton("cmduno", QStringLiteral("Unità"), 7440, 1800);

    Label1 = new ui::Label(this,
                           QStringLiteral("Clic sinistro per aggiungere, clic destro per togliere"),
                           ui::rect(5880, 2400, 2895, 615), Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setColours(Qt::black, lightOrange);
    Label1->setFont(ui::font(QStringLiteral("Comic Sans MS"), 9.75));

    lblr = new ui::Label(this, QString(), ui::rect(6000, 3960, 855, 495), Qt::AlignHCenter);
    lblr->setObjectName(QStringLiteral("lblr"));
    lblr->setBackColour(lightOrange);
    lblr->setFont(ui::font(QStringLiteral("Comic Sans MS"), 15.75));
    lblr->hide();
}

void frmcomponi::buildRound()
{
    lblnum = new ui::Label(this, QString(), ui::rect(6600, 240, 1455, 495), Qt::AlignHCenter);
    lblnum->setObjectName(QStringLiteral("lblnum"));
    lblnum->setColours(blue, lightOrange);
    lblnum->setFont(ui::font(QStringLiteral("Comic Sans MS"), 15.75));

    Frame1 = new ui::ScorePanel(this, 7080, 3120, lightOrange);

    lblmess = new ui::Label(this, QString(), ui::rect(5760, 4680, 3015, 615), Qt::AlignHCenter);
    lblmess->setObjectName(QStringLiteral("lblmess"));
    lblmess->setColours(blue, lightOrange);
    lblmess->setFont(ui::font(QStringLiteral("Comic Sans MS"), 15.75, false, true));

    cmdconferma = new ui::PictureButton(this, QStringLiteral(":/conferma.svg"),
                                        QStringLiteral("Conferma"), lightCyan);
    cmdconferma->setObjectName(QStringLiteral("cmdconferma"));
    cmdconferma->setGeometry(ui::rect(7440, 5520, 615, 615));

    cmdfine = new ui::PictureButton(this, QStringLiteral(":/fine_tray.svg"), QStringLiteral("Fine"),
                                    lightCyan);
    cmdfine->setObjectName(QStringLiteral("cmdfine"));
    cmdfine->setGeometry(ui::rect(8160, 5520, 615, 615));

    time = new QTimer(this);
    time->setObjectName(QStringLiteral("time"));
    time->setInterval(3000);
}

QWidget *frmcomponi::block(BlockKind kind, int slot) const
{
    switch (kind) {
    case BlockKind::Units:
        return shpu(slot);
    case BlockKind::Tens:
        return shpda(slot);
    case BlockKind::Hundreds:
        return shph(slot);
    case BlockKind::Thousands:
        return imgk(slot);
    }
    return nullptr;
}

void frmcomponi::showBuiltValue()
{
    lblr->setText(QString::number(board_.value()));
}

void frmcomponi::addBlock(BlockKind kind)
{
    if (const auto slot = board_.add(kind))
        block(kind, *slot)->show();
    showBuiltValue();
}

void frmcomponi::blockMouseDown(BlockKind kind, int button)
{
    // Only the right button alone takes a block away; a left press leaves the adding
    // to the click that follows it.
    if (button == 2) {
        if (const auto slot = board_.remove(kind))
            block(kind, *slot)->hide();
    }
    showBuiltValue();
}

void frmcomponi::cmduno_Click()
{
    addBlock(BlockKind::Units);
}

void frmcomponi::cmduno_MouseDown(int button, int, QPointF)
{
    blockMouseDown(BlockKind::Units, button);
}

void frmcomponi::cmddieci_Click()
{
    addBlock(BlockKind::Tens);
}

void frmcomponi::cmddieci_MouseDown(int button, int, QPointF)
{
    blockMouseDown(BlockKind::Tens, button);
}

void frmcomponi::cmdcento_Click()
{
    addBlock(BlockKind::Hundreds);
}

void frmcomponi::cmdcento_MouseDown(int button, int, QPointF)
{
    blockMouseDown(BlockKind::Hundreds, button);
}

void frmcomponi::cmdmille_Click()
{
    addBlock(BlockKind::Thousands);
}

void frmcomponi::cmdmille_MouseDown(int button, int, QPointF)
{
    blockMouseDown(BlockKind::Thousands, button);
}

void frmcomponi::cmdconferma_Click()
{
    if (round_->judge(board_.value()) == CompositionRound::Verdict::Wrong) {
        lblmess->setText(QStringLiteral("Attento... Riprova!"));
        Frame1->setWrong(round_->wrong());
        ui::beep();
    } else {
        lblmess->setText(QStringLiteral("Giusto, complimenti!"));
        Frame1->setRight(round_->right());
        lblnum->setText(QString::fromStdString(round_->target().text()));
    }
    // Restarted, so that every message stays its full three seconds.
    time->start();
    for (const BlockBoard::Block &hidden : board_.clear())
        block(hidden.kind, hidden.slot)->hide();
}

void frmcomponi::time_Timer()
{
    lblmess->setText(QString());
}

void frmcomponi::cmdfine_Click()
{
    ui::switchTo<frminizio>(this);
}
