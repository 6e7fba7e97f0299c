// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace zarn {

namespace {
// Hints after which the list is filled again: a new date or place.
constexpr unsigned kRefillHints = 0x1 | 0x2;

bool isMessier(const CAstre* object, int number)
{
    const auto* star = dynamic_cast<const CEtoile*>(object);
    return star && messierNumber(*star) == number;
}

// The list of names, found by typing: the letters typed in quick succession
// move to the first name they begin (the leading blank of the lines, accents
// and case ignored), and a Messier number moves to its object whatever its
// name. Typing and the arrow keys only move through the list; the line is
// chosen with Return or Enter, a click or a double click, so that the names
// passed on the way neither turn the sky nor raise the box of an object below
// the horizon.
class NameList : public QListWidget {
public:
    NameList(const std::vector<CAstre*>& objects, std::function<void()> choose, std::function<void()> leaveUp,
             QWidget* parent)
        : QListWidget(parent), m_objects(objects), m_choose(std::move(choose)), m_leaveUp(std::move(leaveUp))
    {
        connect(this, &QListWidget::itemClicked, this, [this] { m_choose(); });
        connect(this, &QListWidget::itemDoubleClicked, this, [this] { m_choose(); });
    }

    void keyboardSearch(const QString& search) override
    {
        if (!m_lastKey.isValid() || m_lastKey.elapsed() > QApplication::keyboardInputInterval())
            m_typed.clear();
        m_lastKey.restart();
        m_typed += search;
        // Nothing typed matches: the line stays where it was.
        if (const int row = rowFor(m_typed.toStdString()); row >= 0) {
            setCurrentRow(row);
            scrollToItem(item(row));
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            m_choose();
            event->accept();
            return;
        }
        // Up on the first line shown goes back to what is above the list.
        if (event->key() == Qt::Key_Up && event->modifiers() == Qt::NoModifier && currentRow() >= 0
            && !isRowHidden(currentRow()) && moveCursor(MoveUp, Qt::NoModifier).row() == currentRow()) {
            m_leaveUp();
            event->accept();
            return;
        }
        // A blank inside a typed name ("M 31") goes on with the name.
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
                if (!isRowHidden(static_cast<int>(row)) && isMessier(m_objects[row], messier))
                    return static_cast<int>(row);
        const std::string prefix = typed.substr(std::min(typed.find_first_not_of(' '), typed.size()));
        if (prefix.empty())
            return -1;
        for (int row = 0; row < count(); ++row)
            if (!isRowHidden(row) && frenchStartsWith(item(row)->text().toStdString().substr(1), prefix))
                return row;
        return -1;
    }

    const std::vector<CAstre*>& m_objects;
    std::function<void()> m_choose;
    std::function<void()> m_leaveUp;
    QString m_typed;
    QElapsedTimer m_lastKey;
};

}  // namespace

