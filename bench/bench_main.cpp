// main() of the benchmarks that need Qt's application object: the core one
// for the serial-port backend, or with KAV_BENCH_WIDGETS the widget one
// (offscreen unless a platform is set) for the window and the chart box.
#include <benchmark/benchmark.h>

#if defined(KAV_BENCH_WIDGETS)
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
#if defined(KAV_BENCH_WIDGETS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
