#pragma once
// The date-entry dialog: a date typed day first ("30.4.2003") and a legal
// time as hours.minutes ("9.05"). On OK the edited date and time are set, with
// the second at 0; nothing changes on "&Annuler".
#include "time/CDateHeure.h"

#include <QDialog>

class QLineEdit;

namespace zarn {

class CDateDlg : public QDialog {
    Q_OBJECT
public:
    CDateDlg(CDateHeure& dateTime, QWidget* parent);

    int run() { return exec(); }
    QLineEdit* dateField() const { return m_date; }
    QLineEdit* timeField() const { return m_time; }

    void accept() override;

private:
    CDateHeure& m_dateTime;
    QLineEdit* m_date;
    QLineEdit* m_time;
};

}  // namespace zarn
