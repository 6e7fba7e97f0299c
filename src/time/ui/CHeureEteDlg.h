// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The summer-time dialog: for the year in its field it shows the day and
// month when summer time begins and ends, " 30.3 --> 26.10"; for a place on
// a zone of the time-zone database, the zone's own changes in the year's
// order (" 5.4 --> 4.10" in Sydney) or "Pas d'heure d'été".
#include "time/CLieu.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

namespace zarn {

class CHeureEteDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 1982;  // the spin's range under the rule
    static constexpr int kLastYear = 2099;
    static constexpr int kFirstDate = 1901;  // the program's years
    static constexpr int kLastDate = 2099;

    CHeureEteDlg(int year, QWidget* parent);
    CHeureEteDlg(int year, const CLieu& place, QWidget* parent);

    int run() { return exec(); }
    // The text of the rule's dates, and of the place's changes.
    static QString resultText(int year);
    static QString resultText(int year, const CLieu& place);

    QLineEdit* yearField() const { return m_year; }
    QLabel* resultLabel() const { return m_result; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }
    int spinPosition() const { return m_spin; }
    // The spin's first year: 1982 under the rule, 1901 on a zone, whose
    // database knows the changes of the past.
    int firstYear() const { return m_place.zoneName().empty() ? kFirstYear : kFirstDate; }

protected:
    // Return in the year field shows the year's dates; it closes the dialog
    // only from the button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step(int delta);
    void showResult();

    QLineEdit* m_year;
    QToolButton* m_up;
    QToolButton* m_down;
    QLabel* m_result;
    CLieu m_place;
    int m_spin = kFirstYear;
};

}  // namespace zarn
