// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CConjonctionView.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DocumentHost.h"
#include "settings/DisplayOptions.h"
#include "time/CInstant.h"
#include "charts/CChartPanel.h"
#include "ui/CWorkspace.h"
#include "ui/BodyCommands.h"
#include "ui/CommandIds.h"
#include "ui/PlanetPictures.h"
#include "sky/DrawFlags.h"
#include "sky/SkyModel.h"
#include "tools/ui/ScrolledForm.h"
#include "tools/ui/ToolChart.h"

namespace zarn {

namespace {

// Chart units per radian of the main chart: some 75° across a chart 400
// pixels wide, enough for the Moon and a planet a few days apart.
constexpr double kInitialScale = 300.0;
constexpr int kConjunctionFigures = 5;
const QSize kDesign(780, 420);

// Every body but the Sun meets another; only the outer planets are opposite it.
constexpr int kConjunctionBodies[] = {kMercury, kVenus, kMars, kJupiter, kSaturn, kMoon};
constexpr int kOuterPlanets[] = {kMars, kJupiter, kSaturn};

int selectedBody(const QComboBox* list) { return list->currentIndex() < 0 ? -1 : list->currentData().toInt(); }

// Fills the list with the bodies but one, keeping its selection.
void fillList(QComboBox* list, int excluded)
{
    const int selected = selectedBody(list);
    const QSignalBlocker block(list);
    list->clear();
    for (const int index : kConjunctionBodies)
        if (index != excluded)
            list->addItem(bodyListText(index), index);
    list->setCurrentIndex(list->findData(selected));
}

}  // namespace

CConjonctionView::CConjonctionView(DocumentHost& doc, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_sky(doc.sky(), doc.instant()),
      m_chart(m_sky, kInitialScale),
      m_zoomChart(m_sky, kInitialScale),
      m_searchBodies(doc.bodies()),
      m_search(m_searchBodies, doc.instant(), &doc.sky())
{
    setWindowTitle(QStringLiteral(" Conjonction "));
    buildControls();
    m_sky.caption = [this] { return caption(); };
    m_sky.ownDrawing = [this](CSurface& dc, std::uint32_t flags) { drawBodyNames(dc, flags); };
    for (CChartPanel* panel : {m_chartPanel, m_zoomPanel}) {
        panel->colours = [this] { return programColours(m_doc.workspace()); };
        panel->flags = [this](bool printing) { return drawFlags(printing); };
        panel->printLabel = &m_sky.PrintLabel();
        connect(panel, &CChartPanel::contextMenuRequested, this, &CConjonctionView::showContextMenu);
    }
    m_doc.AddView(this);
    SetMode(ConjunctionMode);
}

CConjonctionView::~CConjonctionView() { m_doc.RemoveView(this); }

QMdiSubWindow* CConjonctionView::open(DocumentHost& doc, CWorkspace& frame)
{
    return openToolFrame(frame, new CConjonctionView(doc), kDesign + QSize(12, 34));
}

void CConjonctionView::buildControls()
{
    m_form = new ScrolledForm(kDesign, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    QWidget* page = m_form->page();
    auto button = [this, page](const char* text, QRect at) {
        auto* b = new QPushButton(QString::fromUtf8(text), page);
        m_form->place(b, at);
        return b;
    };
    auto group = [this, page](const char* text, QRect at) {
        auto* g = new QGroupBox(QString::fromUtf8(text), page);
        m_form->place(g, at);
        return g;
    };
    auto result = [this, page](QRect at) {
        auto* label = new QLabel(page);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_form->place(label, at);
        return label;
    };
    // The groups first, so that their contents lie above them.
    m_conjunctionGroup = group(" &Conjonction entre .. ", {8, 4, 308, 62});
    m_eventGroup = group(" Conjonction le ..", {8, 72, 308, 50});
    m_closestGroup = group(" Plus petit écart le ..", {8, 128, 308, 50});
    m_oppositionGroup = group(" &Opposition de .. ", {8, 4, 308, 62});
    m_oppositionEventGroup = group(" Opposition le .. ", {8, 72, 308, 50});
    m_zoomFrame = group("Zoom", {8, 250, 308, 128});

    // The lists inside their groups: a group's mnemonic reaches its first list.
    m_first = new QComboBox(m_conjunctionGroup);
    m_second = new QComboBox(m_conjunctionGroup);
    m_planet = new QComboBox(m_oppositionGroup);
    m_form->place(m_first, {8, 26, 130, 24});
    m_and = new QLabel(QStringLiteral("et"), m_conjunctionGroup);
    m_form->place(m_and, {146, 29, 20, 20});
    m_form->place(m_second, {170, 26, 130, 24});
    m_form->place(m_planet, {8, 26, 130, 24});
    for (const int index : kOuterPlanets)
        m_planet->addItem(bodyListText(index), index);
    m_eventText = result({14, 94, 300, 22});
    m_closestText = result({14, 150, 300, 22});
    m_oppositionText = result({14, 94, 300, 22});

    m_showConjunction = button("&Afficher la conjonction", {8, 186, 180, 26});
    m_nextConjunction = button("Conjonction &suivante", {8, 216, 180, 26});
    m_showOpposition = button("&Afficher l'opposition", {8, 186, 180, 26});
    m_nextOpposition = button("Opposition &suivante", {8, 216, 180, 26});
    m_zoomButton = button("<  &Zoom  >", {214, 186, 102, 26});
    m_close = button("&Fermer", {8, 386, 100, 26});

    m_chartPanel = new CChartPanel(m_chart, page);
    m_form->place(m_chartPanel, {324, 8, 448, 404}, true);
    m_zoomPanel = new CChartPanel(m_zoomChart, page);
    m_form->place(m_zoomPanel, {14, 270, 296, 102}, true);

    connect(m_first, &QComboBox::currentIndexChanged, this, [this] { onBodyChosen(m_first, m_second); });
    connect(m_second, &QComboBox::currentIndexChanged, this, [this] { onBodyChosen(m_second, m_first); });
    connect(m_planet, &QComboBox::currentIndexChanged, this, &CConjonctionView::onPlanetChosen);
    connect(m_showConjunction, &QPushButton::clicked, this, [this] { showConjunction(false); });
    connect(m_nextConjunction, &QPushButton::clicked, this, [this] { showConjunction(true); });
    connect(m_showOpposition, &QPushButton::clicked, this, [this] { showOpposition(false); });
    connect(m_nextOpposition, &QPushButton::clicked, this, [this] { showOpposition(true); });
    connect(m_zoomButton, &QPushButton::clicked, this, &CConjonctionView::toggleZoom);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (QWidget* frame = parentWidget())
            frame->close();
    });
    m_form->refit();
}

void CConjonctionView::SetMode(int mode)
{
    m_mode = mode == OppositionMode ? OppositionMode : ConjunctionMode;
    const bool conjunction = m_mode == ConjunctionMode;
    for (QWidget* w : std::initializer_list<QWidget*>{m_conjunctionGroup, m_first, m_and, m_second, m_eventGroup,
                                                      m_eventText, m_closestGroup, m_closestText, m_showConjunction,
                                                      m_nextConjunction}) {
        w->setVisible(conjunction);
        w->setEnabled(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_oppositionGroup, m_planet, m_oppositionEventGroup,
                                                      m_oppositionText, m_showOpposition, m_nextOpposition})
        w->setVisible(!conjunction);
    m_zoomButton->hide();
    m_zoomButton->setEnabled(false);
    m_zoomPanel->hide();
    m_zoomed = false;
    m_result.reset();
    fillList(m_first, -1);
    fillList(m_second, -1);
    for (QComboBox* list : {m_first, m_second, m_planet}) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(-1);
    }
    m_eventText->clear();
    m_closestText->clear();
    m_oppositionText->setText(QStringLiteral("opposition"));
    for (QPushButton* b : {m_showConjunction, m_nextConjunction, m_showOpposition, m_nextOpposition})
        b->setEnabled(false);
    resetSearchDate();
    updateFrameTitle();
    showEmptyChart();
}

