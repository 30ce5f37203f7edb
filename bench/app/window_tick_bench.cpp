// The application's main window, one 60 Hz tick at a time, headless at 400 x 572: the shader
// band's frame timer fires (render, read back) and the window redraws what changed. Reports the
// process CPU time per tick (the software rasteriser's threads included) beside the wall time.
//
//     <build>/bin/app_bench                (needs <build>/bundles; LP_NUM_THREADS=1 for one
//                                           rasteriser thread)

#include "app/ZindralApp.h"

#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/Window.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <memory>

namespace {

double processSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The application with its window shown; its updater talks to nothing.
struct App {
    tk::TestMainLoop loop;
    std::unique_ptr<app::ZindralApp> zindral;
    std::shared_ptr<tk::Window> window;

    App() {
        const auto build = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
        tk::Bundle::setMain(build / "bundles");
        app::AppEnvironment environment;
        environment.updater.host = updater::HostInfo{"Zindral", "1.0.0", "1"};
        environment.updater.fetcher = std::make_shared<updatertest::FixedFetcher>(
            tk::FetchResult::failure(tk::FetchError::Kind::transport, "offline"));
        environment.updater.userDriver = std::make_shared<updatertest::RecordingUserDriver>();
        environment.updater.settingsFile = std::filesystem::temp_directory_path() / "zindral-app-bench.json";
        environment.updater.openURL = [](const std::string&) { return true; };
        environment.updater.now = [] { return 1'765'350'000.0; };
        environment.feedURL = "https://u.example/appcast.xml";
        environment.terminate = [] {};
        zindral = std::make_unique<app::ZindralApp>(std::move(environment));
        window = zindral->body();
        zindral->launchFinished();
        loop.drain();
        window->display();
    }
};

void reportProcessTime(benchmark::State& state, double cpuSeconds) {
    state.counters["process_cpu_ms_per_tick"] =
        benchmark::Counter(cpuSeconds * 1e3 / static_cast<double>(state.iterations()));
}

// One tick: the band's frame timer and the window's redraw.
void BM_AppTick(benchmark::State& state) {
    App a;
    const double start = processSeconds();
    for (auto _ : state) {
        a.loop.advance(tk::seconds(1.0 / 60));
        a.window->displayIfNeeded();
    }
    reportProcessTime(state, processSeconds() - start);
}

// The window's redraw alone, after the band presented a new frame.
void BM_AppTickWindowRedraw(benchmark::State& state) {
    App a;
    for (auto _ : state) {
        state.PauseTiming();
        a.loop.advance(tk::seconds(1.0 / 60));
        state.ResumeTiming();
        a.window->displayIfNeeded();
    }
}

BENCHMARK(BM_AppTick)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AppTickWindowRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
