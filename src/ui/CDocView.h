// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window that shows the document implements: it registers with the
// document and receives the update hints after every change.
class QMdiSubWindow;

namespace zarn {

class CDateHeure;

// The window kinds of the program; the document decides some commands by the
// kind of the active window.
enum class ViewKind { Sky, Constellations, Animation, Catalogue, Soleil, Ephemerides, Conjonction, Chercher, Nuit };
constexpr int kViewKindCount = 9;

class CDocView {
public:
    virtual ~CDocView() = default;
    // sender: the view that caused the change (it is not called), or nullptr;
    // hint: the bits of Hints.h; object: the view concerned by a 256/16384 hint.
    virtual void OnUpdate(CDocView* sender, unsigned hint, void* object) = 0;
    virtual ViewKind viewKind() const = 0;
    // "&Imprimer": the print preview of the view, when it prints.
    virtual bool canPrint() const { return false; }
    virtual void printPreview() {}
    // The print command itself (print dialog, or a PDF file without printer).
    virtual void print() {}
    // The body (index 0 Sun ... 6 Moon) and date on which the ephemerides
    // dialog opens when this view is active, as the conjunction and animation
    // windows ask through their context menus; false to use the document's
    // own date and the dialog's last body.
    virtual bool ephemeridesRequest(int* bodyIndex, CDateHeure* date) const
    {
        (void)bodyIndex;
        (void)date;
        return false;
    }
};

// The view a window of the main window shows: the frame itself or its widget.
CDocView* viewOfFrame(QMdiSubWindow* frame);

}  // namespace zarn
