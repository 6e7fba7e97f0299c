#include "time/ui/CHeureEteDlg.h"

#include "shell/NightMode.h"

#include "time/ui/MessageBoxes.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {

CHeureEteDlg::CHeureEteDlg(int year, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" Heure d'été"));
    m_year = new QLineEdit(this);
    m_year->setMaxLength(4);
    m_year->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_year));
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRepeat(true);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRepeat(true);
    auto* label = new QLabel(QStringLiteral("&Année"), this);
    label->setBuddy(m_year);
    m_result = new QLabel(this);
    m_result->setAutoFillBackground(true);
    QPalette pal = m_result->palette();
    pal.setColor(QPalette::Window, night::paper(Qt::white));
    pal.setColor(QPalette::WindowText, night::ink());
    m_result->setPalette(pal);
    m_result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_result->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral(" 00.00 --> 00.00 ")) + 8);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_year);
    row->addWidget(m_up);
    row->addWidget(m_down);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(row);
    layout->addWidget(m_result);
    layout->addWidget(close, 0, Qt::AlignRight);

    m_spin = std::clamp(year, kFirstYear, kLastYear);
    m_year->setText(QString::number(year));
    connect(m_year, &QLineEdit::textChanged, this, &CHeureEteDlg::showResult);
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    showResult();
}

void CHeureEteDlg::step(int delta)
{
    m_spin = std::clamp(m_spin + delta, kFirstYear, kLastYear);
    m_year->setText(QString::number(m_spin));
}

QString CHeureEteDlg::resultText(int year)
{
    const CDateHeure firstDay(1, 1, year, 0, 0, 0);
    const CDateHeure start = firstDay.summerTimeStart();
    const CDateHeure end = firstDay.summerTimeEnd();
    return QString::asprintf(" %d.%d --> %d.%d", start.day(), start.month(), end.day(), end.month());
}

void CHeureEteDlg::showResult()
{
    int year = 0;
    readInteger(m_year->text(), year);
    if (year >= kFirstYear && year <= kLastYear)
        m_spin = year;
    m_result->setText(resultText(year));
}

}  // namespace zarn
