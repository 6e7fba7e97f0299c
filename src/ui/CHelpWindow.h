// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: French HTML pages compiled into the program, shown in a
// browser window. A help context number leads to a page and anchor.
#include <QTextBrowser>

namespace zarn {

class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr int kMainTopic = 131200;
    static constexpr int kAstroEvents = 98381;
    static constexpr int kChartOptions = 32833;
    // The pages of the constellation map, the catalogue and the search window.
    static constexpr int kConstellationsTopic = 130;
    static constexpr int kCatalogueTopic = 132;
    static constexpr int kSearchTopic = 136;
    // The printing page, for F1 while a print preview is open.
    static constexpr int kPrintTopic = 96259;

    // Shows the one help window at the page of a context (the contents page
    // for an unknown context) and brings it to the front. While a modal
    // dialog is open the help window stands above it and stays usable.
    static CHelpWindow* showContext(int context);
    static CHelpWindow* showContents();
    static QUrl urlOfContext(int context);
    // Closes the help window: the program ends with its main window.
    static void closeHelp();
    static bool isOpen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CHelpWindow();
    // Makes the window a child of the modal dialog (input to the dialog's
    // children is not blocked), or a window of its own without one.
    void followModalDialog();
};

}  // namespace zarn
