#include "charts/CZarnFrm.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "charts/CZarnView.h"
#include "charts/SkyViewHost.h"
#include "shell/PlanetPictures.h"

namespace zarn {

const CZarnFrm::Button CZarnFrm::kButtons[16] = {
    {"Ciel", 32777, " Vue du ciel entier"},
    {"S", 32778, " Vue de l'horizon sud"},
    {"SW", 32779, " Vue de l'horizon sud-ouest"},
    {"W", 32780, " Vue de l'horizon ouest"},
    {"NW", 32781, " Vue de l'horizon nord-ouest"},
    {"N", 32782, " Vue de l'horizon nord"},
    {"NE", 32783, " Vue de l'horizon nord-est"},
    {"E", 32784, " Vue de l'horizon est"},
    {"SE", 32785, " Vue de l'horizon sud-est"},
    {"", 32797, " Vue de la planète Mercure"},
    {"", 32798, " Vue de la planète Vénus"},
    {"", 32799, " Vue de la planète Mars"},
    {"", 32800, " Vue de la planète Jupiter"},
    {"", 32801, " Vue de la planète Saturne"},
    {"", 32802, " Vue de la Lune"},
    {"", 32803, " Vue du Soleil"},
};

CZarnFrm::CZarnFrm(SkyViewHost& host, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Ciel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar = BuildBar(host);
    m_view = new CZarnView(host, this);
    layout->addWidget(m_bar);
    layout->addWidget(m_view, 1);
}

QWidget* CZarnFrm::BuildBar(SkyViewHost& host)
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("viewButtonBar"));
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(2, 6, 2, 2);
    column->setSpacing(0);
    const int side = std::max(24, fontMetrics().height() * 2);
    for (int i = 0; i < 16; ++i) {
        const Button& b = kButtons[i];
        auto* button = new QToolButton(bar);
        button->setFixedSize(side + 6, side);
        button->setStatusTip(QString::fromUtf8(b.status));
        button->setToolTip(QString::fromUtf8(b.status).trimmed());
        if (*b.caption) {
            button->setText(QString::fromUtf8(b.caption));
        } else {
            button->setIcon(QIcon(planetPicture(i - 9, devicePixelRatioF())));
            button->setIconSize(QSize(kPlanetPictureWidth, kPlanetPictureHeight));
        }
        // The button follows its command's state (a checked direction is disabled).
        if (QAction* action = host.Action(b.command)) {
            button->setEnabled(action->isEnabled());
            connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
            connect(button, &QToolButton::clicked, action, [action] { action->trigger(); });
        }
        column->addWidget(button);
        if (i == 8)
            column->addSpacing(side / 2);  // the pictures stand apart from the directions
    }
    column->addStretch(1);
    return bar;
}

}  // namespace zarn
