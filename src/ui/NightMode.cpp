// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NightMode.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace zarn::night {

namespace {
QPalette g_dayPalette;
QString g_dayStyleSheet;
QString g_dayStyle;

// The reds of the windows: text, the dim background of buttons and fields,
// the selection, and the lines of frames.
constexpr QRgb kText = kNightText;
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kDimText = qRgb(120, 0, 0);
constexpr QRgb kButton = qRgb(40, 0, 0);
constexpr QRgb kHighlight = qRgb(110, 0, 0);

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
        const bool disabled = group == QPalette::Disabled;
        const QColor text(disabled ? kDimText : kText);
        p.setColor(group, QPalette::Window, QColor(kBlack));
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, QColor(kBlack));
        p.setColor(group, QPalette::AlternateBase, QColor(kButton));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::PlaceholderText, QColor(kDimText));
        p.setColor(group, QPalette::Button, QColor(kButton));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, QColor(kText));
        p.setColor(group, QPalette::Highlight, QColor(kHighlight));
        p.setColor(group, QPalette::HighlightedText, QColor(255, 0, 0));
        p.setColor(group, QPalette::ToolTipBase, QColor(kButton));
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::Link, QColor(255, 0, 0));
        p.setColor(group, QPalette::LinkVisited, QColor(kDimText));
        p.setColor(group, QPalette::Light, QColor(90, 0, 0));
        p.setColor(group, QPalette::Midlight, QColor(60, 0, 0));
        p.setColor(group, QPalette::Mid, QColor(50, 0, 0));
        p.setColor(group, QPalette::Dark, QColor(30, 0, 0));
        p.setColor(group, QPalette::Shadow, QColor(kBlack));
    }
    return p;
}

// What the palette alone does not reach: the frames and lines that styles
// draw in fixed light colours.
const char* const kNightStyleSheet =
    "QMenuBar, QMenu, QStatusBar, QToolTip { background: #000000; color: #dc0000; }"
    "QMenuBar::item:selected, QMenu::item:selected { background: #6e0000; color: #ff0000; }"
    "QMenu::item:disabled { color: #780000; }"
    "QMenu::separator { height: 1px; background: #400000; margin: 3px 6px; }"
    "QMenu { border: 1px solid #400000; }"
    "QToolTip { border: 1px solid #400000; }"
    "QStatusBar QLabel { color: #dc0000; }";
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
    app->setStyleSheet(on ? g_dayStyleSheet + QString::fromLatin1(kNightStyleSheet) : g_dayStyleSheet);
}

}  // namespace zarn::night
