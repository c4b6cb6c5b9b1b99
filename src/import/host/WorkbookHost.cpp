// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/host/WorkbookHost.h"

#include "app/Meldungen.h"
#include "app/Text.h"
#include "import/host/CodeZeilen.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <unordered_map>

namespace cb {

namespace {

namespace wb = cb::workbook;

const char* const IndexFehler = "Index außerhalb des gültigen Bereichs";

std::string VollerPfad(const std::filesystem::path& datei) {
    std::error_code ec;
    auto voll = std::filesystem::absolute(datei, ec);
    return (ec ? datei : voll).lexically_normal().string();
}

int HostTyp(wb::KomponentenArt art) {
    switch (art) {
    case wb::KomponentenArt::Dokument:
        return HostDokument;
    case wb::KomponentenArt::Standard:
        return HostStandardModul;
    case wb::KomponentenArt::Klasse:
        return HostKlassenModul;
    case wb::KomponentenArt::Designer:
        return HostUserForm;
    }
    return HostActiveXDesigner;
}

struct Mappe {
    std::string pfad;
    std::optional<wb::VbaProjekt> projekt; // empty when the file cannot be read
    std::string fehler;                    // then why, naming the file
};

// One attach: the workbooks open at that moment, each read at its first use
// and then kept, so that one listing or one reading sees one state of a file.
struct Sitzung {
    std::vector<std::string> pfade;
    std::vector<std::optional<Mappe>> mappen;
    Meldungen& meldungen;
    WorkbookHost::MappenLeser leser;
    std::shared_ptr<std::vector<std::string>> unlesbar;
    bool gemeldet = false;

