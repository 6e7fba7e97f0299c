// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/CConstellationsFrm.h"

#include <QLabel>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "charts/ui/CConstellationsView.h"

namespace zarn {

CConstellationsFrm::CConstellationsFrm(ConstellationsViewHost& host, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new CConstellationsView(host, this);
    layout->addWidget(m_view, 1);
    // Two sunken parts: 7/10 of the width and the rest.
    m_status = new QWidget(this);
    m_status->setObjectName(QStringLiteral("constellationStatus"));
    auto* parts = new QHBoxLayout(m_status);
    parts->setContentsMargins(2, 2, 2, 2);
    parts->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        QLabel* part = new QLabel(m_status);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setTextFormat(Qt::PlainText);
        // A long description never widens the window.
        part->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        part->setMinimumHeight(part->fontMetrics().height() + 4);
        parts->addWidget(part, i == 0 ? 7 : 3);
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

}  // namespace zarn
