// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sky window's frame: the view-button bar docked on the left (the whole
// sky, the eight horizon directions and the seven bodies) and the sky view.
#include <QWidget>

namespace zarn {

class CViewButtonBar;
class CZarnView;
class SkyViewHost;

class CZarnFrm : public QWidget {
    Q_OBJECT
public:
    explicit CZarnFrm(SkyViewHost& host, QWidget* parent = nullptr);

    CZarnView& View() { return *m_view; }
    CViewButtonBar& ButtonBar() { return *m_bar; }

private:
    CViewButtonBar* m_bar = nullptr;
    CZarnView* m_view = nullptr;
};

}  // namespace zarn
