// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A name label drawn next to a point of a chart. The screen kind shows one
// label at a time (the name under the mouse or of the selected object); the
// print kind places star and planet names on paper without overlap, keeping
// the boxes it has committed since the last page.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sky/CSurface.h"

namespace zarn {

class CVueNoms {
public:
    enum class Kind { Screen, Print };
    // Placement codes: where the label box stands relative to its anchor.
    static constexpr int kRight = 4;
    static constexpr int kLeft = 6;
    // The order in which the print kind tries the placements, cyclically
    // from the preferred one.
    static constexpr std::array<int, 8> kPlacementCycle = {6, 2, 1, 0, 4, 40, 41, 42};

    explicit CVueNoms(Kind kind) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    void SetFont(const SFont& font) { m_font = font; }
    const SFont& Font() const { return m_font; }

    // The names that get a printed label, with their preferred placement code
    // written as a decimal number (the label map of the catalogue).
    void SetLabelCodes(const std::map<std::string, std::string>* codes) { m_codes = codes; }
    std::optional<int> CodeFor(const std::string& name) const;

    void Set(const std::string& text, SPoint anchor, int code, int offset);
    void SetCode(int code) { m_code = code; }
    void SetOffset(int offset) { m_offset = offset; }
    const std::string& Text() const { return m_text; }
    SPoint Anchor() const { return m_anchor; }
    int Code() const { return m_code; }
    int Offset() const { return m_offset; }

    // The label box for the current text, anchor, code and offset, measured
    // with the label's font on the surface.
    SRect ComputeBox(CSurface& surface);
    static SRect BoxFor(int code, SPoint anchor, int offset, SSize extent, int internalLeading);

    // Print kind: tries the eight codes from the preferred one and keeps the
    // first whose box is free and wholly visible; after eight refusals keeps
    // the preferred code. Returns whether a free place was found.
    bool Place(CSurface& surface);
    // Adds the current box to the occupied region and draws the label.
    void Commit(CSurface& surface);
    void ClearOccupied() { m_occupied.clear(); }
    void AddOccupied(const SRect& box) { m_occupied.push_back(box); }
    bool IsOccupied(const SRect& box) const;

    // Screen kind: draws the label (white on the sky colour) and remembers its
    // box; Hide clears the text and returns the box to repaint.
    void Show(CSurface& surface, const std::string& text, SPoint anchor, int code, int offset);
    SRect Hide();
    SRect Box() const { return m_box; }
    bool IsShown() const { return !m_text.empty(); }
    // Draws the label again where it stands (after a repaint of the chart).
    void Redraw(CSurface& surface);

private:
    void DrawText(CSurface& surface);

    Kind m_kind;
    SFont m_font;
    const std::map<std::string, std::string>* m_codes = nullptr;
    std::string m_text;
    SPoint m_anchor;
    int m_code = 0;
    int m_offset = 0;
    SRect m_box;
    std::vector<SRect> m_occupied;
};

}  // namespace zarn
