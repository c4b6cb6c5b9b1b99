// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile containers answered quickly: OLE directories beyond the limits
// refused before gsf reads them (goal: well under a second), the largest
// directory still allowed (what the limit lets gsf cost), and a megabyte of
// [Content_Types].xml built to make a backward search quadratic.
#include "import/workbook/ContainerReader.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"
#include "testhilfen/ContainerWriter.h"
#include "testhilfen/OleVerzeichnis.h"
#include "testhilfen/VbaProjectWriter.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace cb::workbook;

// Every run must end in the refusal it is about, or the figure means nothing.
void Ablehnen(benchmark::State& state, const std::string& bytes, WorkbookFehler erwartet) {
    for (auto _ : state) {
        try {
            WorkbookAusBytes(bytes, "bench");
            throw std::logic_error("read without refusal");
        } catch (const WorkbookError& e) {
            if (e.Art() != erwartet)
                throw std::logic_error(e.what());
        }
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_OleKette50000Ablehnen(benchmark::State& state) {
    static const std::string xlsm =
        ZipSchreiben({{"xl/vbaProject.bin", OleMitVerzeichnis(50000, VerzeichnisForm::Kette)}});
    Ablehnen(state, xlsm, WorkbookFehler::VerzeichnisZuGross);
}
BENCHMARK(BM_OleKette50000Ablehnen)->Unit(benchmark::kMillisecond);

void BM_OleVerzeichnis100000Ablehnen(benchmark::State& state) {
    static const std::string bin = OleMitVerzeichnis(100000, VerzeichnisForm::Ausgewogen);
    Ablehnen(state, bin, WorkbookFehler::VerzeichnisZuGross);
}
BENCHMARK(BM_OleVerzeichnis100000Ablehnen)->Unit(benchmark::kMillisecond);

// The most entries allowed, in one storage: gsf reads them all.
void BM_OleVerzeichnisAmLimit(benchmark::State& state) {
    static const std::string bin = OleMitVerzeichnis(MaxOleEintraege - 1, VerzeichnisForm::Ausgewogen);
    Ablehnen(state, bin, WorkbookFehler::KeinVbaProjekt);
}
BENCHMARK(BM_OleVerzeichnisAmLimit)->Unit(benchmark::kMillisecond);

void BM_InhaltsTypen1MiB(benchmark::State& state) {
    static const std::string xlsm = [] {
        ProjektVorlage v;
        v.name = "Typen";
        v.module = {{"Modul1", KomponentenArt::Standard, "Sub A()\r\nEnd Sub\r\n"}};
        std::string typen;
        while (typen.size() + 400 < MaxInhaltsTypen)
            typen += "\"application/vnd.ms-office.vbaProject\" ";
        typen += "<Types><Override PartName=\"/macros/code.bin\" "
                 "ContentType=\"application/vnd.ms-office.vbaProject\"/></Types>";
        return ZipSchreiben({{"[Content_Types].xml", typen}, {"macros/code.bin", VbaProjectBin(v)}});
    }();
    for (auto _ : state)
        benchmark::DoNotOptimize(WorkbookAusBytes(xlsm, "bench"));
    state.counters["bytes"] = static_cast<double>(xlsm.size());
}
BENCHMARK(BM_InhaltsTypen1MiB)->Unit(benchmark::kMillisecond);

} // namespace
