// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs on zones of the time-zone database: the place dialog's zone
// field, the first start's proposal from the computer's zone, the date entry
// that refuses a skipped hour and the summer-time dialog of a zone.
#include "ModalCatcher.h"
#include "time/CInstant.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/PlaceFields.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

using namespace zarn;
using zarn::test::ModalCatcher;

namespace {
// Sets TZ for the life of the object.
class ZoneOfComputer {
public:
    explicit ZoneOfComputer(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneOfComputer()
    {
        if (m_old.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_old.c_str(), 1);
        tzset();
    }

private:
    std::string m_old;
};
}  // namespace

TEST(ZoneDialogs, FirstStartProposesTheComputersZone)
{
    // Accepting the proposal gives the legal time of 15 July 2026, 12 h UT.
    struct Start {
        const char* zone;
        int zone0;
        bool summerBox;
        int hour, minute;
    };
    for (const Start& s : {Start{"Asia/Tokyo", 9, false, 21, 0}, {"Asia/Kolkata", 6, false, 17, 30},
                           {"America/Montreal", -5, true, 8, 0}}) {
        const ZoneOfComputer computer(s.zone);
        CLieuDlg dialog(newPlaceFields(), nullptr);
        EXPECT_EQ(dialog.zoneNameBox()->currentText(), QString::fromLatin1(s.zone));
        EXPECT_FALSE(dialog.zoneField()->isEnabled()) << s.zone;
        EXPECT_EQ(dialog.zoneField()->text(), QString::number(s.zone0)) << s.zone;
        EXPECT_EQ(dialog.summerTimeBox()->isChecked(), s.summerBox) << s.zone;
        EXPECT_FALSE(dialog.offsetLabel()->text().isEmpty()) << s.zone;
        dialog.nameField()->setText(QStringLiteral("Ici"));
        dialog.accept();
        ASSERT_EQ(dialog.result(), QDialog::Accepted) << s.zone;
        CInstant july(1, 1, 2026, 0, 0, 0, dialog.fields().toPlace());
        july.setFromUniversalJulianDay(julianDay(15, 7, 2026, 0.5));
        EXPECT_EQ(july.hour() * 60 + july.minute(), s.hour * 60 + s.minute) << s.zone;
    }
}

TEST(ZoneDialogs, PlaceDialogFindsAZoneByPartOfItsNameOrKeepsAFixedZone)
{
    PlaceFields fields;
    fields.name = QStringLiteral("Lieu");
    fields.zone = 2;
    fields.summerTime = false;
    CLieuDlg dialog(fields, nullptr);
    QComboBox* box = dialog.zoneNameBox();
    EXPECT_EQ(box->currentText(), fixedZoneText());
    EXPECT_TRUE(dialog.zoneField()->isEnabled());
    // Typing part of a name offers the zones that contain it.
    for (const auto& [typed, found] : {std::pair{"Montr", "America/Montreal"}, {"paris", "Europe/Paris"}}) {
        box->lineEdit()->clear();
        box->setFocus();
        QTest::keyClicks(box->lineEdit(), QString::fromLatin1(typed));
        QCompleter* completer = box->completer();
        QStringList offered;
        for (int i = 0; completer->setCurrentRow(i); ++i)
            offered << completer->currentCompletion();
        EXPECT_TRUE(offered.contains(QString::fromLatin1(found))) << typed;
    }
    box->setCurrentText(QStringLiteral("Australia/Sydney"));
    EXPECT_FALSE(dialog.summerTimeBox()->isEnabled());
    EXPECT_EQ(dialog.zoneField()->text(), QStringLiteral("10"));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fields().zoneName, QStringLiteral("Australia/Sydney"));
    EXPECT_EQ(dialog.fields().toPlace().zoneName(), "Australia/Sydney");
    // The list row shows the name and reads it back.
    EXPECT_EQ(PlaceFields::fromRowTexts(dialog.fields().rowTexts()).toPlace().zoneName(), "Australia/Sydney");

    CLieuDlg fixed(fields, nullptr);
    fixed.zoneNameBox()->setCurrentText(QStringLiteral("Europe/Nulle-part"));
    ModalCatcher catcher;
    fixed.accept();
    EXPECT_NE(fixed.result(), QDialog::Accepted);
    ASSERT_EQ(catcher.texts.size(), 1);
    fixed.zoneNameBox()->setCurrentText(fixedZoneText());
    fixed.accept();
    EXPECT_EQ(fixed.result(), QDialog::Accepted);
    EXPECT_EQ(fixed.fields().zoneName, QString());
    EXPECT_EQ(fixed.fields().zone, 2);
}

TEST(ZoneDialogs, TypedTimeThatTheClockSkipsIsRefused)
{
    const CLieu newYork = placeOnZone(CLieu("New York", 74.0, 0.71, 0, 0), "America/New_York", 2026);
    for (const auto& [place, date] : {std::pair{newYork, "8.3.2026"},
                                      {CLieu("Paris", -2.33, 0.85, 1, 1), "29.3.2026"}}) {
        CDateHeure edited(1, 1, 2026, 12, 0, 0);
        CDateDlg dialog(edited, place, nullptr);
        dialog.dateField()->setText(QString::fromLatin1(date));
        dialog.timeField()->setText(QStringLiteral("2.30"));
        ModalCatcher catcher;
        dialog.accept();
        EXPECT_EQ(catcher.texts, QStringList{QStringLiteral("Heure non valable")}) << date;
        EXPECT_EQ(edited.day(), 1) << date;
        dialog.timeField()->setText(QStringLiteral("3.30"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << date;
        EXPECT_EQ(edited.hour(), 3) << date;
    }
}

TEST(ZoneDialogs, SummerTimeDialogShowsTheZonesChangesAndReturnShowsTheYear)
{
    const CLieu sydney = placeOnZone(CLieu("Sydney", -151.2, -0.59, 0, 0), "Australia/Sydney", 2026);
    CHeureEteDlg dialog(2026, sydney, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.resultLabel()->text(), QStringLiteral(" 5.4 --> 4.10"));
    const CLieu tokyo = placeOnZone(CLieu(), "Asia/Tokyo", 2026);
    EXPECT_EQ(CHeureEteDlg::resultText(2026, tokyo), QStringLiteral("Pas d'heure d'été"));
    // Return after typing a year shows its dates and leaves the dialog open;
    // 2100 is past the program's years.
    QLineEdit* year = dialog.yearField();
    year->setFocus();
    for (const auto& [typed, shown] : {std::pair{"1970", "Pas d'heure d'été"}, {"2100", "Année non valable"},
                                       {"2090", " 2.4 --> 1.10"}}) {
        year->selectAll();
        QTest::keyClicks(year, QString::fromLatin1(typed));
        QTest::keyClick(year, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << typed;
        EXPECT_EQ(dialog.resultLabel()->text(), QString::fromUtf8(shown)) << typed;
    }
    EXPECT_EQ(CHeureEteDlg::resultText(2100), QStringLiteral("Année non valable"));
}
