#pragma once
// The sky window while the charts are not drawn in it: a frame of the sky
// colour that the charts' view replaces. It keeps the duties every sky view
// has: it cannot be closed, it places itself right of the tool windows, and
// at every paint it writes the instant into the status bar.
#include "app/CDocView.h"

#include <QWidget>

class QMdiSubWindow;

namespace zarn {

class CMainFrame;
class CZarnDoc;

class CSkyPlaceholderView : public QWidget, public CDocView {
    Q_OBJECT
public:
    CSkyPlaceholderView(CZarnDoc& doc, CMainFrame& frame);
    ~CSkyPlaceholderView() override;

    static QMdiSubWindow* open(CZarnDoc& doc, CMainFrame& frame);
    // The sky frame's rectangle in a client area of the given size.
    static QRect frameRect(QSize client);

    void OnUpdate(CDocView* sender, unsigned hint, void* object) override;
    ViewKind viewKind() const override { return ViewKind::Sky; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CZarnDoc& m_doc;
    CMainFrame& m_frame;
};

}  // namespace zarn
