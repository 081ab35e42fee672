// The run of a benchmark executable: a GUI application of the kind its
// cases need, headless unless a platform is given, then the cases.

#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

namespace benchrun {

template <class Application>
int run(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchrun
