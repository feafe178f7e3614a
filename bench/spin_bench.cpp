// Time of one accepted spin through the real entry road (write the entry box, press Enter) with
// the history full, headless; and a run of 10,000 spins followed by the one repaint a view does.
#include <benchmark/benchmark.h>

#include "forms/convert.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

void spin(Session& s, int n) {
    auto& box = s.frm1basic().SpinEntryBox();
    box.setText(forms::numText(n));
    box.pressEnter();
}

void BM_Spin(benchmark::State& state) {
    Session s{42};
    std::uniform_int_distribution<int> wheel(0, 36);
    for (int i = 0; i < 40; ++i) spin(s, wheel(s.rng()));
    for (auto _ : state) spin(s, wheel(s.rng()));
    for (auto* f : s.loadedForms()) f->takeDirty();
}
BENCHMARK(BM_Spin);

void BM_TenThousandSpinsThenRepaint(benchmark::State& state) {
    for (auto _ : state) {
        Session s{42};
        std::uniform_int_distribution<int> wheel(0, 36);
        for (int i = 0; i < 10000; ++i) spin(s, wheel(s.rng()));
        size_t repainted = 0;
        for (auto* f : s.loadedForms()) repainted += f->takeDirty().size();
        benchmark::DoNotOptimize(repainted);
    }
}
BENCHMARK(BM_TenThousandSpinsThenRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
