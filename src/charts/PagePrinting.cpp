// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PagePrinting.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zarn {

void previewPage(QWidget* parent, QPageLayout::Orientation orientation, const PageDrawer& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&draw](QPrinter* p) { draw(*p); });
    dialog.exec();
}

void printPage(QWidget* parent, QPageLayout::Orientation orientation, const QString& pdfName, const PageDrawer& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Imprimer dans un fichier PDF"), pdfName,
                                                          QStringLiteral("Documents PDF (*.pdf)"));
        if (file.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    } else {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    draw(printer);
}

}  // namespace zarn
