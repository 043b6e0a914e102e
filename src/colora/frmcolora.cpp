#include "colora/frmcolora.h"

#include "app/frminizio.h"
#include "app/frmistruzioni.h"
#include "common/clock_random.h"
#include "ui/colour.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/picture_button.h"
#include "ui/push_button.h"
#include "ui/registry.h"
#include "ui/score_panel.h"
#include "ui/sound.h"
#include "ui/twips.h"

#include <QTimer>

#include <initializer_list>

namespace {

const QColor back = ui::vbColor(0x0080FFFF);
const QColor freeCell = ui::vbColor(0x00FFC0C0);
const QColor colouredCell = ui::vbColor(0x00FF0000);
const QColor blue = ui::vbColor(0x00FF0000);

// The grid in twips: cell (row, col) starts a step further on for each row and
// column, and is 15 twips wider than a step, so neighbours overlap by one pixel
// and the grid lines run along the overlaps.
constexpr int gridLeft = 840;
constexpr int gridTop = 1560;
constexpr int step = 360;
constexpr int cellSize = 375;
constexpr int gridRight = gridLeft + step * frmcolora::side;
constexpr int gridBottom = gridTop + step * frmcolora::side;

constexpr int rightButtonCode = 2;

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

frmcolora::frmcolora(std::unique_ptr<RandomSource> random)
    : ui::Form(QStringLiteral("Colora la frazione"), 6510, 5445, back)
{
    setObjectName(QStringLiteral("frmcolora"));
    centre(ui::CentreOrder::TopFirst);

    buildGrid();

    const QFont number = ui::font(QStringLiteral("MS Sans Serif"), 13.5);
    const auto label = [&](const char *name, const QString &text, const QRect &r) {
        auto *l = new ui::Label(this, text, r, Qt::AlignHCenter);
        l->setObjectName(QLatin1String(name));
        l->setFont(number);
        l->setColours(Qt::black, back);
        return l;
    };

    lblnum = label("lblnum", QString(), ui::rect(120, 120, 735, 375));
    lblnum->setTextColour(blue);
    Line24 = new ui::Line(this, QPoint(240, 540), QPoint(720, 540), blue, 3);
    Line24->setObjectName(QStringLiteral("Line24"));
    lblden = label("lblden", QString(), ui::rect(120, 600, 735, 375));
    lblden->setTextColour(blue);

    lblmess = label("lblmess", QString(), ui::rect(840, 240, 3615, 495));
    lblmess->setFont(ui::font(QStringLiteral("Comic Sans MS"), 18, false, true));
    lblmess->setTextColour(ui::vbColor(0x00FF00FF));

    Frame1 = new ui::ScorePanel(this, 4680, 960, back, QStringLiteral("Label4"),
                                QStringLiteral("Label3"));

    const QColor pink = ui::vbColor(0x00FFC0FF);
    const auto pictureButton = [&](const char *name, const char *picture, const QString &tip,
                                   int left, int top) {
        auto *button = new ui::PictureButton(this, QLatin1String(picture), tip, pink);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::rect(left, top, 615, 615));
        return button;
    };
    cmdconferma = pictureButton("cmdconferma", ":/conferma.svg", QStringLiteral("Conferma"),
                                5040, 3840);
    cmdcanc = pictureButton("cmdcanc", ":/cancella.svg", QStringLiteral("Cancella"), 5760, 3840);
    cmdistruzioni = pictureButton("cmdistruzioni", ":/question.svg", QStringLiteral("Istruzioni"),
                                  5040, 4560);
    cmdfine = pictureButton("cmdfine", ":/fine.svg", QStringLiteral("Fine"), 5760, 4560);
    setCancelButton(cmdfine);

    time = new QTimer(this);
    time->setObjectName(QStringLiteral("time"));
    time->setInterval(3000);

    // The count as a fraction of 100, kept up to date but never shown to the pupil.
    lblcount = label("lblcount", QStringLiteral("0"), ui::rect(5280, 60, 735, 375));
    lblcount->hide();
    Line23 = new ui::Line(this, QPoint(5400, 480), QPoint(5880, 480), Qt::black, 3);
    Line23->setObjectName(QStringLiteral("Line23"));
    Line23->hide();
    Label1 = label("Label1", QStringLiteral("100"), ui::rect(5280, 540, 735, 375));
    Label1->hide();

