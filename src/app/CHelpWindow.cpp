#include "app/CHelpWindow.h"

#include <QApplication>
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
    {96259, "qrc:/help/impression.html"},
    {483, "qrc:/help/observatoires.html"},
    {485, "qrc:/help/observatoires.html#lieu"},
    {101, "qrc:/help/date.html"},
    {114, "qrc:/help/date.html#ete"},
    {32819, "qrc:/help/date.html#temps"},
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

CHelpWindow* CHelpWindow::showContext(int context)
{
    if (!g_window)
        g_window = new CHelpWindow;
    // Opened from a modal dialog, the help window belongs to that dialog:
    // otherwise it would stay behind it and take no input until it closed.
    QWidget* modal = QApplication::activeModalWidget();
    if (g_window->parentWidget() != modal)
        g_window->setParent(modal, Qt::Window);
    g_window->setSource(urlOfContext(context));
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

CHelpWindow* CHelpWindow::showContents() { return showContext(kMainTopic); }

}  // namespace zarn
