// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/ContainerWriter.h"

#include "import/workbook/GsfObject.h"

#include <map>
#include <stdexcept>

namespace cb::workbook {

namespace {

// Storages are created once and closed after all their children, which
// gsf's writers require.
class Baum {
public:
    explicit Baum(GsfOutfile* wurzel) : m_wurzel(wurzel) {}

    void Schreiben(const ContainerEintrag& e) {
        const std::size_t slash = e.pfad.rfind('/');
        GsfOutfile* eltern = slash == std::string::npos ? m_wurzel : Ordner(e.pfad.substr(0, slash));
        const std::string name = slash == std::string::npos ? e.pfad : e.pfad.substr(slash + 1);
        GsfPtr<GsfOutput> kind(gsf_outfile_new_child(eltern, name.c_str(), FALSE));
        if (!kind ||
            !gsf_output_write(kind.get(), e.daten.size(), reinterpret_cast<const guint8*>(e.daten.data())) ||
            !gsf_output_close(kind.get()))
            throw std::runtime_error("cannot write stream " + e.pfad);
    }

    void Schliessen() {
        // Deepest first: a storage closes after its children.
        for (auto it = m_ordner.rbegin(); it != m_ordner.rend(); ++it)
            gsf_output_close(GSF_OUTPUT(it->second.get()));
        m_ordner.clear();
    }

private:
    GsfOutfile* Ordner(const std::string& pfad) {
        auto it = m_ordner.find(pfad);
        if (it != m_ordner.end())
            return it->second.get();
        const std::size_t slash = pfad.rfind('/');
        GsfOutfile* eltern = slash == std::string::npos ? m_wurzel : Ordner(pfad.substr(0, slash));
        const std::string name = slash == std::string::npos ? pfad : pfad.substr(slash + 1);
        GsfPtr<GsfOutfile> neu(GSF_OUTFILE(gsf_outfile_new_child(eltern, name.c_str(), TRUE)));
        if (!neu)
            throw std::runtime_error("cannot create storage " + pfad);
        return m_ordner.emplace(pfad, std::move(neu)).first->second.get();
    }

    GsfOutfile* m_wurzel;
    std::map<std::string, GsfPtr<GsfOutfile>> m_ordner;
};

template <typename Erzeugen>
std::string Schreiben(const std::vector<ContainerEintrag>& eintraege, Erzeugen erzeugen) {
    GsfStarten();
    GsfPtr<GsfOutput> speicher(gsf_output_memory_new());
    GsfPtr<GsfOutfile> wurzel(erzeugen(speicher.get()));
    if (!wurzel)
        throw std::runtime_error("cannot create the container");
    Baum baum(wurzel.get());
    for (const ContainerEintrag& e : eintraege)
        baum.Schreiben(e);
    baum.Schliessen();
    gsf_output_close(GSF_OUTPUT(wurzel.get()));
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(speicher.get()));
    const gsf_off_t groesse = gsf_output_size(speicher.get());
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(groesse));
}

} // namespace

std::string OleSchreiben(const std::vector<ContainerEintrag>& eintraege) {
    return Schreiben(eintraege, [](GsfOutput* ziel) { return gsf_outfile_msole_new(ziel); });
}

std::string ZipSchreiben(const std::vector<ContainerEintrag>& eintraege) {
    return Schreiben(eintraege, [](GsfOutput* ziel) {
        GError* fehler = nullptr;
        GsfOutfile* zip = gsf_outfile_zip_new(ziel, &fehler);
        GErrorPtr frei(fehler);
        return zip;
    });
}

} // namespace cb::workbook
