#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <chrono>
#include <vector>
#include <optional>

class QAbstractButton;

namespace ui {

// Which edge a window sets first when it centres itself.
enum class CentreOrder { TopFirst, LeftFirst };

// The base of every window: fixed client size in twips, background colour, the gear
// icon, a close box only, centring, and the buttons that Enter and Esc press.
// Closing a form deletes it, so that the next show builds it afresh.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Border { FixedSingle, FixedDialog };

    Form(const QString &caption, int clientWidthTwips, int clientHeightTwips,
         const QColor &background, Border border = Border::FixedSingle);

    void centre(CentreOrder order);

    // Tab takes the keyboard from each control to the next one listed.
    using QWidget::setTabOrder;
    static void setTabOrder(const std::vector<QWidget *> &order);

    void setDefaultButton(QAbstractButton *button);
    void setCancelButton(QAbstractButton *button);

    // On its first show the window is placed again if the frame the window manager
    // answered differs from the one it was centred with.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void place(CentreOrder order, const QMargins &margins);

    // How the window was last centred, to centre it again once the real frame is known.
    std::optional<CentreOrder> centredIn_;
    QMargins centredWith_;
    // When the window manager's answer about our frame is due at the latest.
    std::optional<std::chrono::steady_clock::time_point> frameDue_;

    QPointer<QAbstractButton> defaultButton_;
    QPointer<QAbstractButton> cancelButton_;
};

} // namespace ui
