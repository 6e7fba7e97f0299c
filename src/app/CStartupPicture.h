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
    static CStartupPicture* show(const QString& bmpPath, QWidget* owner);
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
