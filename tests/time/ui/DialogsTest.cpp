// SPDX-License-Identifier: GPL-3.0-or-later
// The place dialog, the observatory list, the date entry and the summer-time
// dialog, driven as a user would.
#include "ModalCatcher.h"

#include "time/Calendar.h"
#include "time/ui/CDateDlg.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CLieuDlg.h"
#include "time/ui/CObservatoireDlg.h"
#include "time/ui/PlaceFields.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cmath>

using namespace zarn;
using zarn::test::ModalCatcher;

namespace {

void setText(QLineEdit* field, const QString& text)
{
    field->clear();
    field->insert(text);
}

// The row texts of the item at index i of a list.
QStringList row(QTreeWidget* list, int i)
{
    QStringList out;
    QTreeWidgetItem* item = list->topLevelItem(i);
    for (int c = 0; c < 5; ++c)
        out << item->text(c);
    return out;
}

CLieu paris() { return CLieu("Paris", -2.3333333333, 48.85 * kRadPerDeg, 1, 1); }
CLieu quebec() { return CLieu("Québec", 71.2, 46.8 * kRadPerDeg, -5, 1); }

}  // namespace

TEST(PlaceDialog, TypedPlaceGivesSignedPackedValues)
{
    CLieuDlg dialog(PlaceFields{}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Nouvel Observatoire"));
    setText(dialog.nameField(), QStringLiteral("Paris"));
    setText(dialog.longitudeField(), QStringLiteral("2.20"));
    dialog.eastButton()->setChecked(true);
    setText(dialog.latitudeField(), QStringLiteral("48.51"));
    dialog.northButton()->setChecked(true);
    setText(dialog.zoneField(), QStringLiteral("1"));
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const PlaceFields f = dialog.fields();
    EXPECT_DOUBLE_EQ(f.longitude, -2.20);
    EXPECT_DOUBLE_EQ(f.latitude, 48.51);
    const CLieu place = f.toPlace();
    EXPECT_NEAR(place.longitude(), -2.3333333, 1e-4);
    EXPECT_NEAR(place.latitude(), 48.85 * kRadPerDeg, 1e-6);
    const QStringList texts = f.rowTexts();
    EXPECT_EQ(texts[1], QStringLiteral("   2.20E"));
    EXPECT_EQ(texts[2], QStringLiteral("  48.51N"));
    EXPECT_EQ(texts[3], QStringLiteral("   +1"));
    EXPECT_EQ(texts[4], QStringLiteral("  oui"));
}

TEST(PlaceDialog, FieldsFilledFromAPlaceWithTheirSides)
{
    PlaceFields f = PlaceFields::fromPlace(quebec());
    CLieuDlg dialog(f, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Observatoire"));
    EXPECT_EQ(dialog.longitudeField()->text(), QStringLiteral("71.12"));
    EXPECT_TRUE(dialog.westButton()->isChecked());
    EXPECT_EQ(dialog.latitudeField()->text(), QStringLiteral("46.48"));
    EXPECT_TRUE(dialog.northButton()->isChecked());
    EXPECT_EQ(dialog.zoneField()->text(), QStringLiteral("-5"));
    EXPECT_TRUE(dialog.summerTimeBox()->isChecked());
    // The coordinate fields take digits and "." only.
    QTest::keyClicks(dialog.longitudeField(), QStringLiteral("a-,"));
    EXPECT_EQ(dialog.longitudeField()->text(), QStringLiteral("71.12"));
}

TEST(PlaceDialog, ZoneAndCoordinateLimits)
{
    struct Case {
        const char* zone;
        const char* latitude;
        const char* longitude;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"14", "10", "10", "Tapez un nombre entier compris entre -12 et 13."},
        {"-13", "10", "10", "Tapez un nombre entier compris entre -12 et 13."},
        {"abc", "10", "10", "Tapez un nombre entier."},
        {"13", "10", "10", nullptr},
        {"-12", "10", "10", nullptr},
        {"0", "90.01", "10", "Tapez un nombre compris entre 0 et 90."},
        {"0", "1.2.3", "10", "Tapez un nombre."},
        {"0", "", "10", "Tapez un nombre."},
        {"0", "10", "180.5", "Tapez un nombre compris entre 0 et 180."},
        {"0", "90", "180", nullptr},
    };
    for (const Case& c : cases) {
        CLieuDlg dialog(PlaceFields{}, nullptr);
        dialog.zoneField()->setText(QString::fromLatin1(c.zone));
        dialog.latitudeField()->setText(QString::fromLatin1(c.latitude));
        dialog.longitudeField()->setText(QString::fromLatin1(c.longitude));
        ModalCatcher catcher;
        dialog.accept();
        if (c.message) {
            ASSERT_EQ(catcher.texts.size(), 1) << c.zone << " " << c.latitude;
            EXPECT_EQ(catcher.texts[0], QString::fromUtf8(c.message));
            EXPECT_NE(dialog.result(), QDialog::Accepted);
        } else {
            EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join("|").toStdString();
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
}

TEST(PlaceDialog, LongNameIsRefused)
{
    CLieuDlg dialog(PlaceFields{}, nullptr);
    QTest::keyClicks(dialog.nameField(), QStringLiteral("Observatoire de Haute-Provence"));
    EXPECT_EQ(dialog.nameField()->text().size(), CLieuDlg::kMaxNameLength);
}

// Alt + letter must lead to one control only: every letter of a dialog's
// buttons and labelled fields once.
void expectUniqueMnemonics(const QWidget& dialog, const char* name)
{
    QMap<QString, QString> owners;
    auto record = [&](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            return;
        const QString letter = key.toString();
        EXPECT_FALSE(owners.contains(letter)) << name << ": " << letter.toStdString() << " for \""
                                              << owners.value(letter).toStdString() << "\" and \"" << text.toStdString()
                                              << "\"";
        owners.insert(letter, text);
    };
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        record(button->text());
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy())
            record(label->text());
}

TEST(DialogKeys, EveryLetterLeadsToOneControl)
{
    CLieuDlg place(PlaceFields{}, nullptr);
    expectUniqueMnemonics(place, "lieu");
    std::vector<CLieu> places{paris()};
    CObservatoireDlg observatories(places, nullptr);
    expectUniqueMnemonics(observatories, "observatoires");
}

TEST(PlaceRows, ReadingBackKeepsThreeDigitLongitudes)
{
    PlaceFields f;
    f.name = QStringLiteral("Auckland");
    f.longitude = -174.46;
    f.latitude = -36.51;
    f.zone = 12;
    f.summerTime = false;
    const PlaceFields back = PlaceFields::fromRowTexts(f.rowTexts());
    EXPECT_DOUBLE_EQ(back.longitude, -174.46);
    EXPECT_DOUBLE_EQ(back.latitude, -36.51);
    EXPECT_EQ(back.zone, 12);
    EXPECT_FALSE(back.summerTime);
    EXPECT_EQ(back.name, QStringLiteral("Auckland"));
}

class ObservatoryList : public ::testing::Test {
protected:
    std::vector<CLieu> places{paris(), quebec()};
};

TEST_F(ObservatoryList, OpeningShowsCurrentAndOthers)
{
    CObservatoireDlg dialog(places, nullptr);
    ASSERT_EQ(dialog.currentList()->topLevelItemCount(), 1);
    ASSERT_EQ(dialog.otherList()->topLevelItemCount(), 1);
    EXPECT_EQ(row(dialog.currentList(), 0)[1], QStringLiteral("   2.20E"));
    EXPECT_EQ(row(dialog.currentList(), 0)[2], QStringLiteral("  48.51N"));
    EXPECT_EQ(row(dialog.otherList(), 0)[1], QStringLiteral("  71.12W"));
    EXPECT_EQ(row(dialog.otherList(), 0)[3], QStringLiteral("   -5"));
    EXPECT_FALSE(dialog.changed());
    EXPECT_FALSE(dialog.removeButton()->isEnabled());
    EXPECT_FALSE(dialog.changeButton()->isEnabled());
    EXPECT_TRUE(dialog.modifyButton()->isEnabled());

    dialog.otherList()->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(dialog.removeButton()->isEnabled());
    EXPECT_TRUE(dialog.changeButton()->isEnabled());
    dialog.currentList()->topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(dialog.otherList()->selectedItems().isEmpty());
    EXPECT_FALSE(dialog.removeButton()->isEnabled());
    EXPECT_TRUE(dialog.modifyButton()->isEnabled());
}

TEST_F(ObservatoryList, AddThenOkAppendsAPlace)
{
    CObservatoireDlg dialog(places, nullptr);
    dialog.setPlaceEditor([](PlaceFields& f, QWidget*) {
        f.name = QStringLiteral("Lyon");
        f.longitude = -4.50;
        f.latitude = 45.46;
        f.zone = 1;
        return true;
    });
    dialog.addButton()->click();
    ASSERT_EQ(dialog.otherList()->topLevelItemCount(), 2);
    EXPECT_TRUE(dialog.otherList()->topLevelItem(1)->isSelected());
    dialog.accept();
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[2].name(), "Lyon");
    EXPECT_NEAR(places[2].longitude(), -4.8333333, 1e-4);
    EXPECT_NEAR(places[0].longitude(), -2.3333333, 1e-4);  // whole minutes kept
}

TEST_F(ObservatoryList, ModifyTheCurrentPlaceSetsChanged)
{
    CObservatoireDlg dialog(places, nullptr);
    dialog.setPlaceEditor([](PlaceFields& f, QWidget*) {
        EXPECT_EQ(f.name, QStringLiteral("Paris"));
        EXPECT_DOUBLE_EQ(f.longitude, -2.20);
        f.zone = 2;
        return true;
    });
    dialog.modifyButton()->click();
    EXPECT_TRUE(dialog.changed());
    EXPECT_EQ(row(dialog.currentList(), 0)[3], QStringLiteral("   +2"));
    dialog.accept();
    EXPECT_EQ(places[0].zone(), 2);
}

TEST_F(ObservatoryList, ChangeMakesTheSelectedPlaceCurrent)
{
    CObservatoireDlg dialog(places, nullptr);
    dialog.otherList()->topLevelItem(0)->setSelected(true);
    dialog.changeButton()->click();
    EXPECT_TRUE(dialog.changed());
    EXPECT_EQ(row(dialog.currentList(), 0)[0], QStringLiteral("Québec"));
    EXPECT_EQ(row(dialog.otherList(), 0)[0], QStringLiteral("Paris"));
    dialog.accept();
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].name(), "Québec");
    EXPECT_EQ(places[1].name(), "Paris");
}

