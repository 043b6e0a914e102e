#include "componi/frmcomponi.h"

#include "controls/label.h"
#include "controls/line.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/shape.h"
#include "window/colour.h"
#include "window/fonts.h"
#include "window/twips.h"

namespace {

const QColor back = ui::colour::lightOrange;

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

struct KindLook {
    const char *button;
    const char *caption;
    int left;
    int top;
    const char *one; // a block of the kind, as a screen reader counts them
    const char *many;
};
// In the order of BlockKind.
const KindLook kinds[] = {
    {"cmduno", "Unità", 7440, 1800, "cubetto", "cubetti"},
    {"cmddieci", "Decine", 5880, 1800, "barretta", "barrette"},
    {"cmdcento", "Centinaia", 7440, 1080, "quadrato", "quadrati"},
    {"cmdmille", "Migliaia", 5880, 1080, "cubo", "cubi"},
};

// What the composition drill has of every drill, as its layout gives it.
Drill::Layout drillLayout()
{
    return {.caption = QStringLiteral("Componi il numero"), .clientTwips = {8910, 6255}, .back = back,
            .centre = ui::CentreOrder::TopFirst, .messageTwips = {5760, 4680, 3015, 615},
            .messageFont = ui::font(ui::comicSans, 15.75, false, true), .messageInk = ui::colour::blue,
            .panelTwips = {7080, 3120}, .buttonFace = ui::colour::lightCyan, .confermaTwips = {7440, 5520},
            .fineTwips = {8160, 5520}, .finePicture = QStringLiteral(":/fine_tray.svg"),
            .timerName = QStringLiteral("time"), .beep = Drill::Beep::AfterCounts};
}

} // namespace

frmcomponi::frmcomponi(std::unique_ptr<RandomSource> random)
    : DrillOn(drillLayout(), std::move(random))
{
    setObjectName(QStringLiteral("frmcomponi"));

    cmdblocco_ = buildBoard();

    lblnum = new ui::Label(this, QString(), ui::rect(6600, 240, 1455, 495), Qt::AlignHCenter);
    lblnum->setObjectName(QStringLiteral("lblnum"));
    lblnum->setColours(ui::colour::blue, back);
    lblnum->setFont(ui::font(ui::comicSans, 15.75));

    // Migliaia, Centinaia, Decine, Unità, then Fine before Conferma.
    const auto button = [&](BlockKind kind) { return cmdblocco_[std::size_t(kind)]; };
    setTabOrder({button(BlockKind::Thousands), button(BlockKind::Hundreds), button(BlockKind::Tens),
                 button(BlockKind::Units), cmdfine, cmdconferma});
    button(BlockKind::Thousands)->setFocus();

    showRound();
}

std::array<QWidget *, 4> frmcomponi::buildBoard()
{
    const auto line = [this](const char *name, int x1, int y1, int x2, int y2) {
        (new ui::Line(this, QPoint(x1, y1), QPoint(x2, y2)))->setObjectName(QLatin1String(name));
    };
    line("l1", 120, 120, 5640, 120);
    line("l2", 5640, 6120, 5640, 120);
    line("l3", 120, 6120, 5640, 6120);
    line("l4", 120, 6120, 120, 120);
    line("l5", 3000, 6120, 3000, 120);
    line("l6", 5640, 3600, 3000, 3600);
    line("l7", 3840, 3600, 3840, 6120);

    // Created slot by slot, so that a later block lies over an earlier one.
    const auto blocks = [this](BlockKind kind, const char *name, const std::array<Twips, BlockBoard::slots> &at,
                               int width, int height, const QColor &fill) {
        for (int i = 0; i < BlockBoard::slots; ++i) {
            QWidget *block = fill.isValid()
                ? static_cast<QWidget *>(new ui::Shape(this, ui::Shape::Kind::Rectangle, fill, ui::colour::black))
                : new ui::PictureBox(this, QStringLiteral(":/cube.svg"), ui::size(width, height));
            block->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i + 1));
            block->setGeometry(ui::rect(at[i].x, at[i].y, width, height));
            blocks_[std::size_t(kind)][i] = block;
        }
    };
    blocks(BlockKind::Thousands, "imgk", thousandSlots, cubeTwips, cubeTwips, QColor());
    blocks(BlockKind::Hundreds, "shph", hundredSlots, 1335, 1335, ui::colour::green);
    blocks(BlockKind::Tens, "shpda", tenSlots, 1335, 135, ui::colour::red);
    blocks(BlockKind::Units, "shpu", unitSlots, 135, 135, ui::colour::black);

    const QFont caption = ui::font(ui::msSansSerif, 12, true);
    std::array<QWidget *, 4> buttons{};
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
        auto *button = new ui::PushButton(this, QString::fromUtf8(kinds[k].caption));
        button->setObjectName(QLatin1String(kinds[k].button));
        button->setGeometry(ui::rect(kinds[k].left, kinds[k].top, 1335, 495));
        button->setFont(caption);
        button->setAccessibleName(button->text());
        wire(button, BlockKind(k), &BlockBoard::add, &BlockBoard::remove);
        buttons[k] = button;
    }

    auto *Label1 = new ui::Label(this, QStringLiteral("Clic sinistro per aggiungere, clic destro per togliere"),
                                 ui::rect(5880, 2400, 2895, 615), Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setColours(ui::colour::black, back);
    Label1->setFont(ui::font(ui::comicSans, 9.75));

    // The value the blocks make, kept but never shown: the pupil sees only the blocks.
    lblr = new ui::Label(this, QString(), ui::rect(6000, 3960, 855, 495), Qt::AlignHCenter);
    lblr->setObjectName(QStringLiteral("lblr"));
    lblr->setBackColour(back);
    lblr->setFont(ui::font(ui::comicSans, 15.75));
    lblr->hide();
    return buttons;
}

void frmcomponi::showBoard()
{
    const BlockBoard &board = round_.board();
    for (std::size_t kind = 0; kind < blocks_.size(); ++kind)
        showStack(cmdblocco_[kind], blocks_[kind], board.count(BlockKind(kind)), QString::fromUtf8(kinds[kind].one),
                  QString::fromUtf8(kinds[kind].many));
    lblr->setText(QString::number(board.value()));
}

void frmcomponi::showTarget()
{
    lblnum->setText(spokenTarget());
}

QString frmcomponi::spokenTarget() const
{
    return QString::fromStdString(round_.target().text());
}
