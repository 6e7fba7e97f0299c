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

}  // namespace zarn
