#pragma once
// The sky window's frame: the view-button bar docked on the left (the whole
// sky, the eight horizon directions and the seven bodies) and the sky view.
#include <QWidget>

namespace zarn {

class CZarnView;
class SkyViewHost;

class CZarnFrm : public QWidget {
    Q_OBJECT
public:
    explicit CZarnFrm(SkyViewHost& host, QWidget* parent = nullptr);

    CZarnView& View() { return *m_view; }
    QWidget& ButtonBar() { return *m_bar; }

    // The sixteen buttons: their caption (empty for a picture), command and
    // status text.
    struct Button {
        const char* caption;
        int command;
        const char* status;
    };
    static const Button kButtons[16];

private:
    QWidget* BuildBar(SkyViewHost& host);

    QWidget* m_bar = nullptr;
    CZarnView* m_view = nullptr;
};

}  // namespace zarn
