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

// Collections of the host count from 1.
template <typename T> T& AnPosition(std::vector<T>& eintraege, std::int64_t position) {
    if (position < 1 || static_cast<std::size_t>(position) > eintraege.size())
        throw HostFehler(IndexFehler);
    return eintraege[static_cast<std::size_t>(position) - 1];
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
    SpeicherProjekt& Projekt(std::int64_t position) const { return AnPosition(m_host.Projekte, position); }
    SpeicherKomponente& Komponente(std::int64_t projekt, const std::string& name) const {
        for (auto& k : Projekt(projekt).Komponenten)
            if (TextGleich(k.Name, name))
                return k;
        throw HostFehler(IndexFehler);
    }
    // The object as it stands when the operation is called, or the failure
    // the test scripted for that operation.
    SpeicherProjekt& Projekt(std::int64_t position, const char* operation) const {
        auto& p = Projekt(position);
        Pruefen(p.Fehler, operation);
        return p;
    }
    SpeicherKomponente& Komponente(std::int64_t projekt, const std::string& name,
                                   const char* operation) const {
        auto& k = Komponente(projekt, name);
        Pruefen(k.Fehler, operation);
        return k;
    }

    SpeicherHost& m_host;
};

namespace {

class Modul final : public HostCodeModul, SpeicherHostObjekt {
public:
    Modul(SpeicherHost& host, std::int64_t projekt, std::string name)
        : SpeicherHostObjekt(host), m_projekt(projekt), m_name(std::move(name)) {}
    std::int64_t CountOfLines() override {
        return CodeZeilenZahl(Komponente(m_projekt, m_name, "CountOfLines").Code);
    }
    std::string Lines(std::int64_t start, std::int64_t count) override {
        return CodeZeilenAusschnitt(Komponente(m_projekt, m_name, "Lines").Code, start, count);
    }

private:
    std::int64_t m_projekt;
    std::string m_name;
};

class Komp final : public HostKomponente, SpeicherHostObjekt {
public:
    Komp(SpeicherHost& host, std::int64_t projekt, std::string name)
        : SpeicherHostObjekt(host), m_projekt(projekt), m_name(std::move(name)) {}
    std::string Name() override { return Komponente(m_projekt, m_name, "Name").Name; }
    int Type() override { return Komponente(m_projekt, m_name, "Type").Type; }
    std::unique_ptr<HostCodeModul> CodeModule() override {
        Komponente(m_projekt, m_name, "CodeModule");
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
        return static_cast<std::int64_t>(Projekt(m_projekt, "VBComponents.Count").Komponenten.size());
    }
    std::unique_ptr<HostKomponente> Item(std::int64_t position) override {
        return std::make_unique<Komp>(m_host, m_projekt,
                                      AnPosition(Projekt(m_projekt).Komponenten, position).Name);
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
    std::string FileName() override { return Projekt(m_position, "FileName").FileName; }
    std::string Name() override { return Projekt(m_position, "Name").Name; }
    int Protection() override { return Projekt(m_position, "Protection").Protection; }
    std::unique_ptr<HostKomponenten> VBComponents() override {
        Projekt(m_position, "VBComponents");
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
