#include "colora/frmcolora.h"

#include "colora/frmistruzioni.h"
#include "controls/cell.h"
#include "controls/key_moves.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/picture_button.h"
#include "desktop/screen_reader.h"
#include "window/colour.h"
#include "window/fonts.h"
#include "window/registry.h"
#include "window/twips.h"

namespace {

const QColor back = ui::vbColor(0x0080FFFF);
const QColor freeCell = ui::vbColor(0x00FFC0C0);
const QColor colouredCell = ui::colour::blue;

// The grid in twips: cell (row, col) starts a step further on for each row and
// column, and is 15 twips wider than a step, so neighbours overlap by one pixel
// and the grid lines run along the overlaps.
constexpr int gridLeft = 840;
constexpr int gridTop = 1560;
constexpr int step = 360;
constexpr int cellSize = 375;

// "1 casella colorata", "32 caselle colorate".
QString colouredCells(int count)
{
    return ui::howMany(count, QStringLiteral("casella colorata"), QStringLiteral("caselle colorate"));
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// What the fraction drill has of every drill, as its layout gives it.
Drill::Layout drillLayout()
{
    return {.caption = QStringLiteral("Colora la frazione"), .clientTwips = {6510, 5445}, .back = back,
            .centre = ui::CentreOrder::TopFirst, .messageTwips = {840, 240, 3615, 495},
            .messageFont = ui::font(ui::comicSans, 18, false, true), .messageInk = ui::vbColor(0x00FF00FF),
            .panelTwips = {4680, 960}, .buttonFace = ui::colour::lightPink, .confermaTwips = {5040, 3840},
            .fineTwips = {5760, 4560}, .finePicture = QStringLiteral(":/fine.svg"), .timerName = QStringLiteral("time"),
            .beep = Drill::Beep::BeforeCounts, .rightCaptionName = QStringLiteral("Label4")};
}

} // namespace

frmcolora::frmcolora(std::unique_ptr<RandomSource> random)
    : DrillOn(drillLayout(), std::move(random))
{
    setObjectName(QStringLiteral("frmcolora"));

    const std::vector<QWidget *> lineButtons = buildGrid();

    const QFont number = ui::font(ui::msSansSerif, 13.5);
    const auto label = [&](const char *name, const QString &text, const QRect &r) {
        auto *l = new ui::Label(this, text, r, Qt::AlignHCenter);
        l->setObjectName(QLatin1String(name));
        l->setFont(number);
        l->setColours(ui::colour::black, back);
        return l;
    };

    lblnum = label("lblnum", QString(), ui::rect(120, 120, 735, 375));
    lblnum->setTextColour(ui::colour::blue);
    (new ui::Line(this, QPoint(240, 540), QPoint(720, 540), ui::colour::blue, 3))->setObjectName(QStringLiteral("Line24"));
    lblden = label("lblden", QString(), ui::rect(120, 600, 735, 375));
    lblden->setTextColour(ui::colour::blue);

    const auto pictureButton = [&](const char *name, const char *picture, const QString &tip, int left,
                                   int top, void (frmcolora::*handler)()) {
        auto *button = new ui::PictureButton(this, QLatin1String(picture), tip, ui::colour::lightPink);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(ui::rect(left, top, 615, 615));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    cmdcanc = pictureButton("cmdcanc", ":/cancella.svg", QStringLiteral("Cancella"), 5760, 3840,
                                  &frmcolora::cmdcanc_Click);
    auto *cmdistruzioni = pictureButton("cmdistruzioni", ":/question.svg", QStringLiteral("Istruzioni"), 5040,
                                        4560, &frmcolora::cmdistruzioni_Click);

    // The count as a fraction of 100, kept up to date but never shown to the pupil.
    lblcount = label("lblcount", QStringLiteral("0"), ui::rect(5280, 60, 735, 375));
    lblcount->hide();
    auto *Line23 = new ui::Line(this, QPoint(5400, 480), QPoint(5880, 480), ui::colour::black, 3);
    Line23->setObjectName(QStringLiteral("Line23"));
    Line23->hide();
    label("Label1", QStringLiteral("100"), ui::rect(5280, 540, 735, 375))->hide();

    // "Cancella" first, so that it has the focus when the window opens (and Enter
    // clears rather than judges); the row and column buttons come last.
    std::vector<QWidget *> order{cmdcanc, cmdconferma, cmdistruzioni, cmdfine};
    order.insert(order.end(), lineButtons.begin(), lineButtons.end());
    setTabOrder(order);
    cmdcanc->setFocus();
    moveByKeys();

    showRound();
}

std::vector<QWidget *> frmcolora::buildGrid()
{
    for (int row = 1; row <= side; ++row) {
        for (int col = 1; col <= side; ++col) {
            const int k = side * (row - 1) + col;
            auto *cell = new ui::Cell(this, ui::rect(gridLeft + step * (col - 1), gridTop + step * (row - 1),
                                                     cellSize, cellSize));
            cell->setObjectName(indexed("lbl", k));
            cell->setAccessibleName(QStringLiteral("riga %1, colonna %2").arg(row).arg(col));
            ui::makeCell(cell);
            connect(cell, &ui::Cell::clicked, this, [this, k, cell] { answerPress(cell, round_.board().toggle(k)); });
            connect(cell, &ui::Cell::clearAsked, this,
                    [this, k, cell] { answerPress(cell, round_.board().clearCell(k)); });
            lbl[k - 1] = cell;
        }
    }

    // Made after the cells, so that they lie above them. The layout numbers the lines
    // as they were drawn: the first vertical is Line1 and the second Line4, the first
    // horizontal Line3 and the second Line2, and the other nine of each run on from
    // Line14 (verticals) and Line5 (horizontals).
    const int far = step * side;
    for (int i = 0; i <= side; ++i) {
        const int vertical = i == 0 ? 1 : i == 1 ? 4 : 12 + i;
        const int horizontal = i == 0 ? 3 : i == 1 ? 2 : 3 + i;
        const int x = gridLeft + step * i;
        const int y = gridTop + step * i;
        (new ui::Line(this, QPoint(x, gridTop), QPoint(x, gridTop + far)))
            ->setObjectName(QStringLiteral("Line%1").arg(vertical));
        (new ui::Line(this, QPoint(gridLeft, y), QPoint(gridLeft + far, y)))
            ->setObjectName(QStringLiteral("Line%1").arg(horizontal));
    }

    std::vector<QWidget *> rows, columns;
    for (int n = 1; n <= side; ++n) {
        auto *row = new ui::PushButton(this);
        row->setObjectName(indexed("cmdo", n));
        row->setGeometry(ui::rect(360, gridTop + step * (n - 1), cellSize, cellSize));
        row->setFace(ui::colour::lightOrange);
        row->setAccessibleName(QStringLiteral("riga %1").arg(n));
        wire(row, n, &FractionGrid::colourRow, &FractionGrid::clearRow);

        auto *column = new ui::PushButton(this);
        column->setObjectName(indexed("cmdv", n));
        column->setGeometry(ui::rect(gridLeft + step * (n - 1), 1080, cellSize, cellSize));
        column->setFace(ui::colour::lightCyan);
        column->setAccessibleName(QStringLiteral("colonna %1").arg(n));
        wire(column, n, &FractionGrid::colourColumn, &FractionGrid::clearColumn);
        rows.push_back(row);
        columns.push_back(column);
        cmdo[n - 1] = row;
        cmdv[n - 1] = column;
    }
    rows.insert(rows.end(), columns.begin(), columns.end());
    return rows;
}

void frmcolora::moveByKeys()
{
    auto *keys = new ui::KeyMoves(this);
    const auto cell = [this](int row, int col) -> QWidget * { return lbl[std::size_t(side * (row - 1) + col - 1)]; };
    for (int n = 1; n <= side; ++n) {
        keys->add(cmdo[n - 1], Qt::Key_Right, cell(n, 1));
        keys->add(cmdv[n - 1], Qt::Key_Down, cell(1, n));
    }
    for (int row = 1; row <= side; ++row) {
        for (int col = 1; col <= side; ++col) {
            QWidget *from = cell(row, col);
            keys->add(from, Qt::Key_Left, col > 1 ? cell(row, col - 1) : cmdo[row - 1]);
            keys->add(from, Qt::Key_Up, row > 1 ? cell(row - 1, col) : cmdv[col - 1]);
            if (col < side)
                keys->add(from, Qt::Key_Right, cell(row, col + 1));
            if (row < side)
                keys->add(from, Qt::Key_Down, cell(row + 1, col));
            // In the Tab order a row's cells stand just after its button.
            keys->add(from, Qt::Key_Tab, row < side ? cmdo[row] : cmdv[0]);
            keys->add(from, Qt::Key_Backtab, cmdo[row - 1]);
        }
    }
}

void frmcolora::cmdcanc_Click()
{
    answerPress(cmdcanc, round_.board().clear());
}

void frmcolora::cmdistruzioni_Click()
{
    ui::show<frmistruzioni>();
}

void frmcolora::showBoard()
{
    const FractionGrid &grid = round_.board();
    for (int k = 1; k <= FractionGrid::cellCount; ++k) {
        lbl[k - 1]->setBackColour(grid.coloured(k) ? colouredCell : freeCell);
        ui::describe(lbl[k - 1], grid.coloured(k) ? QStringLiteral("colorata") : QStringLiteral("non colorata"));
    }
    // What a screen reader says of each line's button: how many of its cells are coloured.
    for (int n = 1; n <= side; ++n) {
        ui::describe(cmdo[n - 1], colouredCells(grid.colouredInRow(n)));
        ui::describe(cmdv[n - 1], colouredCells(grid.colouredInColumn(n)));
    }
    lblcount->setText(QString::number(grid.count()));
}

void frmcolora::showTarget()
{
    lblnum->setText(QString::number(round_.target().numerator()));
    lblden->setText(QString::number(round_.target().denominator()));
}

QString frmcolora::spokenTarget() const
{
    return QString::fromStdString(round_.target().spoken());
}

QString frmcolora::spokenPress(const QWidget *control) const
{
    const QString inAll = QStringLiteral("In tutto ") + colouredCells(round_.board().count()) + u'.';
    if (control == cmdcanc)
        return inAll;
    return control->accessibleName() + QStringLiteral(", ") + control->accessibleDescription() + QStringLiteral(". ")
        + inAll;
}
