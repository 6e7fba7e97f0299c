// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartPrintDialogs.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
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

}  // namespace zarn
