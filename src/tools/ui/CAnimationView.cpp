// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CAnimationView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DocumentHost.h"
#include "settings/DisplayOptions.h"
#include "time/CInstant.h"
#include "charts/CAnimationPanel.h"
#include "ui/CWorkspace.h"
#include "ui/BodyCommands.h"
#include "ui/CommandIds.h"
#include "ui/PlanetPictures.h"
#include "sky/SkyModel.h"
#include "time/Calendar.h"
#include "tools/AnimationPlan.h"
#include "tools/ui/StepSpinBox.h"
#include "tools/ui/ScrolledForm.h"
#include "tools/ui/ToolChart.h"

namespace zarn {

namespace {

constexpr int kAnimationFigures = 4;
constexpr int kPaceMs = 1000;
constexpr int kDurationPauseMs = 800;
const QSize kDesign(760, 470);

const QString kLaunch = QStringLiteral("&Lancer l'animation");
const QString kStop = QStringLiteral("Arrêter l'animation");
const QString kContinue = QStringLiteral("&Continuer l'animation");

}  // namespace

CAnimationView::CAnimationView(DocumentHost& doc, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_sky(doc.sky(), doc.instant()),
      m_chart(m_sky),
      m_animation(m_sky, m_chart)
{
    setWindowTitle(QStringLiteral("Animation"));
    buildControls();
    m_sky.caption = [this] { return caption(); };
    m_sky.ownDrawing = [this](CSurface& dc, std::uint32_t) {
        drawDateLabel(dc, m_chart, m_animation.DateLabel(), m_animation.Body() == kSun ? 12 : 8);
    };
    m_panel->colours = [this] { return programColours(m_doc.workspace()); };
    m_panel->flags = [this](bool printing) { return drawFlags(printing); };
    m_panel->printLabel = &m_sky.PrintLabel();
    connect(m_panel, &CChartPanel::contextMenuRequested, this, &CAnimationView::showContextMenu);
    m_pace.setInterval(kPaceMs);
    connect(&m_pace, &QTimer::timeout, this, &CAnimationView::stepNow);
    m_durationTimer.setInterval(kDurationPauseMs);
    m_durationTimer.setSingleShot(true);
    connect(&m_durationTimer, &QTimer::timeout, this, &CAnimationView::prepare);
    m_doc.AddView(this);
}

CAnimationView::~CAnimationView() { m_doc.RemoveView(this); }

QMdiSubWindow* CAnimationView::open(DocumentHost& doc, CWorkspace& frame)
{
    return openToolFrame(frame, new CAnimationView(doc), kDesign + QSize(12, 34));
}

void CAnimationView::buildControls()
{
    m_form = new ScrolledForm(kDesign, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    QWidget* page = m_form->page();
    auto label = [this, page](const char* text, QRect at) {
        auto* l = new QLabel(QString::fromUtf8(text), page);
        m_form->place(l, at);
        return l;
    };
    QLabel* bodyLabel = label("&Astre", {8, 10, 40, 20});
    m_body = new QComboBox(page);
    for (int index = kSun; index <= kSaturn; ++index)
        m_body->addItem(bodyListText(index));
    m_body->setCurrentIndex(-1);
    m_form->place(m_body, {50, 8, 110, 24});
    bodyLabel->setBuddy(m_body);
    m_others = new QCheckBox(QStringLiteral("&Inclure les autres planètes"), page);
    m_form->place(m_others, {170, 2, 210, 20});
    m_sun = new QCheckBox(QStringLiteral("Inclure le &Soleil"), page);
    m_form->place(m_sun, {170, 22, 210, 20});
    label("à partir du", {390, 10, 70, 20});
    m_start = new QLineEdit(QString::fromStdString(m_doc.instant().shortDateText()), page);
    m_form->place(m_start, {462, 8, 96, 24});
    label("pendant", {566, 10, 56, 20});
    m_months = new QSpinBox(page);
    m_form->place(m_months, {622, 8, 56, 24});
    label("mois", {684, 10, 40, 20});
    label("Pas", {390, 50, 40, 20});
    m_step = new StepSpinBox(page);
    m_form->place(m_step, {462, 46, 56, 24});
    label("jours", {524, 50, 40, 20});
    m_run = new QPushButton(kLaunch, page);
    m_form->place(m_run, {8, 46, 180, 26});
    m_close = new QPushButton(QStringLiteral("&Fermer"), page);
    m_form->place(m_close, {196, 46, 100, 26});
    m_panel = new CAnimationPanel(m_chart, page);
    m_form->place(m_panel, {8, 80, 744, 382}, true);

    for (QWidget* w : std::initializer_list<QWidget*>{m_others, m_sun, m_months, m_step, m_run})
        w->setEnabled(false);

    connect(m_body, &QComboBox::currentIndexChanged, this, &CAnimationView::onBodyChosen);
    connect(m_start, &QLineEdit::textChanged, this, [this] {
        if (selectedBody() >= 0 && m_state != State::Running && parseDate(m_start->text().toStdString()).valid)
            onBodyChosen();
    });
    connect(m_months, &QSpinBox::valueChanged, this, [this] {
        if (selectedBody() >= 0 && m_state != State::Running)
            m_durationTimer.start();
    });
    connect(m_step, &QSpinBox::valueChanged, this, [this] {
        if (selectedBody() >= 0 && m_state != State::Running)
            prepare();
    });
    for (QCheckBox* box : {m_others, m_sun})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (m_state != State::Running)
                prepare();
        });
    connect(m_run, &QPushButton::clicked, this, &CAnimationView::onRunClicked);
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (QWidget* frame = parentWidget())
            frame->close();
    });
    m_form->refit();
}

