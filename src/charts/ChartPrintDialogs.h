#pragma once
// The print preview and the print command of a chart window. The window gives
// the painting of its one page; these run the dialogs around it.
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
// Prints one page with the print dialog, or into a PDF file chosen by the
// user when the computer has no printer.
void printChartPage(QWidget* parent, const PagePainter& paint);

}  // namespace zarn
