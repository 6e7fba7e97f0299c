// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print preview of a chart window, with its button for the star names.
// The window gives the painting of its one page.
#include <functional>

class QPrinter;
class QWidget;

namespace zarn {

// Paints the chart on the printer's page; preview is true inside the preview.
using PagePainter = std::function<void(QPrinter& printer, bool preview)>;

// The print preview, with the button "&Marquer noms étoiles" bound to the
// option that prints star names. The bar, when given and shown, is hidden
// while the preview is open.
void runChartPreview(QWidget* parent, const PagePainter& paint, bool starNames,
                     const std::function<void(bool)>& setStarNames, QWidget* bar);

}  // namespace zarn
