// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsObjets.h"

#include "app/options/CPreviewPicture.h"
#include "app/options/OptionBoxes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zarn {

COptionsObjets::COptionsObjets(ChartOptionsValues& values, const PreviewDrawer& drawer, QWidget* parent)
    : QWidget(parent), m_values(values)
{
    setWindowTitle(QStringLiteral(" Objets Spéciaux"));
    auto* bodies = new QGroupBox(QStringLiteral(" Astres "), this);
    auto* planes = new QGroupBox(QStringLiteral(" Plans "), this);
    m_boxes = addOptionBoxes(SheetBox::Bodies, m_values, bodies, *new QVBoxLayout(bodies));
    // The preview shows the two lines only: the bodies change nothing in it.
    for (QCheckBox* box : addOptionBoxes(SheetBox::Planes, m_values, planes, *new QVBoxLayout(planes),
                                         [this] { refreshPreview(); }))
        m_boxes.push_back(box);
    m_preview = layOutWithPreview(*this, bodies, planes, drawer);
}

void COptionsObjets::refreshPreview()
{
    PreviewScene scene;
    scene.constellation = QStringLiteral("Lion");
    scene.sky = toQColor(m_values.skyRgb());
    scene.colouredStars = m_values.starColouring == 1;
    scene.ecliptic = m_values.showEcliptic != 0;
    scene.equator = m_values.showEquator != 0;
    m_preview->showScene(scene);
}

void COptionsObjets::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshPreview();
}

}  // namespace zarn
