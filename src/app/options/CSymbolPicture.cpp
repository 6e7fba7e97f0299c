// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/CSymbolPicture.h"

#include "charts/CQtSurface.h"
#include "sky/draw/DeepSkySymbols.h"

#include <QPainter>

namespace zarn {

CSymbolPicture::CSymbolPicture(int symbol, QWidget* parent) : QWidget(parent), m_symbol(symbol)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CSymbolPicture::sizeHint() const { return {24, 18}; }

void CSymbolPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaletteColours colours;
    colours.fill(Qt::black);
    CQtSurface dc(painter, colours, CQtSurface::ScreenDevice(*this));
    const QColor ink = palette().color(QPalette::WindowText);
    drawUserObjectSymbol(dc, m_symbol, width() / 2, height() / 2,
                         rgb(unsigned(ink.red()), unsigned(ink.green()), unsigned(ink.blue())));
}

}  // namespace zarn
