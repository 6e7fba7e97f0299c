#include "app/CSkyPlaceholderView.h"

#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

namespace zarn {

namespace {
// The sky frame stays open as long as the document lives.
class CSkyFrame : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};
}  // namespace

CSkyPlaceholderView::CSkyPlaceholderView(CZarnDoc& doc, CMainFrame& frame)
    : m_doc(doc), m_frame(frame)
{
    setMinimumSize(200, 150);
    m_doc.AddView(this);
}

CSkyPlaceholderView::~CSkyPlaceholderView() { m_doc.RemoveView(this); }

QRect CSkyPlaceholderView::frameRect(QSize client)
{
    // The area left of the sky stays free for the tool windows.
    const int x = (client.width() + 2) * 10 / 37;
    return QRect(x, 0, client.width() - x, client.height());
}

QMdiSubWindow* CSkyPlaceholderView::open(CZarnDoc& doc, CMainFrame& frame)
{
    auto* view = new CSkyPlaceholderView(doc, frame);
    auto* sub = new CSkyFrame;
    sub->setWidget(view);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowTitle(doc.skyTitle());
    frame.mdiArea()->addSubWindow(sub);
    frame.setSkyFrame(sub);
    QObject::connect(&doc, &CZarnDoc::skyTitleChanged, sub, &QWidget::setWindowTitle);
    QObject::connect(&frame, &CMainFrame::resizedWithSkyFrame, sub, [sub, &frame] {
        sub->setGeometry(frameRect(frame.mdiArea()->viewport()->size()));
    });
    sub->setGeometry(frameRect(frame.mdiArea()->viewport()->size()));
    sub->show();
    return sub;
}

void CSkyPlaceholderView::OnUpdate(CDocView*, unsigned, void*)
{
    m_doc.refreshTimeBar();
    update();
}

void CSkyPlaceholderView::paintEvent(QPaintEvent*)
{
    const CInstant& instant = m_doc.instant();
    m_frame.setInstantTexts(QString::fromStdString(instant.placeText()),
                            QString::fromStdString(instant.dateText()),
                            QString::fromStdString(instant.timeText()));
    QPainter painter(this);
    painter.fillRect(rect(), m_frame.programPalette().skyColour());
}

}  // namespace zarn
