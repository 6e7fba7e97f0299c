// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The " Couleurs" page of the chart options: the sky colour by a slider and
// white or coloured stars, with the preview of Orion.
#include "app/options/ChartOptionsValues.h"

#include <QWidget>

class QRadioButton;
class QSlider;

namespace zarn {

class CPreviewPicture;

class COptionsCouleurs : public QWidget {
    Q_OBJECT
public:
    COptionsCouleurs(ChartOptionsValues& values, const PreviewDrawer& drawer, QWidget* parent);

    QSlider* slider() const { return m_slider; }
    QRadioButton* whiteButton() const { return m_white; }
    QRadioButton* colourButton() const { return m_colour; }
    CPreviewPicture* preview() const { return m_preview; }
    // The working sky colour and star colouring, as the preview shows them.
    void refreshPreview();

signals:
    void changed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onSlider(int position);

    ChartOptionsValues& m_values;
    QSlider* m_slider;
    QRadioButton* m_white;
    QRadioButton* m_colour;
    CPreviewPicture* m_preview;
};

}  // namespace zarn
