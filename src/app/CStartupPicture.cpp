// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CStartupPicture.h"

#include "app/FilePaths.h"
#include "charts/QtColour.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace zarn {

const QColor CStartupPicture::kTitleColour = toQColor(kStartupTitleColour);

QImage CStartupPicture::loadPicture(const QString& bmpPath)
{
    // Read here, so that a folder name that is not UTF-8 still finds it.
    QImage image = QImage::fromData(readSmallFile(bmpPath, 16 << 20), "BMP");
    if (image.isNull() || image.format() != QImage::Format_Indexed8 || image.colorCount() < 16)
        return QImage();
    image.setColor(15, kTitleColour.rgb());
    return image;
}

CStartupPicture* CStartupPicture::show(const QString& bmpPath, QWidget* owner, const QRect& over)
{
    QImage picture = loadPicture(bmpPath);
    if (picture.isNull())
        return nullptr;
    auto* window = new CStartupPicture(std::move(picture), owner);
    const QRect area = over.isValid() ? over : (owner ? owner->frameGeometry() : QRect());
    window->move(area.center() - window->rect().center());
    window->QWidget::show();
    window->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return window;
}

QPoint CStartupPicture::placeClearOf(const QRect& picture, QSize dialog, const QRect& screen)
{
    const int gap = 8;
    const int x = std::clamp(picture.center().x() - dialog.width() / 2, screen.left(),
                             std::max(screen.left(), screen.right() + 1 - dialog.width()));
    if (picture.bottom() + gap + dialog.height() <= screen.bottom())
        return {x, picture.bottom() + gap};
    if (picture.top() - gap - dialog.height() >= screen.top())
        return {x, picture.top() - gap - dialog.height()};
    const int y = std::clamp(picture.center().y() - dialog.height() / 2, screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - dialog.height()));
    if (picture.right() + gap + dialog.width() <= screen.right())
        return {picture.right() + gap, y};
    return {std::max(screen.left(), picture.left() - gap - dialog.width()), y};
}

CStartupPicture::CStartupPicture(QImage picture, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(std::move(picture))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
}

namespace {
// Liberation Sans stands for Arial; the width is set by stretching the font.
QFont titleFont(int pixelHeight, int averageWidth, int weight)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Weight(weight));
    const int natural = std::max(1, QFontMetrics(font).averageCharWidth());
    font.setStretch(std::clamp(100 * averageWidth / natural, 1, 4000));
    return font;
}
}  // namespace

void CStartupPicture::drawTitle(QPainter& painter, int a)
{
    static constexpr int kHeights[5] = {38, 30, 22, 16, 22};
    static constexpr int kBaselines[5] = {230, 220, 214, 208, 205};
    const QString title = QStringLiteral("Zarn6");
    painter.setPen(kTitleColour);
    int x = a;
    for (int i = 0; i < title.size(); ++i) {
        const QFont font = titleFont(kHeights[i], 20, 600);
        painter.setFont(font);
        if (i == 4)
            x += 6;
        painter.drawText(QPoint(x, kBaselines[i]), title.mid(i, 1));
        x += QFontMetrics(font).horizontalAdvance(title[i]) + 3;
    }
}

void CStartupPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawImage(0, 0, m_picture);
    const int a = width() * 22 / 52;
    drawTitle(painter, a);

    painter.setFont(titleFont(12, 6, 400));
    painter.setPen(QColor(m_picture.color(0)));
    painter.drawText(QPoint(width() / 2 - 8, 25), QStringLiteral("Version 6.0  2003"));

    QPainterPath curves;
    curves.moveTo(a - 1, 202);
    curves.cubicTo(a + 29, 200, a + 59, 198, a + 122, 182);
    curves.moveTo(a + 9, 240);
    curves.cubicTo(a + 41, 228, a + 69, 220, a + 122, 210);
    painter.setPen(QPen(kTitleColour, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curves);
}

}  // namespace zarn
