#include "tools/ui/CChercherView.h"

#include "ui/FramePlaces.h"
#include "ui/CHelpWindow.h"
#include "ui/DocumentHost.h"
#include "sky/SkyModel.h"
#include "ui/CActions.h"
#include "ui/CWorkspace.h"
#include "ui/CommandIds.h"
#include "sky/CEtoile.h"
#include "sky/CNouvelObjet.h"
#include "tools/CatalogueList.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>

namespace zarn {

namespace {
// Hints after which the list is filled again: a new date or place.
constexpr unsigned kRefillHints = 0x1 | 0x2;

// The list of names, found by typing: the letters typed in quick succession
// pick the first name they begin (the leading blank of the lines, accents and
// case ignored), and a Messier number picks its object whatever its name. The
// name found is chosen once the typing pauses, so that the names passed on
// the way neither turn the sky nor raise the box of an object below the horizon.
class NameList : public QListWidget {
public:
    NameList(const std::vector<CAstre*>& objects, QWidget* parent) : QListWidget(parent), m_objects(objects)
    {
        m_pause.setSingleShot(true);
        connect(&m_pause, &QTimer::timeout, this, [this] {
            if (m_found >= 0 && m_found < count() && !(m_found == currentRow() && item(m_found)->isSelected()))
                setCurrentRow(m_found);
        });
    }

    void keyboardSearch(const QString& search) override
    {
        if (!m_lastKey.isValid() || m_lastKey.elapsed() > QApplication::keyboardInputInterval())
            m_typed.clear();
        m_lastKey.restart();
        m_typed += search;
        // Nothing typed matches: the choice stays, the sky does not move.
        const int row = rowFor(m_typed.toStdString());
        if (row < 0)
            return;
        m_found = row;
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
        scrollToItem(item(row));
        m_pause.start(QApplication::keyboardInputInterval());
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        // A blank inside a typed name ("M 31") goes on with the name instead
        // of choosing the line under way.
        const bool typing = m_lastKey.isValid() && m_lastKey.elapsed() <= QApplication::keyboardInputInterval();
        if (event->key() == Qt::Key_Space && typing && event->modifiers() == Qt::NoModifier) {
            keyboardSearch(event->text());
            return;
        }
        QListWidget::keyPressEvent(event);
    }

private:
    int rowFor(const std::string& typed) const
    {
        if (const int messier = messierQuery(typed); messier > 0)
            for (std::size_t row = 0; row < m_objects.size(); ++row)
                if (auto* star = dynamic_cast<const CEtoile*>(m_objects[row]); star && messierNumber(*star) == messier)
                    return static_cast<int>(row);
        const std::string prefix = typed.substr(std::min(typed.find_first_not_of(' '), typed.size()));
        if (prefix.empty())
            return -1;
        for (int row = 0; row < count(); ++row)
            if (frenchStartsWith(item(row)->text().toStdString().substr(1), prefix))
                return row;
        return -1;
    }

    const std::vector<CAstre*>& m_objects;
    QString m_typed;
    QElapsedTimer m_lastKey;
    QTimer m_pause;
    int m_found = -1;
};

}  // namespace

CChercherView::CChercherView(DocumentHost& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setWindowTitle(QStringLiteral(" Aller vers ..."));
    setProperty("helpContext", CHelpWindow::kSearchTopic);
    m_list = new NameList(m_objects, this);
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
        if (QAction* catalogue = m_doc.workspace().actions().action(cmd::Catalogue))
            catalogue->trigger();
    });
    m_doc.AddView(this);
    fill();
}

CChercherView::~CChercherView() { m_doc.RemoveView(this); }

QMdiSubWindow* CChercherView::open(DocumentHost& doc, CWorkspace& frame)
{
    auto* view = new CChercherView(doc);
    QMdiSubWindow* window = frame.mdiArea()->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(view->windowTitle());
    // Under the Sun-and-Moon window, left of the sky window.
    auto place = [window, &frame] {
        if (!window->isMaximized() && !window->isMinimized())
            window->setGeometry(searchFrameRect(frame.mdiArea()->viewport()->size()));
    };
    place();
    QObject::connect(&frame, &CWorkspace::resizedWithSkyFrame, window, place);
    // Menu commands and printing go to the sky window while this one is active.
    CWorkspace::markRedirectsToSky(window);
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