void CConjonctionView::updateFrameTitle()
{
    QWidget* frame = parentWidget();
    const QString title = m_mode == ConjunctionMode ? QStringLiteral(" Conjonction ") : QStringLiteral(" Opposition ");
    setWindowTitle(title);
    if (frame)
        frame->setWindowTitle(title);
}

void CConjonctionView::resetSearchDate() { m_search.SetDate(m_doc.instant()); }

void CConjonctionView::onBodyChosen(QComboBox* chosen, QComboBox* other)
{
    fillList(other, selectedBody(chosen));
    if (selectedBody(m_first) < 0 || selectedBody(m_second) < 0)
        return;
    m_showConjunction->setEnabled(true);
    m_showConjunction->setFocus();
    m_nextConjunction->setEnabled(false);
    resetSearchDate();
}

void CConjonctionView::onPlanetChosen()
{
    m_showOpposition->setEnabled(true);
    m_showOpposition->setFocus();
    m_nextOpposition->setEnabled(false);
    resetSearchDate();
    // The frame shows the planet chosen.
    if (QWidget* frame = parentWidget()) {
        frame->setWindowIcon(QIcon(bodyPicture(selectedBody(m_planet), devicePixelRatioF())));
    }
}

void CConjonctionView::showConjunction(bool next)
{
    const int a = selectedBody(m_first);
    const int b = selectedBody(m_second);
    if (a < 0 || b < 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (next && m_result)
        m_result = m_search.NextConjunction(*m_result);
    else
        m_result = m_search.Conjunction(a, b);
    QApplication::restoreOverrideCursor();
    if (!m_result) {
        m_eventText->setText(QStringLiteral("Aucune conjonction trouvée avant 2100"));
        m_closestText->clear();
        m_nextConjunction->setEnabled(false);  // nothing left to follow
        showEmptyChart();
        return;
    }
    m_eventText->setText(QString::fromStdString(m_result->eventText));
    m_closestText->setText(QString::fromStdString(m_result->closestText));
    showResult();
    m_showConjunction->setEnabled(false);
    m_nextConjunction->setEnabled(true);
    m_nextConjunction->setFocus();
}

void CConjonctionView::showOpposition(bool next)
{
    const int planet = selectedBody(m_planet);
    if (planet < 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (next && m_result)
        m_result = m_search.NextOpposition(*m_result);
    else
        m_result = m_search.Opposition(planet);
    QApplication::restoreOverrideCursor();
    if (!m_result) {
        m_oppositionText->setText(QStringLiteral("Aucune opposition trouvée avant 2100"));
        m_nextOpposition->setEnabled(false);
        showEmptyChart();
        return;
    }
    m_oppositionText->setText(QString::fromStdString(m_result->eventText));
    showResult();
    m_showOpposition->setEnabled(false);
    m_nextOpposition->setEnabled(true);
    m_nextOpposition->setFocus();
}

void CConjonctionView::showEmptyChart()
{
    // No event: the sky around the ecliptic at the document's date, as before a search.
    m_sky.SetInstant(m_doc.instant());
    m_chart.SetReference(nullptr);
    m_chart.ClearPlacements();
    m_zoomChart.SetReference(nullptr);
    m_zoomed = false;
    m_zoomPanel->hide();
    m_zoomButton->hide();
    m_zoomButton->setEnabled(false);
    m_chartPanel->HideLabel();
    m_chartPanel->update();
    m_form->refit();
}

void CConjonctionView::showResult()
{
    // Both charts at the event, centred on the first planet (the opposed
    // planet for an opposition).
    m_sky.SetInstant(m_result->found.event);
    const int centre = m_mode == ConjunctionMode ? m_result->firstBody : m_result->secondBody;
    CPlaSol* reference = &m_sky.Bodies().body(centre);
    m_chart.SetReference(reference);
    m_chart.ClearPlacements();
    m_zoomChart.SetReference(reference);
    m_zoomChart.ClearPlacements();
    m_zoomed = false;
    m_zoomPanel->hide();
    m_zoomButton->setText(QStringLiteral("<  &Zoom  >"));
    const bool zoom = m_mode == ConjunctionMode && m_result->zoomAvailable;
    if (zoom)
        m_zoomChart.Zoom(m_result->zoomScale);
    m_zoomButton->setVisible(zoom);
    m_zoomButton->setEnabled(zoom);
    m_ephemeridesBody = m_result->secondBody;
    m_chartPanel->HideLabel();
    m_chartPanel->update();
    m_form->refit();
}

void CConjonctionView::toggleZoom()
{
    m_zoomed = !m_zoomed;
    m_zoomButton->setText(m_zoomed ? QStringLiteral(">  &Zoom  <") : QStringLiteral("<  &Zoom  >"));
    m_zoomPanel->setVisible(m_zoomed);
}

QString CConjonctionView::eventText() const
{
    return m_mode == ConjunctionMode ? m_eventText->text() : m_oppositionText->text();
}

QString CConjonctionView::closestText() const { return m_closestText->text(); }

std::uint32_t CConjonctionView::drawFlags(bool printing) const
{
    // Before a search there is nothing to show but the sky around the ecliptic.
    return eclipticChartFlags(m_doc.options(), kConjunctionFigures, printing);
}

std::string CConjonctionView::caption() const
{
    if (!m_result)
        return {};
    const SolarBodies& bodies = m_searchBodies;
    std::string text = m_mode == ConjunctionMode
                           ? "Conjonction " + bodies.body(m_result->firstBody).GetName() + "-" +
                                 bodies.body(m_result->secondBody).GetName()
                           : "Opposition de " + bodies.body(m_result->secondBody).GetName();
    // The date field of the event: its text up to the separation or constellation.
    std::string date = m_result->eventText;
    if (const std::size_t blanks = date.find("    "); blanks != std::string::npos)
        date.erase(blanks);
    while (!date.empty() && date.front() == ' ')
        date.erase(date.begin());
    return text + "  le " + date;
}

void CConjonctionView::drawBodyNames(CSurface& dc, std::uint32_t flags)
{
    // On paper the two bodies of the event are named beside them.
    if (!m_result || !dc.IsPrinter())
        return;
    CVueNoms& labels = m_sky.PrintLabel();
    for (const int index : {m_result->firstBody, m_result->secondBody}) {
        if (index == kSun)
            continue;
        CPlaSol& body = m_sky.Bodies().body(index);
        if (const auto found = m_chart.PrintIndex().find(&body); found != m_chart.PrintIndex().end())
            body.DrawLabel(dc, found->second.x, found->second.y, labels, flags | draw::kPlanets | draw::kMoon);
    }
}

QStringList CConjonctionView::contextMenuTexts() const
{
    QStringList texts{QStringLiteral("&Figure constellations")};
    if (m_result && m_mode == ConjunctionMode)
        texts << QString::fromStdString("Éphémérides " + m_searchBodies.body(m_result->firstBody).GetName());
    if (m_result)
        texts << QString::fromStdString("Éphémérides " + m_searchBodies.body(m_result->secondBody).GetName());
    texts << QStringLiteral("&Imprimer");
    return texts;
}

void CConjonctionView::showContextMenu(QPoint globalPos)
{
    if (!m_result)
        return;
    QMenu menu(this);
    const QStringList texts = contextMenuTexts();
    QAction* figures = menu.addAction(texts.front());
    figures->setCheckable(true);
    figures->setChecked(m_doc.options().figureFlags[kConjunctionFigures] != 0);
    connect(figures, &QAction::triggered, this, [this] { m_doc.onCommand(cmd::Figures); });
    std::vector<int> bodies;
    if (m_mode == ConjunctionMode)
        bodies.push_back(m_result->firstBody);
    bodies.push_back(m_result->secondBody);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        QAction* entry = menu.addAction(texts[static_cast<int>(i) + 1]);
        connect(entry, &QAction::triggered, this, [this, body = bodies[i]] { requestEphemerides(body); });
    }
    QAction* print = menu.addAction(texts.back());
    connect(print, &QAction::triggered, this, &CConjonctionView::printPreview);
    menu.exec(globalPos);
}

void CConjonctionView::requestEphemerides(int bodyIndex)
{
    m_ephemeridesBody = bodyIndex;
    m_doc.onCommand(cmd::SolarSystem);
}

bool CConjonctionView::ephemeridesRequest(int* bodyIndex, CDateHeure* date) const
{
    if (!m_result || m_ephemeridesBody < 0)
        return false;
    if (bodyIndex)
        *bodyIndex = m_ephemeridesBody;
    if (date)
        *date = m_result->found.event;
    return true;
}

void CConjonctionView::printPreview()
{
    if (m_result)
        m_chartPanel->PrintPreview();
}

void CConjonctionView::OnUpdate(CDocView* sender, unsigned hint, void* object)
{
    (void)sender;
    // The figures of this chart, or the options and colours of every chart.
    if ((hint & 0x100) && object != static_cast<CDocView*>(this))
        return;
    if (hint & (0x100 | 0x8 | 0x200)) {
        m_chart.ClearPlacements();
        m_zoomChart.ClearPlacements();
    }
    m_chartPanel->update();
    m_zoomPanel->update();
}

}  // namespace zarn
