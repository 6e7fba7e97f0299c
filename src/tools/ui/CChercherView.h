// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search window beside the sky window: every named star and deep-sky
// object of the catalogue by its proper name. Choosing one makes it the
// document's object to find: the sky window turns towards it and marks it.
// The user's own objects are not listed.
#include "ui/CDocView.h"

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

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
    QPushButton& catalogueButton() { return *m_catalogue; }
    CAstre* objectAt(int row) const;
    // The object last chosen here.
    CAstre* chosen() const { return m_chosen; }
    // Makes the current line's object the document's object to find: Return
    // or Enter, a click or a double click on the line.
    void choose();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void clearSelection();

    DocumentHost& m_doc;
    QListWidget* m_list;
    QPushButton* m_catalogue;
    std::vector<CAstre*> m_objects;  // the object of each line
    // The sky's names the list was last filled from, in the sky's order.
    std::vector<std::pair<std::string, CAstre*>> m_filledFrom;
    CAstre* m_chosen = nullptr;
};

}  // namespace zarn
