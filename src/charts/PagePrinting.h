// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One-page printing of a window: the print preview, from whose bar the
// page is printed, and printing with the print dialog (into a PDF file chosen
// by the user when the computer has no printer).
#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace zarn {

using PageDrawer = std::function<void(QPrinter&)>;

void previewPage(QWidget* parent, QPageLayout::Orientation orientation, const PageDrawer& draw);
void printPage(QWidget* parent, QPageLayout::Orientation orientation, const QString& pdfName, const PageDrawer& draw);

}  // namespace zarn
