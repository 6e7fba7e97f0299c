// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CCatalogueView.h"

#include "ui/CHelpWindow.h"
#include "ui/DocumentHost.h"
#include "sky/SkyModel.h"
#include "ui/CWorkspace.h"
#include "sky/CConstellation.h"
#include "sky/CEtoile.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {

namespace {

constexpr double kDegreesToRadians = 3.141592654 / 180.0;

const char* const kKinds[4] = {"Constellations (noms)", "Constellations (abréviations)", "Etoiles principales",
                               "Amas, nébuleuses, galaxies"};

// The typed text as the search compares it: without its leading blanks.
std::string searchKey(const QString& text)
{
    QString s = text;
    while (!s.isEmpty() && s.front().isSpace())
        s.remove(0, 1);
    return s.toLower().toStdString();
}

}  // namespace

CCatalogueView::CCatalogueView(DocumentHost& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setWindowTitle(QStringLiteral(" Catalogue"));
    setProperty("helpContext", CHelpWindow::kCatalogueTopic);
    auto* objectsLabel = new QLabel(QStringLiteral("&Objets"), this);
    m_kindBox = new QComboBox(this);
    for (const char* kind : kKinds)
        m_kindBox->addItem(QString::fromUtf8(kind));
    objectsLabel->setBuddy(m_kindBox);
    auto* searchLabel = new QLabel(QStringLiteral("&Rechercher"), this);
    m_search = new QLineEdit(this);
    searchLabel->setBuddy(m_search);
    m_search->installEventFilter(this);

    auto* headerRow = new QWidget(this);
    headerRow->setFixedHeight(fontMetrics().height() + 2);
    const char* const headerTexts[3] = {"Mag", "Ascd", "Decl"};
    for (int i = 0; i < 3; ++i) {
        m_headers[i] = new QLabel(QString::fromUtf8(headerTexts[i]), headerRow);
        m_headers[i]->hide();
    }
    m_list = new QListWidget(this);
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new CatalogueLineDelegate(m_columns, m_list));

    m_show = new QPushButton(QStringLiteral("&Afficher la constellation"), this);
    m_show->setDefault(true);
    m_show->setEnabled(false);
    m_detailsButton = new QPushButton(this);
    m_close = new QPushButton(QStringLiteral("Fermer"), this);

    auto* top = new QGridLayout;
    top->addWidget(objectsLabel, 0, 0);
    top->addWidget(m_kindBox, 0, 1);
    top->addWidget(searchLabel, 1, 0);
    top->addWidget(m_search, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_show);
    buttons->addWidget(m_detailsButton);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(headerRow);
    layout->setSpacing(4);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_kindBox, &QComboBox::currentIndexChanged, this, &CCatalogueView::setKind);
    // Once a kind is chosen the focus goes back where it was (the search field).
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == m_kindBox && old && isAncestorOf(old))
            m_focusBeforeKinds = old;
    });
    connect(m_kindBox, &QComboBox::activated, this, [this] {
        if (m_focusBeforeKinds)
            m_focusBeforeKinds->setFocus();
    });
    connect(m_search, &QLineEdit::textChanged, this, &CCatalogueView::search);
    connect(m_search, &QLineEdit::returnPressed, this, &CCatalogueView::showSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CCatalogueView::onSelectionChanged);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CCatalogueView::showSelected);
    connect(m_show, &QPushButton::clicked, this, &CCatalogueView::showSelected);
    connect(m_detailsButton, &QPushButton::clicked, this, &CCatalogueView::showDetails);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    });
    m_doc.AddView(this);
    setKind(0);
    setFocusProxy(m_search);
}

CCatalogueView::~CCatalogueView() { m_doc.RemoveView(this); }

QMdiSubWindow* CCatalogueView::open(DocumentHost& doc, CWorkspace& frame)
{
    auto* view = new CCatalogueView(doc);
    QMdiSubWindow* window = frame.mdiArea()->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(view->windowTitle());
    // As wide as the buttons and the shown columns need.
    const int width = std::max(view->sizeHint().width(), view->m_columns.shownWidth() + 60) + 16;
    frame.placeNewToolWindow(window, QSize(width, frame.workArea().height() * 3 / 4));
    window->show();
    view->m_search->setFocus();
    return window;
}

void CCatalogueView::OnUpdate(CDocView*, unsigned hint, void*)
{
    // The names of the sky change only with the user objects.
    if (hint & 8) {
        const int kind = m_kind;
        m_kind = -1;
        setKind(kind);
    }
}

void CCatalogueView::setKind(int kind)
{
    if (kind == m_kind || kind < 0 || kind > 3)
        return;
    m_kind = kind;
    if (m_kindBox->currentIndex() != kind)
        m_kindBox->setCurrentIndex(kind);
    m_lines = catalogueLines(m_doc.sky().ciel(), static_cast<CatalogueKind>(kind));
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QStringList texts;
    texts.reserve(static_cast<int>(m_lines.size()));
    m_keys.clear();
    for (const CatalogueLine& line : m_lines) {
        texts << QString::fromStdString(line.text);
        m_keys.push_back(searchKey(QString::fromStdString(firstColumn(line.text))));
    }
    m_list->addItems(texts);
    m_list->setUpdatesEnabled(true);
    m_details = false;
    m_detailsButton->setText(kind <= 1 ? QStringLiteral("&noms latins >>") : QStringLiteral("&Coordonnées des étoiles >>"));
    m_detailsButton->show();
    updateColumns();
    fitWidth();
    search(m_search->text());
}

