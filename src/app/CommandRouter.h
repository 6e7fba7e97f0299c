// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the menus and buttons: each goes to the part of the
// document that carries it out, and after every update and every change of
// the active window the enabled and checked states are decided again here.
#include "ui/CDocView.h"

namespace zarn {

class CZarnDoc;

class CommandRouter {
public:
    explicit CommandRouter(CZarnDoc& doc) : m_doc(doc) {}

    void onCommand(int id);
    void updateCommandStates();

private:
    void onWindowCommand(int id);
    bool isWindowOpen(ViewKind kind) const;

    CZarnDoc& m_doc;
};

}  // namespace zarn
