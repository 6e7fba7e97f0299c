// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsCarte.h"

#include "ui/CHelpWindow.h"
#include "app/options/COptionsCouleurs.h"
#include "app/options/COptionsNoms.h"
#include "app/options/COptionsNouveauxObjets.h"
#include "app/options/COptionsObjets.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zarn {

COptionsCarte::COptionsCarte(const QString& title, const ChartOptionsValues& values,
                             std::vector<UserObjectEntry> userObjects, const PreviewDrawer& drawer, QWidget* parent)
    : QDialog(parent), m_values(values)
{
    setWindowTitle(title);
    m_tabs = new QTabWidget(this);
    m_colours = new COptionsCouleurs(m_values, drawer, m_tabs);
    m_objects = new COptionsObjets(m_values, drawer, m_tabs);
    m_names = new COptionsNoms(m_values, m_tabs);
    m_userObjects = new COptionsNouveauxObjets(std::move(userObjects), m_tabs);
    for (QWidget* page : {static_cast<QWidget*>(m_colours), static_cast<QWidget*>(m_objects),
                          static_cast<QWidget*>(m_userObjects), static_cast<QWidget*>(m_names)})
        m_tabs->addTab(page, page->windowTitle());

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("Aide"), QDialogButtonBox::HelpRole);
    help->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { CHelpWindow::showContext(CHelpWindow::kChartOptions); });
    // While "A&jouter" can add a line, Enter adds it instead of closing the sheet.
    connect(m_userObjects, &COptionsNouveauxObjets::addIsDefault, this,
            [this](bool addIsDefault) { m_ok->setDefault(!addIsDefault); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

bool COptionsCarte::userObjectsChanged() const { return m_userObjects->changed(); }

const std::vector<UserObjectEntry>& COptionsCarte::userObjects() const { return m_userObjects->entries(); }

}  // namespace zarn
