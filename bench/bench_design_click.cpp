// The whole Click of "Design" on the real window, drawn offscreen: read the
// frequency box, compute the selected order, write the result boxes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

#include "form1.h"
#include "look.h"

namespace {

// The handler alone, as a click runs it.
void BM_DesignClick(benchmark::State& state) {
    Form1 form;
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.Behaviour().Command1_Click();
    }
}

// The handler and the repaint of what it changed, as the user sees it.
void BM_DesignClickAndRepaint(benchmark::State& state) {
    Form1 form;
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.Behaviour().Command1_Click();
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_DesignClick);
BENCHMARK(BM_DesignClickAndRepaint);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lpf::PrepareApplication(app);  // as the program itself starts
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
