// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/CPreviewPicture.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace zarn {

namespace {
// The picture is 90 × 74 dialog units: a unit is a quarter of the average
// character width across and an eighth of the font height down.
QSize dialogUnits(const QWidget& widget, int across, int down)
{
    const QFontMetrics fm = widget.fontMetrics();
    return {across * fm.averageCharWidth() / 4, down * fm.height() / 8};
}
}  // namespace

CPreviewPicture::CPreviewPicture(PreviewDrawer drawer, QWidget* parent) : QWidget(parent), m_drawer(std::move(drawer))
{
    setFixedSize(dialogUnits(*this, 90, 74));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPreviewPicture::showScene(const PreviewScene& scene)
{
    m_scene = scene;
    m_stale = true;
    update();
}

void CPreviewPicture::render()
{
    const qreal ratio = devicePixelRatioF();
    m_picture = QImage(size() * ratio, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(m_scene.sky);
    QPainter painter(&m_picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_drawer)
        m_drawer(painter, rect(), m_scene);
    m_stale = false;
    ++m_renders;
}

void CPreviewPicture::paintEvent(QPaintEvent*)
{
    if (m_stale || m_picture.isNull())
        render();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
    // The sunken frame of the picture button.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

CPreviewPicture* layOutWithPreview(QWidget& page, QWidget* upper, QWidget* lower, const PreviewDrawer& drawer)
{
    auto* preview = new CPreviewPicture(drawer, &page);
    auto* left = new QVBoxLayout;
    left->addWidget(upper);
    left->addWidget(lower);
    left->addStretch();
    auto* layout = new QHBoxLayout(&page);
    layout->addLayout(left, 1);
    layout->addWidget(preview, 0, Qt::AlignTop);
    return preview;
}

}  // namespace zarn
