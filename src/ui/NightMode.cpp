// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NightMode.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "charts/QtColour.h"

#include <algorithm>

namespace zarn::night {

namespace {
QPalette g_dayPalette;
QString g_dayStyleSheet;
QString g_dayStyle;

// The plain style, which draws every bevel from the palette (others blend
// white into their buttons, frames and tabs), with the focus frame in the
// text's red where it would be white on a dark ground.
class NightStyle : public QProxyStyle {
public:
    NightStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

QPalette nightPalette()
{
    QPalette p;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = toQColor(group == QPalette::Disabled ? kNightDimTextColour : kNightTextColour);
        const auto set = [&](QPalette::ColorRole role, Colour colour) { p.setColor(group, role, toQColor(colour)); };
        set(QPalette::Window, kBlack);
        p.setColor(group, QPalette::WindowText, text);
        set(QPalette::Base, kBlack);
        set(QPalette::AlternateBase, kNightButtonColour);
        p.setColor(group, QPalette::Text, text);
        set(QPalette::PlaceholderText, kNightDimTextColour);
        set(QPalette::Button, kNightButtonColour);
        p.setColor(group, QPalette::ButtonText, text);
        set(QPalette::BrightText, kNightTextColour);
        set(QPalette::Highlight, kNightHighlightColour);
        set(QPalette::HighlightedText, kNightBrightColour);
        set(QPalette::ToolTipBase, kNightButtonColour);
        p.setColor(group, QPalette::ToolTipText, text);
        set(QPalette::Link, kNightBrightColour);
        set(QPalette::LinkVisited, kNightDimTextColour);
        set(QPalette::Light, kNightLightColour);
        set(QPalette::Midlight, kNightMidlightColour);
        set(QPalette::Mid, kNightMidColour);
        set(QPalette::Dark, kNightDarkColour);
        set(QPalette::Shadow, kBlack);
    }
    return p;
}

// What the palette alone does not reach: the frames and lines that styles
// draw in fixed light colours.
QString nightStyleSheet()
{
    const auto name = [](Colour c) { return toQColor(c).name(); };
    return QStringLiteral("QMenuBar, QMenu, QStatusBar, QToolTip { background: %1; color: %2; }"
                          "QMenuBar::item:selected, QMenu::item:selected { background: %3; color: %4; }"
                          "QMenu::item:disabled { color: %5; }"
                          "QMenu::separator { height: 1px; background: %6; margin: 3px 6px; }"
                          "QMenu { border: 1px solid %6; }"
                          "QToolTip { border: 1px solid %6; }"
                          "QStatusBar QLabel { color: %2; }")
        .arg(name(kBlack), name(kNightTextColour), name(kNightHighlightColour), name(kNightBrightColour),
             name(kNightDimTextColour), name(kNightFrameColour));
}
}  // namespace


void apply(bool on)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (on == isOn() || !app)
        return;
    if (on) {
        g_dayPalette = QApplication::palette();
        g_dayStyleSheet = app->styleSheet();
        g_dayStyle = QApplication::style()->name();
    }
    setOn(on);
    // The style comes first, as changing it resets the palette.
    if (on)
        QApplication::setStyle(new NightStyle);
    else
        QApplication::setStyle(g_dayStyle);
    QApplication::setPalette(on ? nightPalette() : g_dayPalette);
    app->setStyleSheet(on ? g_dayStyleSheet + nightStyleSheet() : g_dayStyleSheet);
}

}  // namespace zarn::night
