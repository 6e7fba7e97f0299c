// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date-entry dialog: a date typed day first ("30.4.2003") and a legal
// time as hours.minutes ("9.05"). On OK the edited date and time are set, with
// the second at 0; nothing changes on "&Annuler". With the place, a time
// that its clock skips (the hour of a spring change) is refused.
#include "time/CDateHeure.h"
#include "time/CLieu.h"

#include <optional>

#include <QDialog>

class QLineEdit;

namespace zarn {

class CDateDlg : public QDialog {
    Q_OBJECT
public:
    CDateDlg(CDateHeure& dateTime, QWidget* parent);
    CDateDlg(CDateHeure& dateTime, const CLieu& place, QWidget* parent);

    int run() { return exec(); }
    QLineEdit* dateField() const { return m_date; }
    QLineEdit* timeField() const { return m_time; }

    void accept() override;

private:
    CDateHeure& m_dateTime;
    std::optional<CLieu> m_place;
    QLineEdit* m_date;
    QLineEdit* m_time;
};

}  // namespace zarn