TEST_F(ObservatoryList, ChangeThenCancelLeavesTheListAlone)
{
    const std::vector<CLieu> before = places;
    {
        CObservatoireDlg dialog(places, nullptr);
        dialog.otherList()->topLevelItem(0)->setSelected(true);
        dialog.changeButton()->click();
        dialog.reject();
    }
    EXPECT_EQ(places, before);
}

TEST_F(ObservatoryList, RemoveDeletesTheSelectedOtherPlace)
{
    CObservatoireDlg dialog(places, nullptr);
    dialog.otherList()->topLevelItem(0)->setSelected(true);
    dialog.removeButton()->click();
    EXPECT_EQ(dialog.otherList()->topLevelItemCount(), 0);
    EXPECT_FALSE(dialog.removeButton()->isEnabled());
    dialog.accept();
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].name(), "Paris");
}

TEST(DateDialog, RefusesBadDatesAndTimes)
{
    CDateHeure dt(8, 12, 2026, 22, 30, 15);
    {
        CDateDlg dialog(dt, nullptr);
        EXPECT_EQ(dialog.dateField()->text(), QStringLiteral("8.12.2026"));
        EXPECT_EQ(dialog.timeField()->text(), QStringLiteral("22.30"));
        dialog.dateField()->setText(QStringLiteral("31.4.2003"));
        ModalCatcher catcher;
        dialog.accept();
        ASSERT_EQ(catcher.texts, QStringList{QStringLiteral("Date non valable")});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
    }
    {
        CDateDlg dialog(dt, nullptr);
        dialog.dateField()->setText(QStringLiteral("30.4.2003"));
        dialog.timeField()->setText(QStringLiteral("25.00"));
        ModalCatcher catcher;
        dialog.accept();
        ASSERT_EQ(catcher.texts, QStringList{QStringLiteral("Heure non valable")});
    }
    EXPECT_EQ(dt.year(), 2026);
    EXPECT_EQ(dt.second(), 15);
    {
        CDateDlg dialog(dt, nullptr);
        dialog.dateField()->setText(QStringLiteral("30.4.2003"));
        dialog.timeField()->setText(QStringLiteral("9.05"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(dt.day(), 30);
    EXPECT_EQ(dt.month(), 4);
    EXPECT_EQ(dt.year(), 2003);
    EXPECT_EQ(dt.hour(), 9);
    EXPECT_EQ(dt.minute(), 5);
    EXPECT_EQ(dt.second(), 0);
}

TEST(DateDialog, TakesTheTimeWithAColonOrAnH)
{
    // The field lets ":" and "h" through as typed; what the dialog accepts
    // is decided when OK is pressed.
    CDateHeure dt(8, 12, 2026, 22, 30, 15);
    for (const char* typed : {"21:30", "21h30"}) {
        CDateDlg dialog(dt, nullptr);
        dialog.timeField()->clear();
        QTest::keyClicks(dialog.timeField(), QString::fromLatin1(typed));
        EXPECT_EQ(dialog.timeField()->text(), QString::fromLatin1(typed));
        dialog.dateField()->setText(QStringLiteral("1.1.2000"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(dt.hour() * 100 + dt.minute(), 2130) << typed;
        dt.setHour(0);
    }
    for (const char* typed : {"21:3x", "21h", "21h3", "2:30h"}) {
        CDateDlg dialog(dt, nullptr);
        dialog.timeField()->setText(QString::fromLatin1(typed));
        ModalCatcher catcher;
        dialog.accept();
        EXPECT_EQ(catcher.texts, QStringList{QStringLiteral("Heure non valable")}) << typed;
        EXPECT_EQ(dt.hour(), 0) << typed;
    }
}

TEST(SummerTimeDialog, ResultFollowsTheYear)
{
    EXPECT_EQ(CHeureEteDlg::resultText(1995), QStringLiteral(" 26.3 --> 24.9"));
    EXPECT_EQ(CHeureEteDlg::resultText(1996), QStringLiteral(" 31.3 --> 27.10"));
    EXPECT_EQ(CHeureEteDlg::resultText(2003), QStringLiteral(" 30.3 --> 26.10"));

    CHeureEteDlg dialog(1995, nullptr);
    EXPECT_EQ(dialog.resultLabel()->text(), QStringLiteral(" 26.3 --> 24.9"));
    dialog.upButton()->click();
    EXPECT_EQ(dialog.yearField()->text(), QStringLiteral("1996"));
    EXPECT_EQ(dialog.resultLabel()->text(), QStringLiteral(" 31.3 --> 27.10"));
    // A typed year outside the range is shown; the spin stays within it.
    dialog.yearField()->setText(QStringLiteral("2150"));
    EXPECT_EQ(dialog.spinPosition(), 1996);
    dialog.yearField()->setText(QStringLiteral("2099"));
    dialog.upButton()->click();
    EXPECT_EQ(dialog.yearField()->text(), QStringLiteral("2099"));
    dialog.yearField()->setText(QStringLiteral("0"));
    EXPECT_FALSE(dialog.resultLabel()->text().isEmpty());
}
