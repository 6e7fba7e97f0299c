// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/CZarnFrm.h"

#include <QHBoxLayout>

#include "charts/ui/CViewButtonBar.h"
#include "charts/ui/CZarnView.h"
#include "charts/SkyViewHost.h"

namespace zarn {

CZarnFrm::CZarnFrm(SkyViewHost& host, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Ciel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar = new CViewButtonBar([&host](int id) { return host.Action(id); }, this);
    m_view = new CZarnView(host, this);
    layout->addWidget(m_bar);
    layout->addWidget(m_view, 1);
}

}  // namespace zarn
