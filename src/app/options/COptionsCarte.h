// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart options sheet " Options carte": sky colour and star colouring,
// the special objects and the user's own objects on three pages. It works on
// copies; the caller takes the values back only when the sheet is accepted.
#include "app/options/ChartOptionsValues.h"
#include "sky/UserObjectEntry.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTabWidget;

namespace zarn {

class COptionsCouleurs;
class COptionsNoms;
class COptionsNouveauxObjets;
class COptionsObjets;

class COptionsCarte : public QDialog {
    Q_OBJECT
public:
    COptionsCarte(const QString& title, const ChartOptionsValues& values, std::vector<UserObjectEntry> userObjects,
                  const PreviewDrawer& drawer, QWidget* parent);

    int run() { return exec(); }

    const ChartOptionsValues& values() const { return m_values; }
    // Whether the user-object list was changed (even back to what it was).
    bool userObjectsChanged() const;
    const std::vector<UserObjectEntry>& userObjects() const;

    QTabWidget* tabs() const { return m_tabs; }
    COptionsCouleurs* colourPage() const { return m_colours; }
    COptionsObjets* objectPage() const { return m_objects; }
    COptionsNoms* namesPage() const { return m_names; }
    COptionsNouveauxObjets* userObjectPage() const { return m_userObjects; }
    QPushButton* okButton() const { return m_ok; }

private:
    ChartOptionsValues m_values;
    QTabWidget* m_tabs;
    COptionsCouleurs* m_colours;
    COptionsObjets* m_objects;
    COptionsNoms* m_names;
    COptionsNouveauxObjets* m_userObjects;
    QPushButton* m_ok;
};

}  // namespace zarn
