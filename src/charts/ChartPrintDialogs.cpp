#include "charts/ChartPrintDialogs.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>

namespace zarn {

void runChartPreview(QWidget* parent, const PagePainter& paint, bool starNames,
                     const std::function<void(bool)>& setStarNames, QWidget* bar)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(*p, true); });
    // The preview's own button to print the star names or not.
    if (QToolBar* tools = dialog.findChild<QToolBar*>()) {
        QAction* names = tools->addAction(QStringLiteral("&Marquer noms étoiles"));
        names->setCheckable(true);
        names->setChecked(starNames);
        QObject::connect(names, &QAction::toggled, &dialog, [&setStarNames, &dialog](bool on) {
            setStarNames(on);
            if (auto* widget = dialog.findChild<QPrintPreviewWidget*>())
                widget->updatePreview();
        });
    }
    const bool barShown = bar && bar->isVisible();
    if (barShown)
        bar->hide();
    dialog.exec();
    if (barShown)
        bar->show();
}

void printChartPage(QWidget* parent, const PagePainter& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Imprimer dans un fichier PDF"),
                                                          QStringLiteral("carte.pdf"),
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
    paint(printer, false);
}

}  // namespace zarn
