#pragma once
// The summer-time dialog: for the year in its field it shows the day and
// month when summer time begins and ends, " 30.3 --> 26.10".
#include "time/CDateHeure.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

namespace zarn {

class CHeureEteDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 1982;
    static constexpr int kLastYear = 2099;

    CHeureEteDlg(int year, QWidget* parent);

    int run() { return exec(); }
    static QString resultText(int year);

    QLineEdit* yearField() const { return m_year; }
    QLabel* resultLabel() const { return m_result; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }
    int spinPosition() const { return m_spin; }

private:
    void step(int delta);
    void showResult();

    QLineEdit* m_year;
    QToolButton* m_up;
    QToolButton* m_down;
    QLabel* m_result;
    int m_spin = kFirstYear;
};

}  // namespace zarn
