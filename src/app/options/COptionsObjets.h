// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The " Objets Spéciaux" page of the chart options: Sun, Moon, planets,
// ecliptic and equator drawn on the charts, with the preview of Leo whose
// two lines follow their boxes.
#include "app/options/ChartOptionsValues.h"

#include <QWidget>

#include <vector>

class QCheckBox;

namespace zarn {

class CPreviewPicture;

class COptionsObjets : public QWidget {
    Q_OBJECT
public:
    COptionsObjets(ChartOptionsValues& values, const PreviewDrawer& drawer, QWidget* parent);

    // In the order of the table of display options: Soleil, Lune, Planètes, Ecliptique, Equateur.
    QCheckBox* box(int index) const { return m_boxes[static_cast<std::size_t>(index)]; }
    CPreviewPicture* preview() const { return m_preview; }
    void refreshPreview();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ChartOptionsValues& m_values;
    std::vector<QCheckBox*> m_boxes;
    CPreviewPicture* m_preview;
};

}  // namespace zarn
