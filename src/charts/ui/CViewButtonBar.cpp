// SPDX-License-Identifier: GPL-3.0-or-later
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
// The groups of buttons, each starting on a new row half a button below the
// last: the views, the bodies, real time.
constexpr int kGroupSizes[3] = {kDirections, kBodies, 1};
constexpr int kGroups = 3;
constexpr int kButtons = kDirections + kBodies + 1;
constexpr int kMargin = 2;
constexpr int kTop = 6;

int commandOf(int index)
{
    if (index == kButtons - 1)
        return cmd::RealTime;
    return index == 0 ? cmd::WholeSky : index < kDirections ? cmd::HorizonSouth + index - 1 : cmd::Mercure + index - kDirections;
}

int rowsOf(int group, int columns) { return (kGroupSizes[group] + columns - 1) / columns; }

int rowsFor(int columns)
{
    int rows = 0;
    for (int g = 0; g < kGroups; ++g)
        rows += rowsOf(g, columns);
    return rows;
}

}  // namespace

CViewButtonBar::CViewButtonBar(const std::function<QAction*(int)>& actionOf, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("viewButtonBar"));
    // The bar never makes the window taller: it fits the height it gets.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    for (int i = 0; i < kButtons; ++i) {
        const int command = commandOf(i);
        auto* button = new QToolButton(this);
        const QString status = CActions::prompt(command);
        button->setStatusTip(status);
        button->setToolTip(status.trimmed());
        if (i < kDirections)
            button->setText(QString::fromLatin1(kCaptions[i]));
        else if (command == cmd::RealTime)
            button->setText(CActions::shortName(command));
        else
            button->setIcon(QIcon(planetPicture(i - kDirections, devicePixelRatioF())));
        // The button follows its command's state (a checked direction is disabled).
        if (QAction* action = actionOf(command)) {
            button->setEnabled(action->isEnabled());
            // Real time shows its state as a pressed button.
            button->setCheckable(command == cmd::RealTime);
            button->setChecked(button->isCheckable() && action->isChecked());
            connect(action, &QAction::changed, button, [button, action] {
                // A button disabled under the mouse gets no leave event: its
                // status text would stay after its command was carried out.
                if (button->isEnabled() && !action->isEnabled() && button->underMouse()) {
                    QStatusTipEvent tip{QString()};
                    QCoreApplication::sendEvent(button, &tip);
                }
                button->setEnabled(action->isEnabled());
                if (button->isCheckable())
                    button->setChecked(action->isChecked());
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
        // Half a button between two groups.
        const int side = std::min(preferredSide(), room * 2 / (2 * rowsFor(columns) + kGroups - 1));
        if (side >= legibleSide() || columns == 2)
            return {columns, std::max(8, side)};
    }
    return {2, legibleSide()};
}

QSize CViewButtonBar::sizeHint() const
{
    const Layout layout = layoutFor(height() > 0 ? height() : 16 * preferredSide());
    const int buttonWidth = layout.side + (layout.columns == 1 ? 6 : 2);
    return {layout.columns * buttonWidth + 2 * kMargin, kTop + rowsFor(1) * preferredSide() + preferredSide()};
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
    int group = 0;
    int first = 0;  // index of the group's first button
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (i == first + kGroupSizes[group]) {
            y += rowsOf(group, layout.columns) * side + side / 2;
            first = i;
            ++group;
        }
        const int row = (i - first) / layout.columns;
        const int column = (i - first) % layout.columns;
        QToolButton* button = m_buttons[i];
        button->setGeometry(kMargin + column * buttonWidth, y + row * side, buttonWidth, side);
        button->setIconSize(icon);
    }
    const int width = layout.columns * buttonWidth + 2 * kMargin;
    if (this->width() != width || minimumWidth() != width)
        setFixedWidth(width);
}

}  // namespace zarn
