// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up picture: the 256-colour bitmap "eclipse.bmp" of the program
// directory in a borderless window centred on the main window, with the
// program's name, its version and two curves drawn over it.
#include <QImage>
#include <QWidget>

namespace zarn {

class CStartupPicture : public QWidget {
    Q_OBJECT
public:
    // Nothing is shown (and nullptr returned) when the file cannot be read.
    // The picture is centred on the owner, or on the given rectangle: where
    // the owner will stand once shown (maximised or restored).
    static CStartupPicture* show(const QString& bmpPath, QWidget* owner, const QRect& over = QRect());
    // Where a dialog of the given size stands so as not to hide the picture:
    // below it, else above it, else beside it, within the screen area.
    static QPoint placeClearOf(const QRect& picture, QSize dialog, const QRect& screen);
    // The picture with its colour entry 15 set to the title's orange.
    static QImage loadPicture(const QString& bmpPath);

    static const QColor kTitleColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CStartupPicture(QImage picture, QWidget* owner);
    void drawTitle(QPainter& painter, int a);

    QImage m_picture;
};

}  // namespace zarn
