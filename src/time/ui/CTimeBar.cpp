#include "time/ui/CTimeBar.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace zarn {
namespace {

// A small clock face: the picture of the bar's first part.
QPixmap clockPicture(qreal dpr)
{
    QPixmap pixmap(qRound(20 * dpr), qRound(16 * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(250, 250, 235));
    p.drawEllipse(QPointF(10, 8), 6.5, 6.5);
    p.drawLine(QPointF(10, 8), QPointF(10, 3.5));
    p.drawLine(QPointF(10, 8), QPointF(13, 9.5));
    return pixmap;
}

QString labelText(const char* label)
{
    return QStringLiteral("   ") + QString::fromUtf8(label) + QStringLiteral("  ");
}

}  // namespace

CTimeBar::CTimeBar(QWidget* parent) : QFrame(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    const QFontMetrics fm(font());
    const int valueWidth = fm.horizontalAdvance(QStringLiteral("0000.00"));

    m_parts[0] = addPart(QString(), 32, false);
    m_parts[0]->setPixmap(clockPicture(devicePixelRatioF()));
    m_parts[1] = addPart(QString(), fm.horizontalAdvance(QStringLiteral(" 30.09.2009 ")) + 32, false);
    static constexpr const char* kLabels[5] = {"Temps :  Légal", "Universel", "Solaire moyen",
                                               "Solaire vrai", "Sidéral"};
    for (int i = 0; i < 5; ++i) {
        const QString label = labelText(kLabels[i]);
        m_parts[2 + 2 * i] = addPart(label, fm.horizontalAdvance(label), false);
        const int width = valueWidth + (i == 4 ? fm.horizontalAdvance(QStringLiteral("000")) : 0);
        m_parts[3 + 2 * i] = addPart(QString(), width + 6, true);
    }
    layout->addStretch(1);
    hide();
}

QLabel* CTimeBar::addPart(const QString& text, int width, bool sunken)
{
    auto* label = new QLabel(text, this);
    label->setMinimumWidth(width);
    if (sunken)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout()->addWidget(label);
    return label;
}

void CTimeBar::refresh(const TimeBarTexts& texts)
{
    m_parts[1]->setText(QString::fromStdString(texts.date));
    for (int i = 0; i < 5; ++i)
        m_parts[3 + 2 * i]->setText(QString::fromStdString(texts.scales[i].value));
}

QString CTimeBar::partText(int part) const
{
    if (part <= 0 || part >= kParts)
        return QString();
    return m_parts[part]->text();
}

}  // namespace zarn
