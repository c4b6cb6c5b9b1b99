// SPDX-License-Identifier: GPL-3.0-or-later
// A code pane is filled from its module's marked text whenever a project is
// shown: a module of about 1 MB to text and spans, beside the RTF document
// that the pane was given before.
#include "VbaKorpus.h"

#include "app/Start.h"
#include "app/Zustand.h"
#include "render/CodeAnsicht.h"
#include "render/CodeMarkieren.h"
#include "render/Rtf.h"

#include <benchmark/benchmark.h>

namespace {

cb::Zustand Standard() {
    cb::Zustand z;
    cb::StandardWerteSetzen(z);
    return z;
}

const std::string& Markiert() {
    static const std::string m = [] {
        std::string t = cb::bench::VbaModul(1 << 20);
        cb::CodeMarkieren(Standard().Opt, t);
        return t;
    }();
    return m;
}

void BM_CodeAnsichtBilden(benchmark::State& state) {
    const std::string& markiert = Markiert();
    const bool fett = state.range(0);
    for (auto _ : state) {
        cb::CodeAnsicht a = cb::CodeAnsichtBilden(markiert, fett);
        benchmark::DoNotOptimize(a.Text.data());
        benchmark::DoNotOptimize(a.Farben.data());
    }
    cb::CodeAnsicht a = cb::CodeAnsichtBilden(markiert, fett);
    state.counters["colour_spans"] = static_cast<double>(a.Farben.size());
    state.counters["bold_spans"] = static_cast<double>(a.Fett.size());
    state.counters["marked_bytes"] = static_cast<double>(markiert.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * markiert.size()));
}
BENCHMARK(BM_CodeAnsichtBilden)->Arg(1)->Arg(0)->ArgName("bold")->Unit(benchmark::kMillisecond);

void BM_RtfDokumentFuerDenBereich(benchmark::State& state) {
    cb::Zustand z = Standard();
    const std::string& markiert = Markiert();
    for (auto _ : state) {
        std::string t = markiert;
        cb::MarkenNachRtf(z.Opt, t);
        cb::RtfDokumentBilden(z.Opt, t);
        std::string bytes = cb::RtfBytes(t);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * markiert.size()));
}
BENCHMARK(BM_RtfDokumentFuerDenBereich)->Unit(benchmark::kMillisecond);

} // namespace
