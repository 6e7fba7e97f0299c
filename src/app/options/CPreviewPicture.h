// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small picture of a constellation on the colour and special-objects
// pages: drawn once into an off-screen image, which is reused until a
// setting it shows changes.
#include "app/options/ChartOptionsValues.h"

#include <QImage>
#include <QWidget>

namespace zarn {

class CPreviewPicture : public QWidget {
    Q_OBJECT
public:
    CPreviewPicture(PreviewDrawer drawer, QWidget* parent);

    // Draws the scene again at the next paint.
    void showScene(const PreviewScene& scene);
    const QImage& picture() const { return m_picture; }
    int renderCount() const { return m_renders; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void render();

    PreviewDrawer m_drawer;
    PreviewScene m_scene;
    QImage m_picture;
    bool m_stale = true;
    int m_renders = 0;
};

// Lays out a page of the options: two groups one above the other on the
// left, the page's preview on the right. Returns the preview.
CPreviewPicture* layOutWithPreview(QWidget& page, QWidget* upper, QWidget* lower, const PreviewDrawer& drawer);

}  // namespace zarn
