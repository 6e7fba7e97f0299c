#include "tools/ui/CChercherView.h"

#include "app/CHelpWindow.h"
#include "app/CZarnDoc.h"
#include "shell/CActions.h"
#include "shell/CMainFrame.h"
#include "shell/CommandIds.h"
#include "sky/CEtoile.h"
#include "sky/CNouvelObjet.h"
#include "tools/CatalogueList.h"

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>

namespace zarn {

namespace {
// Hints after which the list is filled again: a new date or place.
constexpr unsigned kRefillHints = 0x1 | 0x2;
// The smallest height the list keeps at start-up.
constexpr int kMinimumHeight = 160;
}  // namespace

CChercherView::CChercherView(CZarnDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setWindowTitle(QStringLiteral(" Aller vers ..."));
    setProperty("helpContext", CHelpWindow::kSearchTopic);
    m_list = new QListWidget(this);
    m_list->setUniformItemSizes(true);
    m_catalogue = new QPushButton(QStringLiteral("&Catalogue"), this);
    m_catalogue->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_catalogue, 0, Qt::AlignHCenter);
    setFocusPolicy(Qt::StrongFocus);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &CChercherView::onSelectionChanged);
    connect(m_catalogue, &QPushButton::clicked, this, [this] {
        if (QAction* catalogue = m_doc.frame().actions().action(cmd::Catalogue))
            catalogue->trigger();
    });
    m_doc.AddView(this);
    fill();
}

CChercherView::~CChercherView() { m_doc.RemoveView(this); }

QRect CChercherView::placement(QSize client, int freeTop)
{
    const int width = (client.width() + 2) * 10 / 37;
    const int top = std::min(freeTop, std::max(0, client.height() - kMinimumHeight));
    return QRect(0, top, width, client.height() - top);
}

QMdiSubWindow* CChercherView::open(CZarnDoc& doc, CMainFrame& frame)
{
    auto* view = new CChercherView(doc);
    QMdiArea* area = frame.mdiArea();
    // Under the tool windows that already stand left of the sky window.
    const QSize client = area->viewport()->size();
    const QRect column = placement(client, 0);
    int freeTop = 0;
    for (QMdiSubWindow* other : area->subWindowList())
        if (other->isVisible() && other->geometry().left() < column.right() && other != frame.skyFrame())
            freeTop = std::max(freeTop, other->geometry().bottom() + 1);
    QMdiSubWindow* window = area->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(view->windowTitle());
    window->setGeometry(placement(client, freeTop));
    // Menu commands and printing go to the sky window while this one is active.
    CMainFrame::markRedirectsToSky(window);
    window->show();
    return window;
}

CAstre* CChercherView::objectAt(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < m_objects.size() ? m_objects[static_cast<std::size_t>(row)]
                                                                         : nullptr;
}

void CChercherView::fill()
{
    const int top = m_list->verticalScrollBar()->value();
    CAstre* selected = m_list->currentItem() && m_list->currentItem()->isSelected() ? objectAt(m_list->currentRow())
                                                                                       : nullptr;
    // The names in the order a French reader looks them up.
    std::vector<std::pair<std::string, CAstre*>> names;
    for (const auto& [name, object] : m_doc.sky().ciel().names())
        if (!dynamic_cast<const CNouvelObjet*>(object))
            names.emplace_back(" " + name, object);
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return frenchLess(a.first, b.first); });

    m_filling = true;
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_objects.clear();
    QStringList texts;
    for (const auto& [text, object] : names) {
        texts << QString::fromStdString(text);
        m_objects.push_back(object);
    }
    m_list->addItems(texts);
    const auto found = std::find(m_objects.begin(), m_objects.end(), selected);
    if (selected && found != m_objects.end())
        m_list->setCurrentRow(static_cast<int>(found - m_objects.begin()));
    m_list->verticalScrollBar()->setValue(top);
    if (m_list->currentItem())
        m_list->scrollToItem(m_list->currentItem());
    m_list->setUpdatesEnabled(true);
    m_filling = false;
}

void CChercherView::clearSelection()
{
    m_filling = true;
    m_list->setCurrentRow(-1, QItemSelectionModel::Clear);
    m_filling = false;
}

void CChercherView::OnUpdate(CDocView*, unsigned hint, void*)
{
    if (hint & kRefillHints)
        fill();
    // Without an object to find (another chart was chosen, or the object set
    // below the horizon) no line stays selected.
    if (!m_doc.viewedObject() && m_list->currentRow() >= 0)
        clearSelection();
}

void CChercherView::onSelectionChanged()
{
    if (m_filling)
        return;
    CAstre* object = objectAt(m_list->currentRow());
    if (!object || !m_list->currentItem()->isSelected() || object == m_doc.viewedObject())
        return;
    if (m_doc.findObject(*object))
        m_chosen = object;
    else if (!m_doc.viewedObject())
        clearSelection();
}

void CChercherView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_list->currentRow() < 0)
        m_catalogue->setFocus();
    else
        m_list->setFocus();
}

}  // namespace zarn
