// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsObjets.h"

#include "app/options/CPreviewPicture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zarn {

COptionsObjets::COptionsObjets(ChartOptionsValues& values, const PreviewDrawer& drawer, QWidget* parent)
    : QWidget(parent), m_values(values)
{
    setWindowTitle(QStringLiteral(" Objets Spéciaux"));
    static const char* const kTexts[5] = {"Soleil", "Lune", "Planètes", "&Ecliptique", "E&quateur"};
    auto* bodies = new QGroupBox(QStringLiteral(" Astres "), this);
    auto* planes = new QGroupBox(QStringLiteral(" Plans "), this);
    auto* bodiesLayout = new QVBoxLayout(bodies);
    auto* planesLayout = new QVBoxLayout(planes);
    for (int i = 0; i < 5; ++i) {
        const bool plane = i >= ChartOptionsValues::kEcliptic;
        auto* box = new QCheckBox(QString::fromUtf8(kTexts[i]), plane ? planes : bodies);
        box->setChecked(values.specialObjects[static_cast<std::size_t>(i)] != 0);
        (plane ? planesLayout : bodiesLayout)->addWidget(box);
        m_boxes[static_cast<std::size_t>(i)] = box;
        // The preview shows the two lines only: the bodies change nothing in it.
        connect(box, &QCheckBox::toggled, this, [this, i, plane](bool on) {
            m_values.specialObjects[static_cast<std::size_t>(i)] = on ? 1 : 0;
            if (plane)
                refreshPreview();
        });
    }
    m_preview = layOutWithPreview(*this, bodies, planes, drawer);
}

void COptionsObjets::refreshPreview()
{
    PreviewScene scene;
    scene.constellation = QStringLiteral("Lion");
    scene.sky = toQColor(m_values.skyColour);
    scene.colouredStars = m_values.starColouring == 1;
    scene.ecliptic = m_values.specialObjects[ChartOptionsValues::kEcliptic] != 0;
    scene.equator = m_values.specialObjects[ChartOptionsValues::kEquator] != 0;
    m_preview->showScene(scene);
}

void COptionsObjets::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshPreview();
}

}  // namespace zarn
