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
    static constexpr int kConstellationsTopic = 131202;
    static constexpr int kCatalogueTopic = 131204;
    static constexpr int kSearchTopic = 131208;

    // Shows the one help window at the page of a context (the contents page
    // for an unknown context) and brings it to the front.
    static CHelpWindow* showContext(int context);
    static CHelpWindow* showContents();
    static QUrl urlOfContext(int context);

private:
    CHelpWindow();
};

}  // namespace zarn
