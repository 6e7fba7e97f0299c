// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CSystemeSolaireDlg.h"

#include "ui/BodyCommands.h"
#include "ui/Hints.h"
#include "time/Calendar.h"
#include "tools/ui/CListeEphemerides.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {

namespace {
const QString kTitle = QStringLiteral(" Éphémérides Système solaire  ");
const QString kMinimisedTitle = QStringLiteral(" Système solaire");

QString dateText(const CDateHeure& date)
{
    return QString::asprintf(" %2d.%d.%d", date.day(), date.month(), date.year());
}
}  // namespace

CSystemeSolaireDlg::CSystemeSolaireDlg(const SolarBodies& bodies, const CInstant& document, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_bodies(bodies), m_document(document), m_tableDate(document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(kTitle);
    setWindowIcon(QApplication::windowIcon());
    setProperty("helpContext", 209);
    buildControls();
    showBodyAndDate(0, document);
}

void CSystemeSolaireDlg::buildControls()
{
    m_bodyBox = new QComboBox(this);
    for (int index = 0; index < kBodyCount; ++index)
        m_bodyBox->addItem(bodyListText(index));
    m_bodyBox->setStatusTip(QStringLiteral(" Astre des éphémérides"));
    auto* bodyLabel = new QLabel(QStringLiteral("A&stre:"), this);
    bodyLabel->setBuddy(m_bodyBox);
    m_dateField = new QLineEdit(this);
    m_dateField->setMaxLength(12);
    auto* dateLabel = new QLabel(QStringLiteral("&Date:"), this);
    dateLabel->setBuddy(m_dateField);
    m_riseSet = new QRadioButton(QStringLiteral("&Lever/Coucher"), this);
    m_position = new QRadioButton(QStringLiteral("&A.D./Decl."), this);
    m_riseSet->setChecked(true);
    m_list = new CListeEphemerides(this);
    m_list->setFixedWidth(m_list->tableWidth());
    m_headings = new QWidget(this);
    m_firstHeading = new QLabel(QStringLiteral("Lever"), m_headings);
    m_secondHeading = new QLabel(QStringLiteral("Coucher"), m_headings);
    m_headings->setFixedHeight(m_firstHeading->sizeHint().height());
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    // Enter in the date field does not close the dialog.
    close->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(bodyLabel, 0, 0);
    grid->addWidget(dateLabel, 0, 1);
    grid->addWidget(m_bodyBox, 1, 0, Qt::AlignTop);
    grid->addWidget(m_dateField, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_headings, 2, 1);
    auto* modes = new QVBoxLayout;
    modes->addWidget(m_riseSet);
    modes->addWidget(m_position);
    modes->addStretch(1);
    grid->addLayout(modes, 3, 0);
    grid->addWidget(m_list, 3, 1);
    grid->addWidget(close, 4, 1, Qt::AlignRight);
    grid->setRowStretch(3, 1);
    m_dateField->setFixedWidth(m_list->tableWidth() / 2);
    m_list->setMinimumHeight(QFontMetrics(m_list->font()).height() * 8 + 2 * m_list->frameWidth());

    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_dateField, &QLineEdit::textChanged, this, &CSystemeSolaireDlg::dateEdited);
    connect(m_bodyBox, &QComboBox::currentIndexChanged, this, &CSystemeSolaireDlg::bodyChosen);
    connect(m_riseSet, &QRadioButton::clicked, this, [this] { modeChosen(EphemerisMode::RiseSet); });
    connect(m_position, &QRadioButton::clicked, this, [this] { modeChosen(EphemerisMode::Position); });
    connect(m_list, &QListWidget::currentRowChanged, this, &CSystemeSolaireDlg::rowSelected);
}

void CSystemeSolaireDlg::showBodyAndDate(int bodyIndex, const CDateHeure& date)
{
    m_body = std::clamp(bodyIndex, 0, 6);
    {
        const QSignalBlocker quiet(m_bodyBox);
        m_bodyBox->setCurrentIndex(m_body);
    }
    m_tableDate.assign(date, m_document.place());
    m_tableDate.recompute();
    showTableDate();
}

void CSystemeSolaireDlg::OnUpdate(CDocView*, unsigned hint, void*)
{
    // The table follows the document's date, and its place: a table of
    // another place's times would be wrong.
    if (!(hint & (hint::Date | hint::Place)))
        return;
    m_tableDate = m_document;
    showTableDate();
}

void CSystemeSolaireDlg::showTableDate()
{
    setWindowTitle(isMinimized() ? kMinimisedTitle : kTitle);
    // A new time of the same day (the clock in real time, a step of an
    // hour) lists the same days: the row the user chose, its date in the
    // field, and the rows scrolled to stay as they are.
    const EphemerisTableKey before = m_filledFor;
    const int topRow = m_list->indexAt(QPoint(0, 0)).row();
    const int currentRow = m_list->currentRow();
    fillTable();
    if (before.sameDays(m_filledFor) && topRow >= 0 && currentRow >= 0) {
        showRowsFrom(topRow, currentRow);
        return;
    }
    setDateText(dateText(m_tableDate));
    showRowsFrom(kChosenRow - 1, kChosenRow);
}

