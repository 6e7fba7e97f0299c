// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of the animation window: the starry background is drawn once
// into an image and kept until the size, the region or the options change;
// each step only copies it and adds the trails, the marks and the date.
#include <QImage>

#include "charts/CChartPanel.h"

namespace zarn {

class CCarteAnimation;

class CAnimationPanel : public CChartPanel {
    Q_OBJECT
public:
    CAnimationPanel(CCarteAnimation& chart, QWidget* parent = nullptr);

    // The background must be drawn again (a new region, other options).
    void InvalidateBackground() { m_background = QImage(); }
    // The date written beside the main body, with its offset in pixels.
    void SetDateLabel(const std::string& text, int offset);

protected:
    void DrawChart(CQtSurface& dc, SRect rect, std::uint32_t flags) override;
    void DrawOver(CQtSurface& dc) override;

private:
    CCarteAnimation& m_animation;
    QImage m_background;
    std::uint32_t m_backgroundFlags = 0;
    std::string m_dateText;
    int m_dateOffset = 8;
};

// Draws the date beside the main body's mark: light on the sky, or dark on
// white where it would cover another body's symbol.
void drawDateLabel(CSurface& dc, const CCarteAnimation& chart, const std::string& text, int offset);

}  // namespace zarn
