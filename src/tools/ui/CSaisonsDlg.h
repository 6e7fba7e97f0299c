// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seasons: for a year from 1901 to 2099, the dates and times of the two
// equinoxes and the two solstices in the legal time of the observatory.
#include "sky/CSoleil.h"
#include "time/CLieu.h"

#include <QDialog>

class QLabel;
class QSpinBox;

namespace zarn {

class CSaisonsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 1901;
    static constexpr int kLastYear = 2099;

    // sun: copied; the computation never moves the document's Sun.
    CSaisonsDlg(const CSoleil& sun, const CLieu& place, int year, QWidget* parent);

    QSpinBox* yearBox() const { return m_year; }
    QLabel* resultLabel() const { return m_result; }

private:
    void compute();

    CSoleil m_sun;
    CLieu m_place;
    QSpinBox* m_year = nullptr;
    QLabel* m_result = nullptr;
};

}  // namespace zarn
