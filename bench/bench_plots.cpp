// SPDX-License-Identifier: GPL-3.0-or-later
// The plots drawn and saved as BMP files, each beside the time to write a
// blank BMP file of its size: the radius plot of a 1,000-hit search, and the
// location plot of a British parish on the shipped coastline and places.
#include "plot/location_plot.h"
#include "plot/radius_plot.h"
#include "ratio_report.h"
#include "render/picture.h"
#include "text/file_replace.h"
#include "text/text_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "steeplewatcher-bench-plots";

// The baseline: a white picture of the size, made into BMP bytes and written.
void BlankBmp(benchmark::State& state)
{
    const plot::Drawing blank{static_cast<int>(state.range(0)), static_cast<int>(state.range(0)), {}};
    for ([[maybe_unused]] auto _ : state)
        render::savePicture(blank, kFolder / "blank.bmp");
}

void RadiusPlot1000(benchmark::State& state)
{
    std::string list;
    for (int i = 0; i <= 1000; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "Parish %-8d%6d%6dLEI\r\n", i, 400 + i % 40, 300 + i / 40);
        list += line;
    }
    for ([[maybe_unused]] auto _ : state)
        render::savePicture(plot::radiusPlot({list, 25, 20}).drawing, kFolder / "ParPlot.BMP");
}

void LocationPlotBritain(benchmark::State& state)
{
    const std::string coast = text::readFile(std::filesystem::path(DATA_DIR) / "UKCoast.Txt");
    const std::string places = text::readFile(std::filesystem::path(DATA_DIR) / "UKLocs.Txt");
    for ([[maybe_unused]] auto _ : state)
        render::savePicture(
            plot::locationPlot({plot::Country::GreatBritain, coast, places, 435, 316, "Ashby-de-la-Zouch", 10}),
            kFolder / "LocPlot.BMP");
}

BENCHMARK(BlankBmp)->Arg(1200)->Arg(1600)->Unit(benchmark::kMillisecond);
BENCHMARK(RadiusPlot1000)->Unit(benchmark::kMillisecond);
BENCHMARK(LocationPlotBritain)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    render::ensureGuiApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    std::filesystem::create_directories(kFolder);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bench::printSummary(std::cout, reporter.times(), "BlankBmp/1200",
                        {{"RadiusPlot1000", bench::Goal::Kind::Beside, 0, "BlankBmp/1200"},
                         {"LocationPlotBritain", bench::Goal::Kind::Beside, 0, "BlankBmp/1600"}});
    std::filesystem::remove_all(kFolder);
    render::endGuiApplication();
    return reporter.anyError() ? 1 : 0;
}