void CCatalogueView::updateColumns()
{
    m_columns = CatalogueColumns::forKind(m_kind, m_list->fontMetrics());
    if (m_details)
        m_columns.shown = static_cast<int>(m_columns.lefts.size());
    placeHeaders();
    m_list->viewport()->update();
}

void CCatalogueView::placeHeaders()
{
    for (QLabel* header : m_headers)
        header->hide();
    if (!m_details || m_kind < 2)
        return;
    // Over the number columns: "Mag" for the stars, then "Ascd" and "Decl".
    const int first = m_kind == 2 ? 0 : 1;
    const int offset = m_list->x() + m_list->frameWidth() - m_headers[0]->parentWidget()->x();
    for (int h = first, column = 1; h < 3; ++h, ++column) {
        const std::size_t c = static_cast<std::size_t>(column);
        const int right = c + 1 < m_columns.lefts.size() ? m_columns.lefts[c + 1] : m_columns.width;
        m_headers[h]->adjustSize();
        m_headers[h]->move(offset + right - 4 - m_headers[h]->width(), 0);
        m_headers[h]->show();
    }
}

void CCatalogueView::showDetails()
{
    m_details = true;
    updateColumns();
    m_detailsButton->hide();
    fitWidth();
    placeHeaders();
}

void CCatalogueView::fitWidth()
{
    // The form grows to the width of the shown columns and of its buttons.
    QWidget* frame = parentWidget() ? parentWidget() : this;
    // A new caption of the details button takes its width only once the
    // nested layouts are worked out again.
    layout()->activate();
    const int columns = m_columns.shownWidth() - m_list->viewport()->width() + m_list->verticalScrollBar()->sizeHint().width();
    const int buttons = sizeHint().width() - width();
    const int grow = std::max(columns, buttons);
    if (grow > 0)
        frame->resize(frame->width() + grow, frame->height());
}

void CCatalogueView::search(const QString& typed)
{
    if (m_copying)
        return;
    const std::string key = searchKey(typed);
    if (key.empty()) {
        m_show->setEnabled(false);
        m_list->clearSelection();
        m_list->setCurrentRow(-1, QItemSelectionModel::Clear);
        m_list->scrollToTop();
        return;
    }
    m_show->setEnabled(true);
    if (m_keys.empty())
        return;
    const int r = static_cast<int>(searchRow(key));
    if (m_list->currentRow() == r && m_list->item(r)->isSelected())
        return;
    m_copying = true;  // the typed text stays as it is
    m_list->setCurrentRow(r);
    m_copying = false;
    // The line before it at the top of the list.
    m_list->scrollToItem(m_list->item(std::max(0, r - 1)), QAbstractItemView::PositionAtTop);
}

std::size_t CCatalogueView::searchRow(const std::string& key) const
{
    // A Messier number finds its object, whatever name it is listed under.
    if (const int messier = messierQuery(key); messier > 0)
        for (std::size_t row = 0; row < m_lines.size(); ++row)
            if (m_lines[row].object && messierNumber(*m_lines[row].object) == messier)
                return row;
    // The first line that does not sort before the typed text, or the last.
    std::size_t row = 0;
    while (row + 1 < m_keys.size() && frenchLess(m_keys[row], key))
        ++row;
    return row;
}

void CCatalogueView::onSelectionChanged()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->item(row)->isSelected())
        return;
    m_show->setEnabled(true);
    if (m_copying)
        return;
    // The first column of the line goes into the search field, selected.
    const QString text = m_list->item(row)->text();
    m_copying = true;
    m_search->setText(text.left(text.indexOf(QLatin1Char('*'))));
    m_search->selectAll();
    m_copying = false;
}

void CCatalogueView::showSelected()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->item(row)->isSelected() || static_cast<std::size_t>(row) >= m_lines.size())
        return;
    const CatalogueLine& line = m_lines[static_cast<std::size_t>(row)];
    const CConstellation* constellation = line.constellation;
    double ra = 0.0;
    double dec = 0.0;
    if (constellation) {
        ra = constellation->centreAlpha() * kDegreesToRadians;
        dec = constellation->centreDelta() * kDegreesToRadians;
    } else if (line.object) {
        ra = line.object->GetAlpha();
        dec = line.object->GetDelta();
        constellation = m_doc.sky().ciel().findByAbbreviation(line.object->GetConstellation());
    }
    if (constellation)
        m_doc.showConstellationMap(*constellation, ra, dec);
}

bool CCatalogueView::eventFilter(QObject* watched, QEvent* event)
{
    // On focus the search field's text is selected, ready to be typed over.
    if (watched == m_search && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(m_search, &QLineEdit::selectAll, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

}  // namespace zarn