    // "Cancella" first, so that it has the focus when the window opens.
    QWidget *previous = cmdcanc;
    for (QWidget *next : std::initializer_list<QWidget *>{cmdconferma, cmdistruzioni, cmdfine}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (const auto *buttons : {&cmdo_, &cmdv_}) {
        for (ui::PushButton *button : *buttons) {
            setTabOrder(previous, button);
            previous = button;
        }
    }
    cmdcanc->setFocus();

    for (int k = 1; k <= FractionGrid::cellCount; ++k)
        connect(lbl(k), &ui::Label::clicked, this, [this, k](int) { lbl_Click(k); });
    for (int n = 1; n <= side; ++n) {
        connect(cmdo(n), &QPushButton::clicked, this, [this, n] { cmdo_Click(n); });
        connect(cmdo(n), &ui::PushButton::mouseDown, this,
                [this, n](int button, int shift, QPointF at) {
                    cmdo_MouseDown(n, button, shift, float(at.x()), float(at.y()));
                });
        connect(cmdv(n), &QPushButton::clicked, this, [this, n] { cmdv_Click(n); });
        connect(cmdv(n), &ui::PushButton::mouseDown, this,
                [this, n](int button, int shift, QPointF at) {
                    cmdv_MouseDown(n, button, shift, float(at.x()), float(at.y()));
                });
    }
    connect(cmdconferma, &QPushButton::clicked, this, &frmcolora::cmdconferma_Click);
    connect(cmdcanc, &QPushButton::clicked, this, &frmcolora::cmdcanc_Click);
    connect(cmdistruzioni, &QPushButton::clicked, this, &frmcolora::cmdistruzioni_Click);
    connect(cmdfine, &QPushButton::clicked, this, &frmcolora::cmdfine_Click);
    connect(time, &QTimer::timeout, this, &frmcolora::time_Timer);

    random_ = random ? std::move(random) : std::make_unique<ClockRandom>();
    round_ = std::make_unique<ColouringRound>(*random_);
    showFraction();
}

void frmcolora::buildGrid()
{
    for (int row = 1; row <= side; ++row) {
        for (int col = 1; col <= side; ++col) {
            const int k = side * (row - 1) + col;
            auto *cell = new ui::Label(this, QString(),
                                       ui::rect(gridLeft + step * (col - 1),
                                                gridTop + step * (row - 1), cellSize, cellSize));
            cell->setObjectName(indexed("lbl", k));
            cell->setBackColour(freeCell);
            cell->setAccessibleName(QStringLiteral("riga %1, colonna %2").arg(row).arg(col));
            lbl_[static_cast<std::size_t>(k - 1)] = cell;
        }
    }

    // Made after the cells, so that they lie above them.
    const auto gridLine = [this](int number, QPoint from, QPoint to) {
        auto *line = new ui::Line(this, from, to);
        line->setObjectName(QStringLiteral("Line%1").arg(number));
        gridLines_[static_cast<std::size_t>(number - 1)] = line;
    };
    for (int i = 0; i <= side; ++i) {
        const int x = gridLeft + step * i;
        gridLine(i == 0 ? 1 : i == 1 ? 4 : 12 + i, QPoint(x, gridTop), QPoint(x, gridBottom));
        const int y = gridTop + step * i;
        gridLine(i == 0 ? 3 : i == 1 ? 2 : 3 + i, QPoint(gridLeft, y), QPoint(gridRight, y));
    }

    for (int n = 1; n <= side; ++n) {
        auto *row = new ui::PushButton(this);
        row->setObjectName(indexed("cmdo", n));
        row->setGeometry(ui::rect(360, gridTop + step * (n - 1), cellSize, cellSize));
        row->setFace(ui::vbColor(0x0080C0FF));
        row->setAccessibleName(QStringLiteral("riga %1").arg(n));
        cmdo_[static_cast<std::size_t>(n - 1)] = row;

        auto *column = new ui::PushButton(this);
        column->setObjectName(indexed("cmdv", n));
        column->setGeometry(ui::rect(gridLeft + step * (n - 1), 1080, cellSize, cellSize));
        column->setFace(ui::vbColor(0x00FFFF80));
        column->setAccessibleName(QStringLiteral("colonna %1").arg(n));
        cmdv_[static_cast<std::size_t>(n - 1)] = column;
    }
}

void frmcolora::lbl_Click(int index)
{
    showCells(round_->grid().toggle(index));
    showCount();
}

void frmcolora::cmdo_Click(int index)
{
    showCells(round_->grid().colourRow(index));
    showCount();
}

void frmcolora::cmdo_MouseDown(int index, int button, int, float, float)
{
    if (button == rightButtonCode)
        showCells(round_->grid().clearRow(index));
    showCount();
}

void frmcolora::cmdv_Click(int index)
{
    showCells(round_->grid().colourColumn(index));
    showCount();
}

void frmcolora::cmdv_MouseDown(int index, int button, int, float, float)
{
    if (button == rightButtonCode)
        showCells(round_->grid().clearColumn(index));
    showCount();
}

void frmcolora::cmdcanc_Click()
{
    showCells(round_->grid().clearAll());
    showCount();
}

void frmcolora::cmdconferma_Click()
{
    const ColouringRound::Verdict verdict = round_->confirm();
    if (verdict.right) {
        lblmess->setText(QStringLiteral("Giusto, complimenti!"));
        showFraction();
    } else {
        lblmess->setText(QStringLiteral("Attento... Riprova!"));
        ui::beep();
    }
    // Restarted at every answer, so that each message stays its full interval.
    time->start();
    showCells(verdict.freed);
    showCount();
    Frame1->setRight(round_->rightCount());
    Frame1->setWrong(round_->wrongCount());
}

void frmcolora::time_Timer()
{
    lblmess->setText(QString());
}

void frmcolora::cmdistruzioni_Click()
{
    ui::show<frmistruzioni>();
}

void frmcolora::cmdfine_Click()
{
    ui::switchTo<frminizio>(this);
}

void frmcolora::showCells(const std::vector<int> &changed)
{
    for (int k : changed)
        lbl(k)->setBackColour(round_->grid().coloured(k) ? colouredCell : freeCell);
}

void frmcolora::showCount()
{
    lblcount->setText(QString::number(round_->grid().count()));
}

void frmcolora::showFraction()
{
    lblnum->setText(QString::number(round_->fraction().numerator()));
    lblden->setText(QString::number(round_->fraction().denominator()));
}
