#include "charts/CConstellationsFrm.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "charts/CConstellationsView.h"

namespace zarn {

CConstellationsFrm::CConstellationsFrm(ConstellationsViewHost& host, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new CConstellationsView(host, this);
    layout->addWidget(m_view, 1);
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("constellationStatus"));
    m_status->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        QLabel* part = new QLabel(m_status);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setTextFormat(Qt::PlainText);
        // A long description never widens the window.
        part->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        m_status->addWidget(part, i);
        m_parts[i] = part;
    }
    layout->addWidget(m_status);
    connect(m_view, &CConstellationsView::statusChanged, this, &CConstellationsFrm::SetStatus);
}

QString CConstellationsFrm::StatusText(int part) const { return m_parts[part]->text(); }

void CConstellationsFrm::SetStatus(const QString& first, const QString& second)
{
    m_parts[0]->setText(first);
    m_parts[1]->setText(second);
}

void CConstellationsFrm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The first part takes 7/10 of the bar, the second the rest.
    const int width = m_status->width();
    m_parts[0]->setFixedWidth(width * 7 / 10);
}

}  // namespace zarn
