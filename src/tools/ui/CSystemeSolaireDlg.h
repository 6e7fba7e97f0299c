// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solar-system ephemerides: a modeless dialog with 160 days of one body,
// either its rise and set times or its right ascension and declination. The
// chosen day is the eleventh row. The dialog follows the document's date and
// place; selecting a row only writes its date, typing a date recomputes.
#include "ui/CDocView.h"
#include "sky/SolarBodies.h"
#include "time/CInstant.h"
#include "tools/Ephemerides.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zarn {

class CListeEphemerides;

class CSystemeSolaireDlg : public QDialog, public CDocView {
    Q_OBJECT
public:
    static constexpr int kChosenRow = kEphemerisDaysBefore;

    // bodies: copied, so that the tables never move the document's bodies;
    // document: the document's instant, followed on every date update.
    CSystemeSolaireDlg(const SolarBodies& bodies, const CInstant& document, QWidget* parent);

    // Shows the table of a body (0 Sun ... 6 Moon) for a date at the
    // document's place.
    void showBodyAndDate(int bodyIndex, const CDateHeure& date);

    // CDocView: a change of date or place refills the table. The dialog is
    // never a window of the main window, so its kind decides no command.
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Ephemerides; }

    int bodyIndex() const { return m_body; }
    EphemerisMode mode() const { return m_mode; }
    const CInstant& tableDate() const { return m_tableDate; }
    QComboBox* bodyBox() const { return m_bodyBox; }
    QLineEdit* dateField() const { return m_dateField; }
    QRadioButton* riseSetButton() const { return m_riseSet; }
    QRadioButton* positionButton() const { return m_position; }
    QLabel* firstHeading() const { return m_firstHeading; }
    QLabel* secondHeading() const { return m_secondHeading; }
    CListeEphemerides* list() const { return m_list; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeHeadings();
    void setDateText(const QString& text);
    void showTableDate();
    void dateEdited();
    void bodyChosen();
    void modeChosen(EphemerisMode mode);
    void rowSelected(int row);
    void fillTable();
    void refillKeepingRow(int row);
    void showRowsFrom(int topRow, int selectedRow);

    SolarBodies m_bodies;
    const CInstant& m_document;
    CInstant m_tableDate;
    int m_body = 0;
    EphemerisMode m_mode = EphemerisMode::RiseSet;
    EphemerisTableKey m_filledFor;  // what the list's rows were made for
    // Set while the dialog writes the date field itself: that change is not
    // the user's and must not refill the table.
    bool m_writingDate = false;
    bool m_shown = false;

    QComboBox* m_bodyBox = nullptr;
    QLineEdit* m_dateField = nullptr;
    QRadioButton* m_riseSet = nullptr;
    QRadioButton* m_position = nullptr;
    QWidget* m_headings = nullptr;
    QLabel* m_firstHeading = nullptr;
    QLabel* m_secondHeading = nullptr;
    CListeEphemerides* m_list = nullptr;
};

}  // namespace zarn