    Mappe& Gelesen(std::int64_t position) {
        if (position < 1 || static_cast<std::size_t>(position) > pfade.size())
            throw HostFehler(IndexFehler);
        auto& eintrag = mappen[static_cast<std::size_t>(position) - 1];
        if (!eintrag) {
            Mappe m{pfade[static_cast<std::size_t>(position) - 1], std::nullopt, {}};
            try {
                m.projekt = leser(m.pfad);
            } catch (const wb::WorkbookError& e) {
                m.fehler = e.what();
            } catch (const std::exception& e) {
                m.fehler = "\"" + m.pfad + "\": " + e.what();
            }
            eintrag = std::move(m);
        }
        return *eintrag;
    }
};

using SitzungPtr = std::shared_ptr<Sitzung>;

const wb::VbaProjekt& LesbaresProjekt(Sitzung& s, std::int64_t position) {
    auto& m = s.Gelesen(position);
    if (!m.projekt)
        throw HostFehler(m.fehler);
    return *m.projekt;
}

const wb::Komponente& KomponenteAn(Sitzung& s, std::int64_t projekt, std::size_t index) {
    return LesbaresProjekt(s, projekt).komponenten.at(index);
}

class Modul final : public HostCodeModul {
public:
    Modul(SitzungPtr s, std::int64_t projekt, std::size_t index)
        : m_s(std::move(s)), m_projekt(projekt), m_index(index) {}
    std::int64_t CountOfLines() override {
        return static_cast<std::int64_t>(KomponenteAn(*m_s, m_projekt, m_index).zeilen);
    }
    std::string Lines(std::int64_t start, std::int64_t count) override {
        return CodeZeilenAusschnitt(KomponenteAn(*m_s, m_projekt, m_index).code, start, count);
    }

private:
    SitzungPtr m_s;
    std::int64_t m_projekt;
    std::size_t m_index;
};

class Komp final : public HostKomponente {
public:
    Komp(SitzungPtr s, std::int64_t projekt, std::size_t index)
        : m_s(std::move(s)), m_projekt(projekt), m_index(index) {}
    std::string Name() override { return KomponenteAn(*m_s, m_projekt, m_index).name; }
    int Type() override { return HostTyp(KomponenteAn(*m_s, m_projekt, m_index).art); }
    std::unique_ptr<HostCodeModul> CodeModule() override {
        return std::make_unique<Modul>(m_s, m_projekt, m_index);
    }

private:
    SitzungPtr m_s;
    std::int64_t m_projekt;
    std::size_t m_index;
};

class Komps final : public HostKomponenten {
public:
    Komps(SitzungPtr s, std::int64_t projekt) : m_s(std::move(s)), m_projekt(projekt) {}
    std::int64_t Count() override {
        return static_cast<std::int64_t>(LesbaresProjekt(*m_s, m_projekt).komponenten.size());
    }
    std::unique_ptr<HostKomponente> Item(std::int64_t position) override {
        const auto& k = LesbaresProjekt(*m_s, m_projekt).komponenten;
        if (position < 1 || static_cast<std::size_t>(position) > k.size())
            throw HostFehler(IndexFehler);
        return std::make_unique<Komp>(m_s, m_projekt, static_cast<std::size_t>(position) - 1);
    }
    std::unique_ptr<HostKomponente> Item(std::string_view name) override {
        const auto& k = LesbaresProjekt(*m_s, m_projekt).komponenten;
        // A read looks up every ticked module by name: one index keeps that
        // linear in the number of modules. The session reads a workbook
        // once, so the list stays as indexed. The first of equal names
        // wins, as a walk from the front would find it.
        if (m_index.empty())
            for (std::size_t i = 0; i < k.size(); ++i)
                m_index.emplace(KleinGefaltet(k[i].name), i);
        auto it = m_index.find(KleinGefaltet(name));
        if (it == m_index.end())
            throw HostFehler(IndexFehler);
        return std::make_unique<Komp>(m_s, m_projekt, it->second);
    }

private:
    SitzungPtr m_s;
    std::int64_t m_projekt;
    std::unordered_map<std::string, std::size_t> m_index;
};

// A workbook whose project cannot be read keeps its place, so that the
// positions of the others stay those of the open list between a listing and
// a reading. It shows as locked, which the listing leaves out; why it cannot
// be read was reported when the projects were counted.
class Proj final : public HostProjekt {
public:
    Proj(SitzungPtr s, std::int64_t position) : m_s(std::move(s)), m_position(position) {}
    std::string FileName() override { return m_s->Gelesen(m_position).pfad; }
    std::string Name() override {
        auto& m = m_s->Gelesen(m_position);
        return m.projekt ? m.projekt->name : std::filesystem::path(m.pfad).filename().string();
    }
    int Protection() override {
        auto& m = m_s->Gelesen(m_position);
        return !m.projekt || m.projekt->gesperrt ? 1 : 0;
    }
    std::unique_ptr<HostKomponenten> VBComponents() override {
        LesbaresProjekt(*m_s, m_position);
        return std::make_unique<Komps>(m_s, m_position);
    }

private:
    SitzungPtr m_s;
    std::int64_t m_position;
};

class Projs final : public HostProjekte {
public:
    explicit Projs(SitzungPtr s) : m_s(std::move(s)) {}
    // Counting is where a listing starts, so every file is read here and the
    // ones that fail are reported together, once per attach.
    std::int64_t Count() override {
        std::vector<std::string> texte;
        std::vector<std::string> unlesbar;
        for (std::size_t i = 1; i <= m_s->pfade.size(); ++i) {
            auto& m = m_s->Gelesen(static_cast<std::int64_t>(i));
            if (!m.projekt) {
                texte.push_back(m.fehler);
                unlesbar.push_back(m.pfad);
            }
        }
        *m_s->unlesbar = unlesbar;
        if (!texte.empty() && !m_s->gemeldet) {
            m_s->gemeldet = true;
            std::string text;
            for (const auto& t : texte)
                text += (text.empty() ? "" : "\r\n") + t;
            m_s->meldungen.Melden(text, MeldungsSymbol::Warnung);
        }
        return static_cast<std::int64_t>(m_s->pfade.size());
    }
    std::unique_ptr<HostProjekt> Item(std::int64_t position) override {
        if (position < 1 || static_cast<std::size_t>(position) > m_s->pfade.size())
            throw HostFehler(IndexFehler);
        return std::make_unique<Proj>(m_s, position);
    }

private:
    SitzungPtr m_s;
};

class Anwendung final : public HostAnwendung {
public:
    explicit Anwendung(SitzungPtr s) : m_s(std::move(s)) {}
    std::string Version() override { return WorkbookHost::VersionsText; }
    std::unique_ptr<HostProjekte> VBProjects() override { return std::make_unique<Projs>(m_s); }

private:
    SitzungPtr m_s;
};

} // namespace

WorkbookHost::WorkbookHost(Meldungen& meldungen)
    : WorkbookHost(meldungen, [](const std::string& pfad) { return wb::WorkbookLesen(pfad); }) {}

WorkbookHost::WorkbookHost(Meldungen& meldungen, MappenLeser leser)
    : m_meldungen(meldungen), m_leser(std::move(leser)),
      m_unlesbar(std::make_shared<std::vector<std::string>>()) {}

bool WorkbookHost::Oeffnen(const std::filesystem::path& datei) {
    if (datei.empty())
        return false;
    std::string pfad = VollerPfad(datei);
    if (std::find(m_mappen.begin(), m_mappen.end(), pfad) != m_mappen.end())
        return false;
    m_mappen.push_back(std::move(pfad));
    return true;
}

bool WorkbookHost::Schliessen(const std::filesystem::path& datei) {
    if (datei.empty())
        return false;
    auto it = std::find(m_mappen.begin(), m_mappen.end(), VollerPfad(datei));
    if (it == m_mappen.end())
        return false;
    m_mappen.erase(it);
    return true;
}

std::unique_ptr<HostAnwendung> WorkbookHost::Anbinden() {
    if (m_mappen.empty())
        throw HostFehler("Es ist keine Mappe geöffnet.");
    auto s = std::make_shared<Sitzung>(Sitzung{m_mappen, std::vector<std::optional<Mappe>>(m_mappen.size()),
                                               m_meldungen, m_leser, m_unlesbar, false});
    return std::make_unique<Anwendung>(std::move(s));
}

} // namespace cb
