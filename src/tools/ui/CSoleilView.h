// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun and the Moon of the document's day: the rise and set of each, the
// Moon's lit fraction and picture, and two popups, the next four principal
// phases and the day's twilight. Recomputed whenever the date or the place
// changes.
#include "ui/CDocView.h"
#include "sky/SolarBodies.h"
#include "time/CInstant.h"
#include "tools/SunMoonDay.h"

#include <QWidget>

class QPushButton;

namespace zarn {

class CMoonPicture;
class CPhasesPopup;
class CTwilightPopup;

class CSoleilView : public QWidget, public CDocView {
    Q_OBJECT
public:
    // bodies: copied, so that the searches never move the document's bodies;
    // document: the document's instant.
    CSoleilView(const SolarBodies& bodies, const CInstant& document, QWidget* parent = nullptr);

    // CDocView: date or place → recompute; catalogue or animation opened →
    // the popups close.
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Soleil; }

    const SunMoonDay& day() const { return m_day; }
    // The line shown in each box: "↑  5.49" and "↓ 21.56" with the earlier
    // event first, or the text of a day without rise and set.
    QString sunLine() const;
    QString moonLine() const;
    QString phaseText() const { return QString::fromStdString(m_day.phaseText); }

    QPushButton* phasesButton() const { return m_phasesButton; }
    QPushButton* twilightButton() const { return m_twilightButton; }
    CPhasesPopup* phasesPopup() const { return m_phases; }
    CTwilightPopup* twilightPopup() const { return m_twilight; }
    CMoonPicture* moonPicture() const { return m_picture; }
    QRect sunBox() const { return m_sunBox; }
    QRect moonBox() const { return m_moonBox; }

    void showPhases();
    void showTwilight();
    void hidePopups();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct BoxTexts {
        QString single;  // a day without rise and set
        QString first, second;
    };
    BoxTexts sunTexts() const;
    BoxTexts moonTexts() const;
    void computeDay();
    void computePhases();
    void computeTwilight();
    void layoutChildren();
    void fitTextFont();
    int timesOffset() const;
    void drawBox(QPainter& painter, const QRect& box, const QString& title, const BoxTexts& texts) const;

    SolarBodies m_bodies;
    const CInstant& m_document;
    SunMoonDay m_day;
    QFont m_textFont;

    QRect m_sunBox;
    QRect m_moonBox;
    QRect m_phaseArea;
    QPushButton* m_phasesButton = nullptr;
    QPushButton* m_twilightButton = nullptr;
    CMoonPicture* m_picture = nullptr;
    CPhasesPopup* m_phases = nullptr;
    CTwilightPopup* m_twilight = nullptr;
};

}  // namespace zarn
