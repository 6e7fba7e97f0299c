// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window beside the sky window: every named star and deep-sky
// object of the catalogue by its proper name. Choosing one makes it the
// document's object to find: the sky window turns towards it and marks it.
// A field above the list filters the names as they are typed. The user's
// own objects are not listed.
#include "ui/CDocView.h"

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;
class QMdiSubWindow;
class QPushButton;

namespace zarn {

class CAstre;
class CWorkspace;
class DocumentHost;

class CChercherView : public QWidget, public CDocView {
    Q_OBJECT
public:
    explicit CChercherView(DocumentHost& doc, QWidget* parent = nullptr);
    ~CChercherView() override;

    static QMdiSubWindow* open(DocumentHost& doc, CWorkspace& frame);

    // CDocView
    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Chercher; }

    // Fills the list again, keeping the selected line and the scroll position.
    void fill();
    QListWidget& list() { return *m_list; }
    QLineEdit& filterField() { return *m_filter; }
    QPushButton& catalogueButton() { return *m_catalogue; }
    CAstre* objectAt(int row) const;
    // The object last chosen here.
    CAstre* chosen() const { return m_chosen; }
    // Makes the current line's object the document's object to find: Return
    // or Enter, a click or a double click on the line.
    void choose();
    // Shows only the lines whose name, or Messier number, answers the
    // filter field; all of them when it is empty.
    void applyFilter();
    // The first line the filter shows, or -1.
    int firstShownRow() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearSelection();
    bool answersFilter(int row, const std::string& typed, int messier) const;
    // Return in the filter field: the first line shown is chosen.
    void chooseFirstShown();

    DocumentHost& m_doc;
    QLineEdit* m_filter;
    QListWidget* m_list;
    QPushButton* m_catalogue;
    std::vector<CAstre*> m_objects;  // the object of each line
    // The sky's names the list was last filled from, in the sky's order.
    std::vector<std::pair<std::string, CAstre*>> m_filledFrom;
    CAstre* m_chosen = nullptr;
};

}  // namespace zarn
