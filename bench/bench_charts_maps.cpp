// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the constellation map and the catalogue browser in the program's
// document (Paris, 15 December 2026 at 19.00): opening the map from a click
// to its first paint, a repaint at 1920 × 1080 with the grid, filling a list
// of the browser and one keystroke of its search.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <memory>

#include "app/CConstellationsWindow.h"
#include "app/CSettingsStore.h"
#include "app/CZarnDoc.h"
#include "charts/ui/CConstellationsView.h"
#include "shell/CMainFrame.h"
#include "sky/CConstellation.h"
#include "settings/ZarnSettings.h"
#include "tools/ui/CCatalogueView.h"

namespace {

using namespace zarn;

struct Program {
    QTemporaryDir dir;
    std::unique_ptr<CSettingsStore> store;
    std::unique_ptr<CMainFrame> frame;
    CZarnDoc* doc = nullptr;
    const CConstellation* orion = nullptr;

    Program()
    {
        store = std::make_unique<CSettingsStore>(dir.filePath(QStringLiteral("ZARN.INI")));
        Profile p;
        ZarnSettings s = readSettings(p);
        s.observatories.push_back(CLieu("Paris", -2.3333333, 48.85 * 0.0174532925199433, 1, 1));
        writeSettings(s, p, false);
        store->save(p);
        frame = std::make_unique<CMainFrame>();
        frame->resize(1280, 800);
        doc = new CZarnDoc(*frame, programWindowKinds(), QStringLiteral(ZARN_DATA_DIR), *store);
        doc->setMinimumSplashMs(0);
        doc->load();
        doc->instant() = CInstant(15, 12, 2026, 19, 0, 0, doc->observatories().front());
        doc->recomputeSky();
        frame->show();
        doc->openWindow(ViewKind::Sky);
        orion = doc->sky().ciel().findLast("Orion");
    }
};

Program& program()
{
    static Program p;
    return p;
}

// Betelgeuse clicked on the sky chart: the map opens, places every object
// and paints once.
void BM_OpenMapToFirstPaint(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state) {
        CConstellationsWindow* map = CConstellationsWindow::showMap(*p.doc, *p.orion, 1.5497, 0.1293);
        QImage image(map->view().size(), QImage::Format_ARGB32_Premultiplied);
        map->view().render(&image);
        state.PauseTiming();
        delete map;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMapToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_RepaintMapWithGrid(benchmark::State& state)
{
    Program& p = program();
    p.doc->options().coordinateGrid = 1;
    // A view of its own, at the full size, on the window's host.
    CConstellationsWindow* host = CConstellationsWindow::showMap(*p.doc, *p.orion, 1.5497, 0.1293);
    CConstellationsView view(*host);
    view.SetConstellation(p.orion);
    view.resize(1920, 1080);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    view.render(&image);  // places once
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    p.doc->options().coordinateGrid = 0;
    delete host;
}
BENCHMARK(BM_RepaintMapWithGrid)->Unit(benchmark::kMillisecond);

void BM_CatalogueFill(benchmark::State& state)
{
    CCatalogueView view(*program().doc);
    int kind = 2;
    for (auto _ : state) {
        view.setKind(kind);
        kind = kind == 2 ? 3 : 2;
    }
}
BENCHMARK(BM_CatalogueFill)->Unit(benchmark::kMillisecond);

void BM_CatalogueKeystroke(benchmark::State& state)
{
    CCatalogueView view(*program().doc);
    view.setKind(2);
    const QString typed[] = {QStringLiteral("z"), QStringLiteral("B"), QStringLiteral("Bé"), QStringLiteral("Bét"),
                             QStringLiteral("Véga")};
    std::size_t n = 0;
    for (auto _ : state) {
        view.searchField().setText(typed[n]);
        n = (n + 1) % std::size(typed);
    }
}
BENCHMARK(BM_CatalogueKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
