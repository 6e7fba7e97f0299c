#include "charts/ui/CViewButtonBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QStatusTipEvent>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "ui/CActions.h"
#include "ui/CommandIds.h"
#include "ui/PlanetPictures.h"

namespace zarn {

namespace {

// Captions of the whole sky and the eight directions; the bodies show pictures.
constexpr const char* kCaptions[9] = {"Ciel", "S", "SW", "W", "NW", "N", "NE", "E", "SE"};
constexpr int kDirections = 9;
constexpr int kBodies = 7;
constexpr int kMargin = 2;
constexpr int kTop = 6;

int commandOf(int index) { return index == 0 ? cmd::WholeSky : index < kDirections ? cmd::HorizonSouth + index - 1 : cmd::Mercure + index - kDirections; }

int rowsFor(int columns) { return (kDirections + columns - 1) / columns + (kBodies + columns - 1) / columns; }

}  // namespace

CViewButtonBar::CViewButtonBar(const std::function<QAction*(int)>& actionOf, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("viewButtonBar"));
    // The bar never makes the window taller: it fits the height it gets.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    for (int i = 0; i < kDirections + kBodies; ++i) {
        const int command = commandOf(i);
        auto* button = new QToolButton(this);
        const QString status = CActions::prompt(command);
        button->setStatusTip(status);
        button->setToolTip(status.trimmed());
        if (i < kDirections)
            button->setText(QString::fromLatin1(kCaptions[i]));
        else
            button->setIcon(QIcon(planetPicture(i - kDirections, devicePixelRatioF())));
        // The button follows its command's state (a checked direction is disabled).
        if (QAction* action = actionOf(command)) {
            button->setEnabled(action->isEnabled());
            connect(action, &QAction::changed, button, [button, action] {
                // A button disabled under the mouse gets no leave event: its
                // status text would stay after its command was carried out.
                if (button->isEnabled() && !action->isEnabled() && button->underMouse()) {
                    QStatusTipEvent tip{QString()};
                    QCoreApplication::sendEvent(button, &tip);
                }
                button->setEnabled(action->isEnabled());
            });
            connect(button, &QToolButton::clicked, action, [action] { action->trigger(); });
        }
        m_buttons << button;
    }
    arrange();
}

int CViewButtonBar::preferredSide() const { return std::max(24, fontMetrics().height() * 2); }

// Large enough for the widest caption and a shrunken picture.
int CViewButtonBar::legibleSide() const { return fontMetrics().height() + 6; }

CViewButtonBar::Layout CViewButtonBar::layoutFor(int height) const
{
    const int room = std::max(0, height - kTop - kMargin);
    for (int columns : {1, 2}) {
        // Half a button between the directions and the bodies.
        const int side = std::min(preferredSide(), room * 2 / (2 * rowsFor(columns) + 1));
        if (side >= legibleSide() || columns == 2)
            return {columns, std::max(8, side)};
    }
    return {2, legibleSide()};
}

QSize CViewButtonBar::sizeHint() const
{
    const Layout layout = layoutFor(height() > 0 ? height() : 16 * preferredSide());
    const int buttonWidth = layout.side + (layout.columns == 1 ? 6 : 2);
    return {layout.columns * buttonWidth + 2 * kMargin, kTop + rowsFor(1) * preferredSide()};
}

QSize CViewButtonBar::minimumSizeHint() const { return {sizeHint().width(), 0}; }

void CViewButtonBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void CViewButtonBar::arrange()
{
    const Layout layout = layoutFor(height());
    m_columns = layout.columns;
    const int side = layout.side;
    const int buttonWidth = side + (layout.columns == 1 ? 6 : 2);
    const QSize icon(std::min(kPlanetPictureWidth, buttonWidth - 4), std::min(kPlanetPictureHeight, side - 4));
    int y = kTop;
    for (int i = 0; i < m_buttons.size(); ++i) {
        // The bodies start on a new row, half a button below the directions.
        const int group = i < kDirections ? i : i - kDirections;
        if (i == kDirections)
            y += ((kDirections + layout.columns - 1) / layout.columns) * side + side / 2;
        const int row = group / layout.columns;
        const int column = group % layout.columns;
        QToolButton* button = m_buttons[i];
        button->setGeometry(kMargin + column * buttonWidth, y + row * side, buttonWidth, side);
        button->setIconSize(icon);
    }
    const int width = layout.columns * buttonWidth + 2 * kMargin;
    if (this->width() != width || minimumWidth() != width)
        setFixedWidth(width);
}

}  // namespace zarn
