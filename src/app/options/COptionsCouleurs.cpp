// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsCouleurs.h"

#include "app/options/CPreviewPicture.h"
#include "sky/SkyColourScale.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace zarn {

COptionsCouleurs::COptionsCouleurs(ChartOptionsValues& values, const PreviewDrawer& drawer, QWidget* parent)
    : QWidget(parent), m_values(values)
{
    setWindowTitle(QStringLiteral(" Couleurs"));
    auto* skyGroup = new QGroupBox(QStringLiteral(" &Couleur ciel "), this);
    m_slider = new QSlider(Qt::Horizontal, skyGroup);
    m_slider->setRange(0, kSkySliderMax);
    m_slider->setTickInterval(5);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setPageStep(5);
    m_slider->setValue(values.skyColourIndex);
    values.skyColourIndex = m_slider->value();  // a damaged setting is taken into the range
    (new QVBoxLayout(skyGroup))->addWidget(m_slider);
    // The group's mnemonic leads to the slider.
    skyGroup->setFocusProxy(m_slider);

    auto* starGroup = new QGroupBox(QStringLiteral(" Couleur étoiles "), this);
    m_white = new QRadioButton(QStringLiteral("&Blanc"), starGroup);
    m_colour = new QRadioButton(QStringLiteral("Co&uleur"), starGroup);
    (values.starColouring == 0 ? m_white : m_colour)->setChecked(true);
    auto* starLayout = new QVBoxLayout(starGroup);
    starLayout->addWidget(m_white);
    starLayout->addWidget(m_colour);

    m_preview = layOutWithPreview(*this, skyGroup, starGroup, drawer);

    connect(m_slider, &QSlider::valueChanged, this, &COptionsCouleurs::onSlider);
    connect(m_white, &QRadioButton::toggled, this, [this](bool white) {
        m_values.starColouring = white ? 0 : 1;
        refreshPreview();
        emit changed();
    });
}

void COptionsCouleurs::onSlider(int position)
{
    m_values.skyColour = toSettingsRgb(skyFromSlider(position));
    m_values.skyColourIndex = position;
    refreshPreview();
    emit changed();
}

void COptionsCouleurs::refreshPreview()
{
    PreviewScene scene;
    scene.constellation = QStringLiteral("Orion");
    scene.sky = toQColor(m_values.skyRgb());
    scene.colouredStars = m_values.starColouring == 1;
    m_preview->showScene(scene);
}

void COptionsCouleurs::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshPreview();
}

}  // namespace zarn