int CAnimationView::selectedBody() const { return m_body->currentIndex(); }

QSpinBox* CAnimationView::stepSpin() const { return m_step; }

int CAnimationView::stepDays() const { return m_step->days(); }

void CAnimationView::onBodyChosen()
{
    const int body = selectedBody();
    if (body < 0 || m_state == State::Running)
        return;
    {
        const QSignalBlocker blockMonths(m_months);
        const QSignalBlocker blockStep(m_step);
        const QSignalBlocker blockSun(m_sun);
        m_months->setRange(1, animation::maximumMonths(body));
        m_months->setValue(animation::defaultMonths(body));
        m_durationTimer.stop();
        m_months->setEnabled(true);
        m_step->setDays(animation::defaultStep(m_months->value()));
        m_step->setEnabled(true);
        m_others->setEnabled(true);
        m_sun->setEnabled(body != kSun);
        if (body == kSun)
            m_sun->setChecked(true);
    }
    if (QWidget* frame = parentWidget()) {
        frame->setWindowIcon(QIcon(bodyPicture(body, devicePixelRatioF())));
        frame->setWindowTitle(bodyName(body) + QStringLiteral(" Animation "));
    }
    prepare();
}

void CAnimationView::prepare()
{
    m_durationTimer.stop();
    const int body = selectedBody();
    const ParsedDate date = parseDate(m_start->text().toStdString());
    if (body < 0 || !date.valid)
        return;
    const CInstant start(date.day, date.month, date.year, 0, 0, 0, m_doc.instant().place());
    m_chart.SetScreenRect(m_panel->ChartRect());
    m_animation.Prepare(body, m_others->isChecked(), m_sun->isChecked(), start, m_months->value(), stepDays());
    m_panel->SetDateLabel({}, 8);
    m_panel->InvalidateBackground();
    m_panel->update();
    m_state = State::Ready;
    m_run->setText(kLaunch);
    m_run->setEnabled(true);
}

void CAnimationView::onRunClicked()
{
    switch (m_state) {
    case State::Running: stop(AnimationRun::Outcome::Going); break;
    case State::Ready: m_animation.Restart(); start(); break;
    case State::Paused: start(); break;
    default: break;
    }
}

