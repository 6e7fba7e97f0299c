// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemerides dialog as the user drives it: the table against zarn-calc,
// row selection, the two modes, typed dates, the document's date and copying.
#include "AlmanacWindowFixture.h"

#include "ui/Hints.h"
#include "tools/ui/CListeEphemerides.h"
#include "tools/ui/CSystemeSolaireDlg.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace zarn;

namespace {
std::vector<std::string> rowsOf(const CSystemeSolaireDlg& dialog)
{
    std::vector<std::string> rows;
    for (int i = 0; i < dialog.list()->count(); ++i)
        rows.push_back(dialog.list()->item(i)->text().toStdString());
    return rows;
}

// zarn-calc prints the rows with a blank after the ten characters of the
// date column, which a date such as 29.11.2026 fills.
std::vector<std::string> printed(std::vector<std::string> rows)
{
    for (std::string& row : rows)
        row.insert(std::min<std::size_t>(10, row.size()), " ");
    return rows;
}
}  // namespace

TEST_F(AlmanacWindow, EphemeridesTableIsWhatZarnCalcPrints)
{
    setInstant(17, 6, 2003, 22, 0);
    CSystemeSolaireDlg dialog(bodies, instant, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Éphémérides Système solaire  "));
    EXPECT_EQ(dialog.dateField()->text(), QStringLiteral(" 17.6.2003"));
    EXPECT_EQ(printed(rowsOf(dialog)), calc("ephem Soleil"));
    dialog.bodyBox()->setCurrentIndex(6);
    EXPECT_EQ(printed(rowsOf(dialog)), calc("ephem Lune"));
    dialog.positionButton()->click();
    EXPECT_EQ(printed(rowsOf(dialog)), calc("ephem Lune --radec"));
    EXPECT_EQ(dialog.list()->currentRow(), CSystemeSolaireDlg::kChosenRow);
}

TEST_F(AlmanacWindow, PolarSunRowSelectionAndModes)
{
    setInstant(21, 6, 2004, 12, 0, 70.00);
    CSystemeSolaireDlg dialog(bodies, instant, nullptr);
    dialog.show();
    const std::vector<std::string> summer = rowsOf(dialog);
    ASSERT_EQ(summer.size(), 160u);
    EXPECT_EQ(summer[10], " 21.6.2004  visible  ");
    // Choosing a row writes its date; the table stays.
    dialog.list()->setCurrentRow(3);
    EXPECT_EQ(dialog.dateField()->text(), QStringLiteral(" 14.6.2004"));
    EXPECT_EQ(rowsOf(dialog), summer);
    EXPECT_EQ(dialog.tableDate().day(), 21);

    // The other mode keeps the row and changes the headings.
    dialog.positionButton()->click();
    EXPECT_EQ(dialog.firstHeading()->text(), QStringLiteral("  A.D."));
    EXPECT_EQ(dialog.secondHeading()->text(), QStringLiteral("  Decl."));
    EXPECT_EQ(dialog.list()->currentRow(), 3);
    EXPECT_EQ(rowsOf(dialog)[3].substr(0, 10), " 14.6.2004");
    dialog.riseSetButton()->click();
    EXPECT_EQ(dialog.firstHeading()->text(), QStringLiteral("Lever"));
    // A later hour of the same day (the clock in real time) lists the same
    // days: the chosen row and its date stay.
    instant = CInstant(21, 6, 2004, 15, 0, 0, instant.place());
    dialog.OnUpdate(nullptr, hint::Date, nullptr);
    EXPECT_EQ(dialog.list()->currentRow(), 3);
    EXPECT_EQ(dialog.dateField()->text(), QStringLiteral(" 14.6.2004"));

    // The document moves to the spring: on the last evening before the
    // midnight Sun there is a rise and no set. The table follows the date.
    instant = CInstant(1, 5, 2004, 12, 0, 0, instant.place());
    dialog.OnUpdate(nullptr, hint::Date, nullptr);
    bool change = false;
    for (const std::string& row : rowsOf(dialog)) {
        const EphemerisColumns c = splitEphemerisRow(row);
        change |= c.first != "  -  " && c.second == "   -  ";
    }
    EXPECT_TRUE(change);
    // Then to midwinter.
    instant = CInstant(21, 12, 2004, 12, 0, 0, instant.place());
    dialog.OnUpdate(nullptr, hint::Date, nullptr);
    EXPECT_EQ(dialog.dateField()->text(), QStringLiteral(" 21.12.2004"));
    EXPECT_EQ(rowsOf(dialog)[10], "21.12.2004 invisible ");
}

TEST_F(AlmanacWindow, TypedDatesRecomputeAndRowsCopyAsText)
{
    setInstant(17, 6, 2003, 12, 0);
    CSystemeSolaireDlg dialog(bodies, instant, nullptr);
    dialog.show();
    dialog.dateField()->selectAll();
    QTest::keyClicks(dialog.dateField(), QStringLiteral("5.3.20"));
    EXPECT_EQ(dialog.list()->count(), 0);  // not a date yet
    QTest::keyClicks(dialog.dateField(), QStringLiteral("03"));
    EXPECT_EQ(dialog.dateField()->text(), QStringLiteral(" 5.3.2003"));
    ASSERT_EQ(dialog.list()->count(), 160);
    EXPECT_EQ(dialog.list()->item(10)->text().left(10), QStringLiteral("  5.3.2003"));
    // Typing goes on where it was: the date can be corrected at once.
    QTest::keyClick(dialog.dateField(), Qt::Key_Backspace);
    QTest::keyClicks(dialog.dateField(), QStringLiteral("4"));
    EXPECT_EQ(dialog.list()->item(10)->text().left(10), QStringLiteral("  5.3.2004"));

    dialog.positionButton()->click();
    dialog.list()->clearSelection();
    dialog.list()->item(10)->setSelected(true);
    dialog.list()->item(11)->setSelected(true);
    QTest::keySequence(dialog.list(), QKeySequence::Copy);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Soleil\tA.D.\tDecl."));
    const EphemerisColumns first = splitEphemerisRow(dialog.list()->item(10)->text().toStdString());
    EXPECT_EQ(lines[1], QStringLiteral("5.3.2004\t%1\t%2")
                            .arg(QString::fromStdString(first.first).trimmed(),
                                 QString::fromStdString(first.second).trimmed()));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("6.3.2004\t")));
}
