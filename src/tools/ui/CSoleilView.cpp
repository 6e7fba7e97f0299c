// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CSoleilView.h"

#include "charts/QtColour.h"

#include "ui/Hints.h"
#include "ui/NightMode.h"
#include "tools/MoonPhases.h"
#include "tools/Twilight.h"
#include "tools/ui/CMoonPicture.h"
#include "tools/ui/CPhasesPopup.h"
#include "tools/ui/CTwilightPopup.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace zarn {

namespace {
// The arrows that mark a rise and a set, each followed by two blanks.
const QString kRise = QStringLiteral("\u2191  ");
const QString kSet = QStringLiteral("\u2193  ");

QPushButton* flatButton(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setStatusTip(tip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}
}  // namespace

CSoleilView::CSoleilView(const SolarBodies& bodies, const CInstant& document, QWidget* parent)
    : QWidget(parent), m_bodies(bodies), m_document(document)
{
    setStatusTip(QStringLiteral(" Lever et coucher du Soleil et de la Lune"));
    CAlmanacPopup::fillWithBackground(*this);
    m_textFont = font();
    m_textFont.setPointSizeF(8.0);
    m_picture = new CMoonPicture(this);
    m_phasesButton = flatButton(QStringLiteral("Phases"), QStringLiteral(" Les quatre prochaines phases de la Lune"), this);
    m_twilightButton =
        flatButton(QStringLiteral("Crépuscules"), QStringLiteral(" Crépuscules civil, nautique et astronomique"), this);
    for (QPushButton* b : {m_phasesButton, m_twilightButton})
        b->setFont(m_textFont);
    m_phases = new CPhasesPopup(this);
    m_twilight = new CTwilightPopup(this);
    m_phases->setFont(m_textFont);
    m_twilight->setFont(m_textFont);
    connect(m_phasesButton, &QPushButton::clicked, this, &CSoleilView::showPhases);
    connect(m_twilightButton, &QPushButton::clicked, this, &CSoleilView::showTwilight);
    connect(m_phases, &CAlmanacPopup::hidden, this, [this] { m_phasesButton->setEnabled(true); });
    connect(m_twilight, &CAlmanacPopup::hidden, this, [this] { m_twilightButton->setEnabled(true); });
    computeDay();
}

void CSoleilView::OnUpdate(CDocView*, unsigned hint, void*)
{
    if (hint & (hint::Catalogue | hint::Animation))
        hidePopups();
    if (!(hint & (hint::Date | hint::Place)))
        return;
    computeDay();
    if (m_phases->isVisible())
        computePhases();
    if (m_twilight->isVisible())
        computeTwilight();
    repaint();
}

void CSoleilView::computeDay()
{
    m_day = computeSunMoonDay(m_bodies.sun, m_bodies.moon, m_document);
    CLune& moon = m_bodies.moon;
    moon.Compute(m_document);
    // The Moon waxes while it is east of the Sun (negative phase angle).
    m_picture->setPhase(moon.GetTerminator(), moon.GetIlluminatedFraction(), moon.GetPhaseAngle() < 0.0);
    update();
}

void CSoleilView::computePhases() { m_phases->setPhases(nextPhases(m_bodies.moon, m_document)); }

void CSoleilView::computeTwilight()
{
    m_twilight->setRecord(zarn::computeTwilight(m_bodies.sun, m_document));
    m_twilight->resize(CTwilightPopup::sizeFor(size(), m_twilight->shownRows()));
}

void CSoleilView::showPhases()
{
    computePhases();
    m_phases->showAt(mapToGlobal(m_moonBox.topRight()) - QPoint(5, 5), CPhasesPopup::sizeFor(width()));
    m_phasesButton->setEnabled(false);
}

void CSoleilView::showTwilight()
{
    computeTwilight();
    m_twilight->showAt(mapToGlobal(m_sunBox.topRight()) - QPoint(5, 5),
                       CTwilightPopup::sizeFor(size(), m_twilight->shownRows()));
    m_twilightButton->setEnabled(false);
}

void CSoleilView::hidePopups()
{
    m_phases->hide();
    m_twilight->hide();
}

CSoleilView::BoxTexts CSoleilView::sunTexts() const
{
    if (!m_day.sunText.empty())
        return {QString::fromStdString(m_day.sunText), {}, {}};
    return {{}, kRise + QString::fromStdString(m_day.sunRiseText), kSet + QString::fromStdString(m_day.sunSetText)};
}

CSoleilView::BoxTexts CSoleilView::moonTexts() const
{
    if (!m_day.moonText.empty())
        return {QString::fromStdString(m_day.moonText), {}, {}};
    // When the Moon sets before it rises, the set comes first with its arrow.
    const QString& first = m_day.moonSetFirst ? kSet : kRise;
    const QString& second = m_day.moonSetFirst ? kRise : kSet;
    return {{}, first + QString::fromStdString(m_day.moonRiseText), second + QString::fromStdString(m_day.moonSetText)};
}

QString CSoleilView::sunLine() const
{
    const BoxTexts t = sunTexts();
    return t.single.isEmpty() ? t.first + QStringLiteral("   ") + t.second : t.single;
}

QString CSoleilView::moonLine() const
{
    const BoxTexts t = moonTexts();
    return t.single.isEmpty() ? t.first + QStringLiteral("   ") + t.second : t.single;
}

void CSoleilView::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the popups for those who do not click.
    if (event->key() == Qt::Key_Escape && (m_phases->isVisible() || m_twilight->isVisible())) {
        hidePopups();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CSoleilView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
    hidePopups();
}

void CSoleilView::fitTextFont()
{
    // 8 points, smaller in a narrow window: the set time fits in the last
    // third of a box, and the phase text beside the Moon's picture.
    QFont font = m_textFont;
    for (double points = 8.0; points >= 5.0; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetrics fm(font);
        if (fm.horizontalAdvance(kSet + QStringLiteral("00.00")) <= m_sunBox.width() * 7 / 20 - 2 &&
            fm.horizontalAdvance(QStringLiteral("décroissante")) <= m_moonBox.width() / 2 - 12 &&
            fm.height() * 2 <= m_sunBox.height() * 2 / 5 + fm.descent())
            break;
    }
    if (font == m_textFont)
        return;
    m_textFont = font;
    for (QWidget* w : std::initializer_list<QWidget*>{m_phasesButton, m_twilightButton, m_phases, m_twilight})
        w->setFont(font);
}

void CSoleilView::layoutChildren()
{
    const int w = width();
    const int h = height();
    const int m = w / 10;
    m_sunBox = QRect(QPoint(m, 3 * h / 80), QPoint(w - m, 113 * h / 320));
    m_moonBox = QRect(QPoint(m, 123 * h / 320), QPoint(w - m, 310 * h / 320));
    fitTextFont();

    // The twilight button in the lower part of the Sun's box.
    const QSize button = m_twilightButton->sizeHint();
    const int bw = std::min(button.width(), m_sunBox.width() - 8);
    const int by = std::min(m_sunBox.top() + m_sunBox.height() * 11 / 20, m_sunBox.bottom() - button.height() - 3);
    m_twilightButton->setGeometry(m_sunBox.center().x() - bw / 2, by, bw, button.height());

    // Below the Moon's times: the picture on the left, the phase text and
    // the phases button on the right.
    const QFontMetrics fm(m_textFont);
    const int top = m_moonBox.top() + timesOffset() + fm.descent() + 6;
    const QRect area(QPoint(m_moonBox.left() + 6, top), QPoint(m_moonBox.right() - 6, m_moonBox.bottom() - 6));
    const int side = std::max(0, std::min(area.height(), area.width() * 9 / 20));
    m_picture->setGeometry(area.left() + area.width() / 20, area.top() + (area.height() - side) / 2, side, side);
    const int right = m_picture->geometry().right() + 4;
    const QSize phases = m_phasesButton->sizeHint();
    const int pw = std::min(phases.width(), area.right() - right);
    const int py = area.bottom() - phases.height();
    m_phasesButton->setGeometry(right + (area.right() - right - pw) / 2, py, pw, phases.height());
    m_phaseArea = QRect(QPoint(right, area.top()), QPoint(area.right(), py - 2));
}

int CSoleilView::timesOffset() const
{
    // The times stand at 2/5 of the Sun's box in both boxes, under the title.
    const QFontMetrics fm(m_textFont);
    return std::max(2 * m_sunBox.height() / 5, fm.height() + fm.ascent());
}

void CSoleilView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_textFont);
    drawBox(painter, m_sunBox, QStringLiteral(" Soleil "), sunTexts());
    drawBox(painter, m_moonBox, QStringLiteral(" Lune "), moonTexts());
    painter.setPen(night::ink());
    painter.drawText(m_phaseArea, Qt::AlignCenter, phaseText());
}

void CSoleilView::drawBox(QPainter& painter, const QRect& box, const QString& title, const BoxTexts& texts) const
{
    const QFontMetrics fm(m_textFont);
    // An etched frame whose top line runs through the middle of the title.
    const QRect frame = box.adjusted(0, fm.height() / 2, -1, -1);
    painter.setPen(toQColor(kEtchedLightColour));
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(toQColor(kEtchedDarkColour));
    painter.drawRect(frame);
    const QRect titleRect(box.left() + 8, box.top(), fm.horizontalAdvance(title), fm.height());
    painter.fillRect(titleRect, toQColor(kNightBlue));
    painter.setPen(toQColor(kBoxTitleColour));
    painter.drawText(titleRect, Qt::AlignCenter, title);

    painter.setPen(night::ink());
    const int baseline = box.top() + timesOffset();
    if (!texts.single.isEmpty()) {
        painter.drawText(QPoint(box.center().x() - fm.horizontalAdvance(texts.single) / 2, baseline - fm.descent()),
                         texts.single);
        return;
    }
    painter.drawText(QPoint(box.left() + 3 * box.width() / 20, baseline), texts.first);
    painter.drawText(QPoint(box.left() + 13 * box.width() / 20, baseline), texts.second);
}

}  // namespace zarn
