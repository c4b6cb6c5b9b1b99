// SPDX-License-Identifier: GPL-3.0-or-later
// Colouring is on the path of every read and export: a module of about
// 1 MB through the transient colouring and on to the RTF document bytes.
#include "VbaKorpus.h"

#include "app/Start.h"
#include "app/Zustand.h"
#include "export/Html.h"
#include "render/CodeMarkieren.h"
#include "render/Rtf.h"

#include <benchmark/benchmark.h>

namespace {

cb::Zustand Standard() {
    cb::Zustand z;
    cb::StandardWerteSetzen(z);
    return z;
}

const std::string& Modul() {
    static const std::string m = cb::bench::VbaModul(1 << 20);
    return m;
}

void BM_ColourThenRtf(benchmark::State& state) {
    cb::Zustand z = Standard();
    z.Opt.Einruecken = state.range(0);
    const std::string& modul = Modul();
    for (auto _ : state) {
        std::string t = modul;
        cb::CodeMarkieren(z.Opt, t);
        cb::MarkenNachRtf(z.Opt, t);
        cb::RtfDokumentBilden(z.Opt, t);
        std::string bytes = cb::RtfBytes(t);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * modul.size()));
}
BENCHMARK(BM_ColourThenRtf)->Arg(0)->Arg(1)->ArgName("indent")->Unit(benchmark::kMillisecond);

void BM_ColourOnly(benchmark::State& state) {
    cb::Zustand z = Standard();
    const std::string& modul = Modul();
    for (auto _ : state) {
        std::string t = modul;
        cb::CodeMarkieren(z.Opt, t);
        benchmark::DoNotOptimize(t.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * modul.size()));
}
BENCHMARK(BM_ColourOnly)->Unit(benchmark::kMillisecond);

void BM_HtmlOfMarkedText(benchmark::State& state) {
    cb::Zustand z = Standard();
    std::string markiert = Modul();
    cb::CodeMarkieren(z.Opt, markiert);
    for (auto _ : state) {
        std::string t = markiert;
        cb::HtmlErzeugen(z.Opt, t);
        benchmark::DoNotOptimize(t.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Modul().size()));
}
BENCHMARK(BM_HtmlOfMarkedText)->Unit(benchmark::kMillisecond);

} // namespace
