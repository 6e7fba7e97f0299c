#pragma once
// A dialog of fixed size gets a frame with a title and a close button, but no
// minimise or maximise button, whatever the window manager would add.
#include <QObject>

class QWidget;

namespace zarn {

class DialogFrames : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Whether the window is a dialog whose size cannot change.
    static bool isFixedDialog(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zarn
