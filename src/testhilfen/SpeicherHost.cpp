// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/SpeicherHost.h"

#include "app/Text.h"
#include "import/host/CodeZeilen.h"

namespace cb {

namespace {

const char* const IndexFehler = "Index außerhalb des gültigen Bereichs";

void Pruefen(const HostFehlerListe& fehler, const char* operation) {
    if (auto it = fehler.find(operation); it != fehler.end())
        throw HostFehler(it->second);
}

} // namespace

// Every object counts itself while it lives and finds its data again by
// position or name at each call, as a late-bound reference to the host does.
class SpeicherHostObjekt {
public:
    explicit SpeicherHostObjekt(SpeicherHost& host) : m_host(host) { ++m_host.m_lebend; }
    SpeicherHostObjekt(const SpeicherHostObjekt&) = delete;
    SpeicherHostObjekt& operator=(const SpeicherHostObjekt&) = delete;
    ~SpeicherHostObjekt() { --m_host.m_lebend; }

protected:
    SpeicherProjekt& Projekt(std::int64_t position) const {
        if (position < 1 || static_cast<std::size_t>(position) > m_host.Projekte.size())
            throw HostFehler(IndexFehler);
        return m_host.Projekte[static_cast<std::size_t>(position) - 1];
    }
    SpeicherKomponente& Komponente(std::int64_t projekt, const std::string& name) const {
        for (auto& k : Projekt(projekt).Komponenten)
            if (TextGleich(k.Name, name))
                return k;
        throw HostFehler(IndexFehler);
    }

    SpeicherHost& m_host;
};

namespace {

class Modul final : public HostCodeModul, SpeicherHostObjekt {
public:
    Modul(SpeicherHost& host, std::int64_t projekt, std::string name)
        : SpeicherHostObjekt(host), m_projekt(projekt), m_name(std::move(name)) {}
    std::int64_t CountOfLines() override {
        auto& k = Komponente(m_projekt, m_name);
        Pruefen(k.Fehler, "CountOfLines");
        return CodeZeilenZahl(k.Code);
    }
    std::string Lines(std::int64_t start, std::int64_t count) override {
        auto& k = Komponente(m_projekt, m_name);
        Pruefen(k.Fehler, "Lines");
        return CodeZeilenAusschnitt(k.Code, start, count);
    }

private:
    std::int64_t m_projekt;
    std::string m_name;
};

class Komp final : public HostKomponente, SpeicherHostObjekt {
public:
    Komp(SpeicherHost& host, std::int64_t projekt, std::string name)
        : SpeicherHostObjekt(host), m_projekt(projekt), m_name(std::move(name)) {}
    std::string Name() override {
        auto& k = Komponente(m_projekt, m_name);
        Pruefen(k.Fehler, "Name");
        return k.Name;
    }
    int Type() override {
        auto& k = Komponente(m_projekt, m_name);
        Pruefen(k.Fehler, "Type");
        return k.Type;
    }
    std::unique_ptr<HostCodeModul> CodeModule() override {
        Pruefen(Komponente(m_projekt, m_name).Fehler, "CodeModule");
        return std::make_unique<Modul>(m_host, m_projekt, m_name);
    }

private:
    std::int64_t m_projekt;
    std::string m_name;
};

class Komps final : public HostKomponenten, SpeicherHostObjekt {
public:
    Komps(SpeicherHost& host, std::int64_t projekt) : SpeicherHostObjekt(host), m_projekt(projekt) {}
    std::int64_t Count() override {
        auto& p = Projekt(m_projekt);
        Pruefen(p.Fehler, "VBComponents.Count");
        return static_cast<std::int64_t>(p.Komponenten.size());
    }
    std::unique_ptr<HostKomponente> Item(std::int64_t position) override {
        auto& p = Projekt(m_projekt);
        if (position < 1 || static_cast<std::size_t>(position) > p.Komponenten.size())
            throw HostFehler(IndexFehler);
        return std::make_unique<Komp>(m_host, m_projekt,
                                      p.Komponenten[static_cast<std::size_t>(position) - 1].Name);
    }
    std::unique_ptr<HostKomponente> Item(std::string_view name) override {
        return std::make_unique<Komp>(m_host, m_projekt, Komponente(m_projekt, std::string(name)).Name);
    }

private:
    std::int64_t m_projekt;
};

class Proj final : public HostProjekt, SpeicherHostObjekt {
public:
    Proj(SpeicherHost& host, std::int64_t position) : SpeicherHostObjekt(host), m_position(position) {}
    std::string FileName() override {
        auto& p = Projekt(m_position);
        Pruefen(p.Fehler, "FileName");
        return p.FileName;
    }
    std::string Name() override {
        auto& p = Projekt(m_position);
        Pruefen(p.Fehler, "Name");
        return p.Name;
    }
    int Protection() override {
        auto& p = Projekt(m_position);
        Pruefen(p.Fehler, "Protection");
        return p.Protection;
    }
    std::unique_ptr<HostKomponenten> VBComponents() override {
        Pruefen(Projekt(m_position).Fehler, "VBComponents");
        return std::make_unique<Komps>(m_host, m_position);
    }

private:
    std::int64_t m_position;
};

class Projs final : public HostProjekte, SpeicherHostObjekt {
public:
    using SpeicherHostObjekt::SpeicherHostObjekt;
    std::int64_t Count() override {
        Pruefen(m_host.Fehler, "VBProjects.Count");
        return static_cast<std::int64_t>(m_host.Projekte.size());
    }
    std::unique_ptr<HostProjekt> Item(std::int64_t position) override {
        Projekt(position);
        return std::make_unique<Proj>(m_host, position);
    }
};

class Anwendung final : public HostAnwendung, SpeicherHostObjekt {
public:
    using SpeicherHostObjekt::SpeicherHostObjekt;
    std::string Version() override {
        Pruefen(m_host.Fehler, "Version");
        return m_host.Version;
    }
    std::unique_ptr<HostProjekte> VBProjects() override {
        Pruefen(m_host.Fehler, "VBProjects");
        return std::make_unique<Projs>(m_host);
    }
};

} // namespace

std::unique_ptr<HostAnwendung> SpeicherHost::Anbinden() {
    if (!Laeuft)
        throw HostFehler("Objekterstellung durch ActiveX-Komponente nicht möglich");
    return std::make_unique<Anwendung>(*this);
}

} // namespace cb
