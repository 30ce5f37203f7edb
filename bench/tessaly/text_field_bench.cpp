// Typing into a styled text field: one character typed into a field holding 200 characters and
// deleted again, with the window's redraw after each key (so each iteration is two keys and two
// frames).
//
//   build/bin/tessaly_bench --benchmark_filter=Typing

#include "Tessaly/Controls/StyledTextField.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_TypingIntoA200CharacterField(benchmark::State& state) {
    tk::testing::useBuiltBundles();
    tk::TestMainLoop loop;
    auto backend = std::make_shared<tk::HeadlessBackend>();
    tk::setCurrentBackend(backend);
    {
        tk::HeadlessWindow window({400, 40}, 2);
        auto field = tk::View::make<Tessaly::StyledTextField>(tk::Rect{10, 9, 380, 22});
        window.contentView().addSubview(field);
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "Pattern 12";
        field->setText(text);
        window.click({385, 20});
        window.render();
        for (auto _ : state) {
            window.type("x");
            benchmark::DoNotOptimize(&window.render());
            window.key(tk::KeyCode::deleteBackward);
            benchmark::DoNotOptimize(&window.render());
        }
        state.SetLabel(std::to_string(field->text().size()) + " characters, 2x");
    }
    tk::setCurrentBackend(nullptr);
}
BENCHMARK(BM_TypingIntoA200CharacterField)->Unit(benchmark::kMicrosecond);

} // namespace