void CSystemeSolaireDlg::setDateText(const QString& text)
{
    m_writingDate = true;
    const int fromEnd = m_dateField->text().size() - m_dateField->cursorPosition();
    m_dateField->setText(text);
    m_dateField->setCursorPosition(std::max<int>(0, text.size() - fromEnd));
    m_writingDate = false;
}

void CSystemeSolaireDlg::dateEdited()
{
    if (m_writingDate)
        return;
    setUpdatesEnabled(false);
    m_list->setRows({});
    const QString text = m_dateField->text();
    const ParsedDate parsed = parseDate(text.trimmed().toStdString());
    if (parsed.valid) {
        setDateText(QLatin1Char(' ') + text.trimmed());
        if (!isMinimized())
            setWindowTitle(kTitle);
        m_tableDate.setDay(parsed.day);
        m_tableDate.setMonth(parsed.month);
        m_tableDate.setYear(parsed.year);
        m_tableDate.recompute();
        fillTable();
        showRowsFrom(kChosenRow - 1, kChosenRow);
    }
    setUpdatesEnabled(true);
}

void CSystemeSolaireDlg::bodyChosen()
{
    m_body = m_bodyBox->currentIndex();
    refillKeepingRow(m_list->currentRow());
}

void CSystemeSolaireDlg::modeChosen(EphemerisMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    const bool riseSet = mode == EphemerisMode::RiseSet;
    m_firstHeading->setText(riseSet ? QStringLiteral("Lever") : QStringLiteral("  A.D."));
    m_secondHeading->setText(riseSet ? QStringLiteral("Coucher") : QStringLiteral("  Decl."));
    placeHeadings();
    refillKeepingRow(m_list->currentRow());
}

void CSystemeSolaireDlg::refillKeepingRow(int row)
{
    if (m_list->count() == 0)
        return;  // no valid date in the field: nothing to refill
    fillTable();
    row = std::max(row, 0);
    showRowsFrom(row - 1, row);
}

void CSystemeSolaireDlg::rowSelected(int row)
{
    if (row < 0 || row >= m_list->count())
        return;
    // Only the date field changes: the table stays as it is.
    const QString date = m_list->item(row)->text().left(10).trimmed();
    setDateText(QLatin1Char(' ') + date);
}

void CSystemeSolaireDlg::fillTable()
{
    m_body = std::clamp(m_bodyBox->currentIndex(), 0, 6);
    // The clock moving within a day leaves the rise and set times as they are.
    const EphemerisTableKey key = ephemerisTableKey(m_body, m_mode, m_tableDate);
    if (m_list->count() == 0 || !(key == m_filledFor)) {
        m_list->setRows(ephemerisTable(m_bodies.body(m_body), m_body, m_mode, m_tableDate));
        m_filledFor = key;
    }
    m_list->setCopyHeadings({m_bodyBox->currentText().trimmed(), m_firstHeading->text().trimmed(),
                             m_secondHeading->text().trimmed()});
}

void CSystemeSolaireDlg::showRowsFrom(int topRow, int selectedRow)
{
    if (m_list->count() == 0)
        return;
    selectedRow = std::clamp(selectedRow, 0, m_list->count() - 1);
    // The dialog's own selection leaves the date field as it is.
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentRow(selectedRow);
    m_list->scrollToItem(m_list->item(std::clamp(topRow, 0, m_list->count() - 1)), QAbstractItemView::PositionAtTop);
}

void CSystemeSolaireDlg::placeHeadings()
{
    // The first heading ends at the first column's right edge; the second
    // starts three blanks further right.
    const int listLeft = m_list->x() - m_headings->x() + m_list->frameWidth();
    const int firstRight = listLeft + m_list->dateColumn() + m_list->firstColumn();
    m_firstHeading->adjustSize();
    m_secondHeading->adjustSize();
    m_firstHeading->move(firstRight - m_firstHeading->width(), 0);
    m_secondHeading->move(firstRight + QFontMetrics(m_list->font()).horizontalAdvance(QStringLiteral("   ")), 0);
}

void CSystemeSolaireDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        setWindowTitle(isMinimized() ? kMinimisedTitle : kTitle);
    QDialog::changeEvent(event);
}

void CSystemeSolaireDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeHeadings();
}

void CSystemeSolaireDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeHeadings();
    if (!m_shown) {
        // Scrolled once the list knows its height: the chosen day is the
        // eleventh row, with the tenth at the top.
        m_shown = true;
        showRowsFrom(kChosenRow - 1, std::max(m_list->currentRow(), 0));
    }
}

}  // namespace zarn