void CAnimationView::setChoicesEnabled(bool on)
{
    // While the bodies move, only the button that stops them is offered.
    for (QWidget* w : std::initializer_list<QWidget*>{m_close, m_months, m_body, m_others, m_start, m_step})
        w->setEnabled(on);
    m_sun->setEnabled(on && selectedBody() != kSun);
    m_panel->SetHoverEnabled(on);
}

void CAnimationView::start()
{
    m_state = State::Running;
    m_run->setText(kStop);
    setChoicesEnabled(false);
    stepNow();
    if (m_state == State::Running)
        m_pace.start();
}

void CAnimationView::stepNow()
{
    if (m_state != State::Running)
        return;
    const AnimationRun::Outcome outcome = m_animation.MainCycle();
    m_panel->SetDateLabel(m_animation.DateLabel(), m_animation.Body() == kSun ? 12 : 8);
    m_panel->update();
    if (outcome != AnimationRun::Outcome::Going)
        stop(outcome);
}

void CAnimationView::stop(AnimationRun::Outcome outcome)
{
    m_pace.stop();
    m_state = outcome == AnimationRun::Outcome::Edge ? State::Edge : State::Paused;
    m_run->setText(kContinue);
    setChoicesEnabled(true);
    if (m_state == State::Edge)
        m_run->setEnabled(false);
    else
        m_run->setFocus();
}

std::uint32_t CAnimationView::drawFlags(bool printing) const
{
    return eclipticChartFlags(m_doc.options(), kAnimationFigures, printing);
}

std::string CAnimationView::caption() const
{
    const int body = m_animation.Body();
    if (body < 0)
        return {};
    std::string text = std::string(bodyInfo(body).name) + " ";
    if (m_animation.BodiesShown() == 6)
        text += "+ autres planètes ";
    const std::string from = m_animation.Start().shortDateText();
    const std::string to = m_animation.End().shortDateText();
    return from == to ? text + "le " + from : text + "du " + from + " au " + to;
}

void CAnimationView::showContextMenu(QPoint globalPos)
{
    const int body = m_animation.Body();
    if (body < 0 || m_state == State::Running)
        return;
    QMenu menu(this);
    QAction* figures = menu.addAction(QStringLiteral("&Figure constellations"));
    figures->setCheckable(true);
    figures->setChecked(m_doc.options().figureFlags[kAnimationFigures] != 0);
    connect(figures, &QAction::triggered, this, [this] { m_doc.onCommand(cmd::Figures); });
    QAction* ephemerides = menu.addAction(QString::fromUtf8("Éphémérides ") + bodyName(body));
    connect(ephemerides, &QAction::triggered, this, [this] { m_doc.onCommand(cmd::SolarSystem); });
    QAction* print = menu.addAction(QStringLiteral("&Imprimer"));
    connect(print, &QAction::triggered, this, &CAnimationView::printPreview);
    menu.exec(globalPos);
}

bool CAnimationView::ephemeridesRequest(int* bodyIndex, CDateHeure* date) const
{
    if (m_animation.Body() < 0)
        return false;
    if (bodyIndex)
        *bodyIndex = m_animation.Body();
    // The whole period from its first day, whatever date the run has reached.
    if (date) {
        const CInstant& start = m_animation.Start();
        *date = CDateHeure(start.day(), start.month(), start.year(), 0, 0, 0);
    }
    return true;
}

void CAnimationView::printPreview()
{
    if (m_state != State::Empty)
        m_panel->PrintPreview();
}

void CAnimationView::OnUpdate(CDocView*, unsigned hint, void* object)
{
    if ((hint & 0x100) && object != static_cast<CDocView*>(this))
        return;
    if (hint & (0x100 | 0x8 | 0x200)) {
        m_chart.ClearPlacements();
        m_panel->InvalidateBackground();
    }
    m_panel->update();
}

}  // namespace zarn
