// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CHelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>

namespace zarn {

namespace {

struct ContextPage {
    int context;
    const char* url;
};

// The contexts the program opens: the main topic, the file errors, the
// astronomical events, the print preview and the dialogs.
constexpr ContextPage kPages[] = {
    {CHelpWindow::kMainTopic, "qrc:/help/index.html"},
    {12, "qrc:/help/fichiers.html#manquant"},
    {10, "qrc:/help/fichiers.html#lecture"},
    {CHelpWindow::kAstroEvents, "qrc:/help/evenements.html"},
    {CHelpWindow::kPrintTopic, "qrc:/help/impression.html"},
    {483, "qrc:/help/observatoires.html"},
    {485, "qrc:/help/observatoires.html#lieu"},
    {101, "qrc:/help/date.html"},
    {114, "qrc:/help/date.html#ete"},
    {32819, "qrc:/help/date.html#temps"},
    {209, "qrc:/help/ephemerides.html"},
    {133, "qrc:/help/soleil.html"},
    {336, "qrc:/help/saisons.html"},
    {134, "qrc:/help/visibilite.html"},
    {138, "qrc:/help/cesoir.html"},
    {182, "qrc:/help/conjonction.html"},
    {453, "qrc:/help/animation.html"},
    {CHelpWindow::kChartOptions, "qrc:/help/options.html"},
    {CHelpWindow::kConstellationsTopic, "qrc:/help/constellations.html"},
    {CHelpWindow::kCatalogueTopic, "qrc:/help/catalogue.html"},
    {CHelpWindow::kSearchTopic, "qrc:/help/chercher.html"},
};

QPointer<CHelpWindow> g_window;

}  // namespace

CHelpWindow::CHelpWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Aide de ZARN"));
    setOpenExternalLinks(false);
    resize(640, 520);
}

QUrl CHelpWindow::urlOfContext(int context)
{
    for (const ContextPage& page : kPages)
        if (page.context == context)
            return QUrl(QString::fromLatin1(page.url));
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

void CHelpWindow::followModalDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this || modal == parentWidget())
        return;
    const QRect place = geometry();
    const bool placed = testAttribute(Qt::WA_Moved);
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    setParent(modal, Qt::Window);
    if (placed)
        setGeometry(place);
    if (modal)
        modal->installEventFilter(this);
}

bool CHelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The dialog closes: the help window stays open on its own.
    if (watched == parentWidget() && event->type() == QEvent::Hide) {
        const bool shown = isVisible();
        parentWidget()->removeEventFilter(this);
        const QRect place = geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(place);
        if (shown)
            show();
    }
    return QTextBrowser::eventFilter(watched, event);
}

void CHelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

bool CHelpWindow::isOpen() { return g_window && g_window->isVisible(); }

void CHelpWindow::closeHelp()
{
    if (g_window)
        g_window->close();
}

CHelpWindow* CHelpWindow::showContext(int context)
{
    if (!g_window)
        g_window = new CHelpWindow;
    g_window->followModalDialog();
    g_window->setSource(urlOfContext(context));
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

CHelpWindow* CHelpWindow::showContents() { return showContext(kMainTopic); }

}  // namespace zarn
