#pragma once
// What every window that shows the document implements: it registers with the
// document and receives the update hints after every change.
namespace zarn {

// The window kinds of the program; the document decides some commands by the
// kind of the active window.
enum class ViewKind { Sky, Constellations, Animation, Catalogue, Soleil, Ephemerides, Conjonction, Chercher };
constexpr int kViewKindCount = 8;

class CDocView {
public:
    virtual ~CDocView() = default;
    // sender: the view that caused the change (it is not called), or nullptr;
    // hint: the bits of Hints.h; object: the view concerned by a 256/16384 hint.
    virtual void OnUpdate(CDocView* sender, unsigned hint, void* object) = 0;
    virtual ViewKind viewKind() const = 0;
};

}  // namespace zarn
