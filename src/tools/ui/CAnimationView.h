// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planet-trajectory animation window: the Sun or a planet (optionally
// with the other planets and the Sun) moving across the stars, one main step
// a second, from a start date over some months.
#include <QTimer>
#include <QWidget>

#include "ui/CDocView.h"
#include "charts/AnimationRun.h"
#include "charts/CCarteAnimation.h"
#include "charts/EclipticSky.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QSpinBox;

namespace zarn {

class CAnimationPanel;
class CWorkspace;
class ScrolledForm;
class DocumentHost;
class StepSpinBox;

class CAnimationView : public QWidget, public CDocView {
    Q_OBJECT
public:
    enum class State { Empty, Ready, Running, Paused, Edge };

    explicit CAnimationView(DocumentHost& doc, QWidget* parent = nullptr);
    ~CAnimationView() override;

    static QMdiSubWindow* open(DocumentHost& doc, CWorkspace& frame);

    // CDocView
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Animation; }
    bool canPrint() const override { return m_state != State::Empty; }
    void printPreview() override;
    bool ephemeridesRequest(int* bodyIndex, CDateHeure* date) const override;

    State state() const { return m_state; }
    // The caption under the printed chart.
    std::string caption() const;
    // One main step now, as the pace timer does every second.
    void stepNow();
    // The pause between main steps (1000 ms; the tests shorten it).
    void setPace(int ms) { m_pace.setInterval(ms); }

    QComboBox* bodyList() const { return m_body; }
    QCheckBox* othersBox() const { return m_others; }
    QCheckBox* sunBox() const { return m_sun; }
    QLineEdit* startEdit() const { return m_start; }
    QSpinBox* monthsSpin() const { return m_months; }
    QSpinBox* stepSpin() const;
    int stepDays() const;
    QPushButton* runButton() const { return m_run; }
    QPushButton* closeButton() const { return m_close; }
    const AnimationRun& run() const { return m_animation; }
    CCarteAnimation& chart() { return m_chart; }
    CAnimationPanel& panel() { return *m_panel; }

private:
    void buildControls();
    void onBodyChosen();
    void prepare();
    void onRunClicked();
    void start();
    void stop(AnimationRun::Outcome outcome);
    void setChoicesEnabled(bool on);
    void showContextMenu(QPoint globalPos);
    std::uint32_t drawFlags(bool printing) const;
    int selectedBody() const;

    DocumentHost& m_doc;
    EclipticSky m_sky;
    CCarteAnimation m_chart;
    AnimationRun m_animation;
    State m_state = State::Empty;
    QTimer m_pace;
    QTimer m_durationTimer;
    ScrolledForm* m_form = nullptr;

    QComboBox* m_body = nullptr;
    QCheckBox* m_others = nullptr;
    QCheckBox* m_sun = nullptr;
    QLineEdit* m_start = nullptr;
    QSpinBox* m_months = nullptr;
    StepSpinBox* m_step = nullptr;
    QPushButton* m_run = nullptr;
    QPushButton* m_close = nullptr;
    CAnimationPanel* m_panel = nullptr;
};

}  // namespace zarn