CChercherView::CChercherView(DocumentHost& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setWindowTitle(QStringLiteral(" Aller vers ..."));
    setProperty("helpContext", CHelpWindow::kSearchTopic);
    m_filter = new QLineEdit(this);
    m_filter->setPlaceholderText(QStringLiteral("Nom ou numéro Messier"));
    m_filter->setAccessibleName(QStringLiteral("Filtre des noms"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    m_list = new NameList(m_objects, [this] { choose(); }, [this] { m_filter->setFocus(Qt::BacktabFocusReason); }, this);
    m_list->setUniformItemSizes(true);
    m_catalogue = new QPushButton(QStringLiteral("&Catalogue"), this);
    m_catalogue->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_catalogue, 0, Qt::AlignHCenter);
    setFocusPolicy(Qt::StrongFocus);

    connect(m_filter, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(m_filter, &QLineEdit::returnPressed, this, [this] { chooseFirstShown(); });
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
    CAstre* current = objectAt(m_list->currentRow());
    const bool selected = m_list->currentItem() && m_list->currentItem()->isSelected();
    // The names in the order a French reader looks them up.
    std::vector<std::pair<std::string, CAstre*>> names;
    for (const auto& [name, object] : m_doc.sky().ciel().names())
        if (!dynamic_cast<const CNouvelObjet*>(object))
            names.emplace_back(" " + name, object);
    // The clock moving leaves the names as they are: the list stays.
    if (names == m_filledFrom && m_list->count() == static_cast<int>(names.size()))
        return;
    m_filledFrom = names;
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return frenchLess(a.first, b.first); });

    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_objects.clear();
    QStringList texts;
    for (const auto& [text, object] : names) {
        texts << QString::fromStdString(text);
        m_objects.push_back(object);
    }
    m_list->addItems(texts);
    applyFilter();
    if (const auto found = std::find(m_objects.begin(), m_objects.end(), current); current && found != m_objects.end())
        m_list->setCurrentRow(static_cast<int>(found - m_objects.begin()),
                              selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
    m_list->verticalScrollBar()->setValue(top);
    if (m_list->currentItem())
        m_list->scrollToItem(m_list->currentItem());
    m_list->setUpdatesEnabled(true);
}

void CChercherView::clearSelection()
{
    // The current line stays, so that the arrows go on from where they were.
    m_list->selectionModel()->clearSelection();
}

void CChercherView::OnUpdate(CDocView*, unsigned hint, void*)
{
    if (hint & kRefillHints)
        fill();
    // Without an object to find (another chart was chosen, or the object set
    // below the horizon) no line stays selected.
    if (!m_doc.viewedObject() && !m_list->selectedItems().isEmpty())
        clearSelection();
}

bool CChercherView::answersFilter(int row, const std::string& typed, int messier) const
{
    // A Messier number finds its object whatever name it is listed under.
    if (messier > 0)
        return isMessier(objectAt(row), messier);
    // The line's text begins with the blank that sets it off.
    return frenchNameMatches(m_list->item(row)->text().toStdString(), typed);
}

void CChercherView::applyFilter()
{
    const std::string typed = m_filter->text().toStdString();
    const int messier = messierQuery(typed);
    m_list->setUpdatesEnabled(false);
    for (int row = 0; row < m_list->count(); ++row)
        m_list->setRowHidden(row, !answersFilter(row, typed, messier));
    m_list->setUpdatesEnabled(true);
    if (const int first = firstShownRow(); first >= 0 && !typed.empty())
        m_list->scrollToItem(m_list->item(first), QAbstractItemView::PositionAtTop);
}

int CChercherView::firstShownRow() const
{
    for (int row = 0; row < m_list->count(); ++row)
        if (!m_list->isRowHidden(row))
            return row;
    return -1;
}

void CChercherView::chooseFirstShown()
{
    // Nothing answers the filter: nothing is chosen.
    const int first = firstShownRow();
    if (first < 0)
        return;
    m_list->setCurrentRow(first, QItemSelectionModel::NoUpdate);
    choose();
}

bool CChercherView::eventFilter(QObject* watched, QEvent* event)
{
    // Down, or Page Down, goes on from the field into the list of the names
    // it shows: to the first of them after a filter, else to the line where
    // the arrows last were.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Escape empties the field first; with nothing typed it goes on to
        // the window as it always did.
        if (key == Qt::Key_Escape && !m_filter->text().isEmpty()) {
            m_filter->clear();
            return true;
        }
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && firstShownRow() >= 0) {
            const int current = m_list->currentRow();
            if (!m_filter->text().trimmed().isEmpty() || current < 0 || m_list->isRowHidden(current))
                m_list->setCurrentRow(firstShownRow(), QItemSelectionModel::NoUpdate);
            m_list->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CChercherView::choose()
{
    const int row = m_list->currentRow();
    CAstre* object = row >= 0 && !m_list->isRowHidden(row) ? objectAt(row) : nullptr;
    if (!object || object == m_doc.viewedObject())
        return;
    m_list->currentItem()->setSelected(true);
    if (m_doc.findObject(*object))
        m_chosen = object;
    else if (!m_doc.viewedObject())
        clearSelection();
}

void CChercherView::focusInEvent(QFocusEvent* event)
{
    // The names are looked for by typing them in the field.
    QWidget::focusInEvent(event);
    m_filter->setFocus();
}

}  // namespace zarn
