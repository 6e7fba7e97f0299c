// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue browser: the constellations by name or abbreviation, the
// named stars and the named clusters, nebulae and galaxies, with a search
// that selects the entry as the user types, and the button that shows the
// chosen entry on the constellation map.
#include "ui/CDocView.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

#include "tools/CatalogueList.h"
#include "tools/ui/CatalogueColumns.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiSubWindow;
class QPushButton;

namespace zarn {

class CWorkspace;
class DocumentHost;

class CCatalogueView : public QWidget, public CDocView {
    Q_OBJECT
public:
    CCatalogueView(DocumentHost& doc, QWidget* parent = nullptr);
    ~CCatalogueView() override;

    static QMdiSubWindow* open(DocumentHost& doc, CWorkspace& frame);

    // CDocView
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Catalogue; }

    // Fills the list with the lines of a kind (0 constellations by name,
    // 1 by abbreviation, 2 stars, 3 clusters, nebulae and galaxies).
    void setKind(int kind);
    int kind() const { return m_kind; }
    // Selects the first line that does not sort before the typed text, as
    // the search field does at every keystroke.
    void search(const QString& typed);
    // Shows the selected entry on the constellation map.
    void showSelected();
    // Widens the form to show the further columns.
    void showDetails();
    bool detailsShown() const { return m_details; }

    QComboBox& kindBox() { return *m_kindBox; }
    QLineEdit& searchField() { return *m_search; }
    QListWidget& list() { return *m_list; }
    QPushButton& showButton() { return *m_show; }
    QPushButton& detailsButton() { return *m_detailsButton; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The line a typed text (without leading blanks, lowered) selects.
    std::size_t searchRow(const std::string& key) const;
    void onSelectionChanged();
    void updateColumns();
    void fitWidth();
    void placeHeaders();

    DocumentHost& m_doc;
    int m_kind = -1;
    bool m_details = false;
    bool m_copying = false;  // the selection is being copied into the search field
    std::vector<CatalogueLine> m_lines;
    std::vector<std::string> m_keys;  // each line without leading blanks, in lower case
    CatalogueColumns m_columns;
    QComboBox* m_kindBox;
    QLineEdit* m_search;
    QListWidget* m_list;
    QLabel* m_headers[3];
    QPushButton* m_show;
    QPushButton* m_detailsButton;
    QPushButton* m_close;
    QPointer<QWidget> m_focusBeforeKinds;
};

}  // namespace zarn
