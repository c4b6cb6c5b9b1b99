// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host of this platform: the workbook files the user has opened in the
// program, read from disk. It runs while at least one workbook is open.
// Every attach reads the files anew, so a listing shows what the files hold
// now and a reading takes their content at the moment of reading.
#include "import/host/Host.h"
#include "import/workbook/VbaProject.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cb {

class Meldungen;

class WorkbookHost final : public Host {
public:
    /// Reads the project of a workbook by its full path; throws
    /// workbook::WorkbookError when it cannot.
    using MappenLeser = std::function<workbook::VbaProjekt(const std::string& pfad)>;

    /// meldungen hears of the workbooks whose project cannot be read.
    explicit WorkbookHost(Meldungen& meldungen);
    /// Reads through leser instead of from disk (the fuzzer hands it bytes).
    WorkbookHost(Meldungen& meldungen, MappenLeser leser);

    /// Adds the workbook (by its full path) after the open ones; false when
    /// it is open already or the path is empty.
    bool Oeffnen(const std::filesystem::path& datei);
    /// false when it was not open.
    bool Schliessen(const std::filesystem::path& datei);
    /// The open workbooks' full paths in the order they were opened; their
    /// positions are those of the projects.
    const std::vector<std::string>& Mappen() const { return m_mappen; }
    /// The workbooks that the last count of the projects could not read.
    const std::vector<std::string>& UnlesbareMappen() const { return *m_unlesbar; }

    bool MappeOeffnen(const std::string& pfad) override { return Oeffnen(pfad); }
    /// Objects handed out must not outlive the host.
    std::unique_ptr<HostAnwendung> Anbinden() override;

    /// The host's version text.
    static constexpr const char* VersionsText = "16.0";

private:
    Meldungen& m_meldungen;
    MappenLeser m_leser;
    std::vector<std::string> m_mappen;
    std::shared_ptr<std::vector<std::string>> m_unlesbar;
};

} // namespace cb
