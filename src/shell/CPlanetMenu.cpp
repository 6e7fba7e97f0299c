// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CPlanetMenu.h"

#include "ui/CActions.h"
#include "ui/CommandIds.h"
#include "ui/PlanetPictures.h"
#include "ui/NightMode.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>

namespace zarn {

CPlanetMenu::CPlanetMenu(const QString& title, CActions& actions, QWidget* parent)
    : QMenu(title, parent)
{
    for (int id = cmd::Mercure; id <= cmd::Soleil; ++id)
        addAction(actions.action(id));
    setMinimumWidth(kItemWidth);
}

int CPlanetMenu::itemIndexForKey(int key)
{
    static constexpr char kLetters[] = "MVAJSLO";
    for (int i = 0; i < 7; ++i)
        if (key == kLetters[i])
            return i;
    return -1;
}

void CPlanetMenu::keyPressEvent(QKeyEvent* event)
{
    const int index = itemIndexForKey(event->key());
    if (index < 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QMenu::keyPressEvent(event);
        return;
    }
    event->accept();
    QAction* chosen = actions().value(index);
    if (!chosen || !chosen->isEnabled())
        return;  // a disabled item ignores its letter
    // The whole chain of menus closes, as after a click on the item.
    for (QWidget* w = this; w; w = w->parentWidget())
        if (auto* menu = qobject_cast<QMenu*>(w))
            menu->hide();
    chosen->trigger();
}

void CPlanetMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QList<QAction*> items = actions();
    for (int i = 0; i < items.size(); ++i)
        drawItem(painter, items[i], i);
}

void CPlanetMenu::drawItem(QPainter& painter, QAction* action, int index)
{
    const QRect r = actionGeometry(action);
    const bool selected = action == activeAction() && action->isEnabled();
    const QPalette& pal = palette();
    painter.fillRect(r, selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Window));

    QColor textColour = pal.color(QPalette::WindowText);
    if (!action->isEnabled())
        textColour = pal.color(QPalette::Disabled, QPalette::WindowText);
    else if (selected)
        textColour = pal.color(QPalette::HighlightedText);
    painter.setPen(textColour);
    // The label starts 15 units in; the mnemonic letter is underlined.
    const QRect textRect = r.adjusted(15, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic,
                     action->text());

    QPixmap picture = planetPicture(index, devicePixelRatioF());
    if (night::isOn()) {
        QImage red = picture.toImage();
        night::redden(red);
        picture = QPixmap::fromImage(red);
    }
    const QPoint at(r.left() + 70, r.top() + (r.height() - kPlanetPictureHeight) / 2);
    if (action->isEnabled()) {
        painter.drawPixmap(at, picture);
    } else {
        painter.setOpacity(0.4);  // a disabled body is drawn greyed
        painter.drawPixmap(at, picture);
        painter.setOpacity(1.0);
    }
}

}  // namespace zarn
