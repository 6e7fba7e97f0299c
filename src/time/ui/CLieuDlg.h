// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The place dialog: name, longitude with East/West, latitude with North/South,
// time zone and summer time. The coordinates are typed as unsigned packed
// degrees.minutes; the sign comes from the radio buttons.
#include "time/ui/PlaceFields.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zarn {

class CLieuDlg : public QDialog {
    Q_OBJECT
public:
    CLieuDlg(const PlaceFields& fields, QWidget* parent);

    int run() { return exec(); }
    const PlaceFields& fields() const { return m_fields; }

    static constexpr int kMaxNameLength = 19;

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* longitudeField() const { return m_longitude; }
    QLineEdit* latitudeField() const { return m_latitude; }
    QLineEdit* zoneField() const { return m_zone; }
    QRadioButton* eastButton() const { return m_east; }
    QRadioButton* westButton() const { return m_west; }
    QRadioButton* northButton() const { return m_north; }
    QRadioButton* southButton() const { return m_south; }
    QCheckBox* summerTimeBox() const { return m_summer; }
    // The zone of the time-zone database, found by typing part of its name,
    // or "Fuseau fixe" (the zone and summer-time fields then stand).
    QComboBox* zoneNameBox() const { return m_zoneName; }
    QLabel* offsetLabel() const { return m_offset; }

    void accept() override;

private:
    void fill();
    bool readField(QLineEdit* field, double lo, double hi, double& value);
    void refuse(QWidget* field, const QString& message);
    QComboBox* makeZoneNameBox();
    void onZoneNameChanged(const QString& text);

    PlaceFields m_fields;
    QLineEdit* m_name;
    QLineEdit* m_longitude;
    QLineEdit* m_latitude;
    QLineEdit* m_zone;
    QRadioButton* m_east;
    QRadioButton* m_west;
    QRadioButton* m_north;
    QRadioButton* m_south;
    QCheckBox* m_summer;
    QComboBox* m_zoneName;
    QLabel* m_offset;
};

}  // namespace zarn
