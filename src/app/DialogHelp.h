#pragma once
// F1 in a dialog opens the help page of that dialog.
#include <QObject>

namespace zarn {

class DialogHelp : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The help context of the window a widget belongs to; 0 when it has no page.
    static int contextOf(const QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zarn
