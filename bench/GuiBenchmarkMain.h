#pragma once

#include "platform/qt/QtColors.h"
#include "platform/qt/QtTextBackend.h"

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

// The main function of a benchmark program that needs a Qt application
// (fonts, images, widgets): on the offscreen platform unless the environment
// names another one, then Google Benchmark with its usual options.
template <typename Application>
int RunGuiBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    platform::qt::FollowApplicationPalette();
    const platform::qt::EngineTextBackend text;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
