// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conjunction and opposition window: two bodies (or one outer planet),
// the next conjunction (or opposition) from the document's date, the instant
// of smallest separation, and the pair drawn on the ecliptic chart at that
// instant, with a zoom chart for close pairs.
#include <QWidget>
#include <memory>
#include <optional>

#include "ui/CDocView.h"
#include "charts/CCarteConjonction.h"
#include "charts/EclipticSky.h"
#include "tools/ConjunctionSearch.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QMdiSubWindow;
class QPushButton;

namespace zarn {

class CChartPanel;
class CWorkspace;
class ScrolledForm;
class DocumentHost;

class CConjonctionView : public QWidget, public CDocView {
    Q_OBJECT
public:
    enum Mode { ConjunctionMode = 0, OppositionMode = 1 };

    explicit CConjonctionView(DocumentHost& doc, QWidget* parent = nullptr);
    ~CConjonctionView() override;

    static QMdiSubWindow* open(DocumentHost& doc, CWorkspace& frame);

    // Shows the controls of the mode and clears the lists and results; the
    // search starts again from the document's date.
    void SetMode(int mode);
    int mode() const { return m_mode; }

    // CDocView
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Conjonction; }
    bool canPrint() const override { return m_result.has_value(); }
    void printPreview() override;
    bool ephemeridesRequest(int* bodyIndex, CDateHeure* date) const override;

    // For the tests and pictures: the controls and the charts.
    QComboBox* firstList() const { return m_first; }
    QComboBox* secondList() const { return m_second; }
    QComboBox* planetList() const { return m_planet; }
    QPushButton* showButton() const { return m_mode == 0 ? m_showConjunction : m_showOpposition; }
    QPushButton* nextButton() const { return m_mode == 0 ? m_nextConjunction : m_nextOpposition; }
    QPushButton* zoomButton() const { return m_zoomButton; }
    QString eventText() const;
    QString closestText() const;
    // The caption under the printed chart.
    std::string caption() const;
    const std::optional<ConjunctionResult>& result() const { return m_result; }
    CChartPanel& chartPanel() { return *m_chartPanel; }
    CChartPanel& zoomPanel() { return *m_zoomPanel; }
    // The context menu's entries, as it would show them now.
    QStringList contextMenuTexts() const;
    // Asks for the ephemerides of a body of the event (the context menu's entries).
    void requestEphemerides(int bodyIndex);

private:
    void buildControls();
    void onBodyChosen(QComboBox* chosen, QComboBox* other);
    void onPlanetChosen();
    void showConjunction(bool next);
    void showOpposition(bool next);
    void showResult();
    void showEmptyChart();
    void toggleZoom();
    void showContextMenu(QPoint globalPos);
    void resetSearchDate();
    void updateFrameTitle();
    std::uint32_t drawFlags(bool printing) const;
    void drawBodyNames(CSurface& dc, std::uint32_t flags);

    DocumentHost& m_doc;
    int m_mode = ConjunctionMode;
    EclipticSky m_sky;
    CCarteConjonction m_chart;
    CCarteConjonction m_zoomChart;
    SolarBodies m_searchBodies;
    ConjunctionSearch m_search;
    std::optional<ConjunctionResult> m_result;
    int m_ephemeridesBody = -1;
    bool m_zoomed = false;
    ScrolledForm* m_form = nullptr;

    QGroupBox* m_conjunctionGroup = nullptr;
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
    QLabel* m_and = nullptr;
    QGroupBox* m_eventGroup = nullptr;
    QLabel* m_eventText = nullptr;
    QGroupBox* m_closestGroup = nullptr;
    QLabel* m_closestText = nullptr;
    QPushButton* m_showConjunction = nullptr;
    QPushButton* m_nextConjunction = nullptr;
    QGroupBox* m_oppositionGroup = nullptr;
    QComboBox* m_planet = nullptr;
    QGroupBox* m_oppositionEventGroup = nullptr;
    QLabel* m_oppositionText = nullptr;
    QPushButton* m_showOpposition = nullptr;
    QPushButton* m_nextOpposition = nullptr;
    QPushButton* m_zoomButton = nullptr;
    QPushButton* m_close = nullptr;
    QGroupBox* m_zoomFrame = nullptr;
    CChartPanel* m_chartPanel = nullptr;
    CChartPanel* m_zoomPanel = nullptr;
};

}  // namespace zarn
