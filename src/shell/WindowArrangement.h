// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Cascade" and "Mosaïque" for the tool windows: they are arranged in the part
// of the work area that the sky window leaves free, which keeps its place.
#include <QList>
#include <QRect>

class QMdiSubWindow;

namespace zarn {

// Each window keeps its size, cut to the area, and stands one step lower and
// to the right of the previous one.
void cascadeWindows(const QList<QMdiSubWindow*>& windows, QRect area, int step);
// The windows share the area in a grid of nearly square cells, row by row.
void tileWindows(const QList<QMdiSubWindow*>& windows, QRect area);

// The rectangle cut to the area's size and moved into it.
QRect keptInside(QRect rect, QRect area);
// Where a tool window without a place of its own opens: at the area's left
// edge, where it covers the sky window (right of the free column) as little
// as its width allows, its size cut to the area; a step lower and to the
// right while another window already stands at that corner.
QRect openingPlace(QSize wanted, QRect area, const QList<QRect>& others, int step);

}  // namespace zarn
