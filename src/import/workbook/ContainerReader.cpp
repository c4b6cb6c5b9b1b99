// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/ContainerReader.h"

#include "app/Text.h"
#include "import/workbook/GsfObject.h"
#include "import/workbook/OleKopf.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/ZipPruefsumme.h"

#include <optional>
#include <vector>

namespace cb::workbook {

namespace {

constexpr std::string_view OleSignatur = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
// With its closing quote: "application/vnd.ms-office.vbaProjectSignature"
// begins alike.
constexpr std::string_view VbaInhaltsTyp = "\"application/vnd.ms-office.vbaProject\"";

class Leser {
public:
    Leser(std::string_view bytes, const std::string& datei) : m_bytes(bytes), m_datei(datei) {}

    VbaSpeicher Lesen() {
        GsfStarten();
        if (m_bytes.starts_with(OleSignatur))
            return AusOle(m_bytes);
        if (m_bytes.starts_with("PK"))
            return AusZip();
        throw WorkbookError(WorkbookFehler::KeinContainer, m_datei);
    }

private:
    [[noreturn]] void Fehler(WorkbookFehler art, const std::string& detail = {}) const {
        throw WorkbookError(art, m_datei, detail);
    }

    static bool IstSpeicher(GsfInput* kind) {
        return GSF_IS_INFILE(kind) && gsf_infile_num_children(GSF_INFILE(kind)) >= 0;
    }

    // OLE and OPC names compare without regard to case; gsf compares exactly.
    static GsfPtr<GsfInput> Kind(GsfInfile* eltern, std::string_view name) {
        const int n = gsf_infile_num_children(eltern);
        const std::string gesucht = KleinGefaltet(name);
        for (int i = 0; i < n; ++i) {
            const char* kname = gsf_infile_name_by_index(eltern, i);
            if (kname && KleinGefaltet(kname) == gesucht)
                return GsfPtr<GsfInput>(gsf_infile_child_by_index(eltern, i));
        }
        return nullptr;
    }

    static GsfPtr<GsfInput> Pfad(GsfInfile* wurzel, std::string_view pfad) {
        GsfPtr<GsfInput> aktuell;
        GsfInfile* eltern = wurzel;
        for (std::string_view teil : PfadTeile(pfad)) {
            if (!eltern)
                return nullptr;
            aktuell = Kind(eltern, teil);
            if (!aktuell)
                return nullptr;
            eltern = IstSpeicher(aktuell.get()) ? GSF_INFILE(aktuell.get()) : nullptr;
        }
        return aktuell;
    }

    std::string Inhalt(GsfInput* eingabe, const std::string& was, std::size_t limit = MaxTeilGroesse) const {
        const gsf_off_t groesse = gsf_input_size(eingabe);
        if (groesse < 0)
            Fehler(WorkbookFehler::ContainerBeschaedigt, was + " has no size");
        if (static_cast<std::uint64_t>(groesse) > limit)
            Fehler(WorkbookFehler::ZuGross, was + " claims " + std::to_string(groesse) + " bytes");
        std::string out(static_cast<std::size_t>(groesse), '\0');
        std::size_t gelesen = 0;
        while (gelesen < out.size()) {
            const std::size_t stueck = std::min<std::size_t>(out.size() - gelesen, 1 << 20);
            if (!gsf_input_read(eingabe, stueck, reinterpret_cast<guint8*>(out.data() + gelesen)))
                Fehler(WorkbookFehler::ContainerBeschaedigt, was + " cannot be read");
            gelesen += stueck;
        }
        return out;
    }

    // A zip member's size is what its header claims; one that claims far
    // more than the whole file could hold deflated is a bomb, refused before
    // a byte of it is inflated. What is inflated must match the checksum
    // that the central directory records under the member's path; where a
    // package holds two members of one path, either one's will do.
    std::string ZipTeil(GsfInput* teil, std::string_view pfad, std::size_t limit) const {
        const std::string was(pfad);
        const gsf_off_t groesse = gsf_input_size(teil);
        if (groesse > (1 << 20) && static_cast<std::uint64_t>(groesse) / MaxZipVerhaeltnis > m_bytes.size())
            Fehler(WorkbookFehler::ZuGross, was + " claims " + std::to_string(groesse) +
                                                " bytes in a file of " + std::to_string(m_bytes.size()));
        std::string daten = Inhalt(teil, was, limit);
        const std::uint32_t crc = Crc32(daten);
        const auto [von, bis] = m_pruefsummen.equal_range(ZipSchluessel(pfad));
        if (von == bis)
            Fehler(WorkbookFehler::ContainerBeschaedigt,
                   was + " has no entry in the zip's central directory");
        for (auto it = von; it != bis; ++it)
            if (it->second == crc)
                return daten;
        Fehler(WorkbookFehler::ContainerBeschaedigt, was + " fails its CRC-32 check");
    }

    VbaSpeicher AusOle(std::string_view bytes) {
        const OleVerzeichnisMass mass = OleVerzeichnisMessen(bytes, MaxOleEintraege, MaxOleTiefe);
        if (mass.eintraege > MaxOleEintraege)
            Fehler(WorkbookFehler::VerzeichnisZuGross,
                   "OLE directory of more than " + std::to_string(MaxOleEintraege) + " entries");
        if (mass.tiefe > MaxOleTiefe)
            Fehler(WorkbookFehler::VerzeichnisZuGross,
                   "OLE directory with a chain more than " + std::to_string(MaxOleTiefe) + " entries deep");
        GsfPtr<GsfInput> eingabe(gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                                      static_cast<gsf_off_t>(bytes.size()), FALSE));
        GError* roh = nullptr;
        GsfPtr<GsfInfile> ole(gsf_infile_msole_new(eingabe.get(), &roh));
        GErrorPtr fehler(roh);
        if (!ole)
            Fehler(WorkbookFehler::ContainerBeschaedigt,
                   std::string("OLE file: ") + (fehler ? fehler->message : "unreadable"));
        if (Kind(ole.get(), "EncryptedPackage") || Kind(ole.get(), "EncryptionInfo"))
            Fehler(WorkbookFehler::Verschluesselt);
        // Excel keeps the project in _VBA_PROJECT_CUR, Word in Macros; a bare
        // vbaProject.bin is the storage itself.
        GsfPtr<GsfInput> speicher;
        for (const char* name : {"_VBA_PROJECT_CUR", "Macros"})
            if ((speicher = Kind(ole.get(), name)) && IstSpeicher(speicher.get()))
                break;
        GsfInfile* projekt = speicher && IstSpeicher(speicher.get()) ? GSF_INFILE(speicher.get()) : ole.get();
        GsfPtr<GsfInput> vba = Kind(projekt, "VBA");
        GsfPtr<GsfInput> projectStream = Kind(projekt, "PROJECT");
        if (!vba || !IstSpeicher(vba.get()) || !projectStream || IstSpeicher(projectStream.get())) {
            if (const std::uint64_t noetig = OleMindestLaenge(bytes); noetig > bytes.size())
                Fehler(WorkbookFehler::ContainerBeschaedigt, "OLE file of " + std::to_string(bytes.size()) +
                                                                 " bytes uses sectors up to byte " +
                                                                 std::to_string(noetig));
            // PowerPoint 97-2003 keeps its project compressed inside its
            // own document stream, which this reader does not take apart:
            // "no project" would be untrue of such a file.
            if (Kind(ole.get(), "PowerPoint Document"))
                Fehler(WorkbookFehler::PowerPointAlt);
            Fehler(WorkbookFehler::KeinVbaProjekt);
        }

        // The streams of a sound OLE file occupy sectors of their own, so
        // together they cannot hold more than the file; a damaged sector
        // table that lets streams share sectors could otherwise multiply it.
        std::size_t rest = bytes.size();
        auto lesen = [&](GsfInput* stream, const std::string& was) {
            const gsf_off_t groesse = gsf_input_size(stream);
            if (groesse > 0 && static_cast<std::uint64_t>(groesse) > rest)
                Fehler(WorkbookFehler::ContainerBeschaedigt,
                       was + " claims " + std::to_string(groesse) + " bytes, more than the file has left");
            std::string daten = Inhalt(stream, was, rest);
            rest -= daten.size();
            return daten;
        };
        VbaSpeicher out;
        out.project = lesen(projectStream.get(), "PROJECT stream");
        GsfInfile* vbaDir = GSF_INFILE(vba.get());
        const int n = gsf_infile_num_children(vbaDir);
        for (int i = 0; i < n; ++i) {
            const char* name = gsf_infile_name_by_index(vbaDir, i);
            GsfPtr<GsfInput> kind(gsf_infile_child_by_index(vbaDir, i));
            if (!name || !kind || IstSpeicher(kind.get()))
                continue;
            out.vba[KleinGefaltet(name)] = lesen(kind.get(), std::string("stream VBA/") + name);
        }
        return out;
    }

    // The part that [Content_Types].xml declares as the VBA project; its
    // Default for the extension "bin" names no part and is passed over.
    std::optional<std::string> TeilAusInhaltsTypen(GsfInfile* zip) const {
        GsfPtr<GsfInput> typen = Kind(zip, "[Content_Types].xml");
        if (!typen || IstSpeicher(typen.get()))
            return std::nullopt;
        const std::string xml = ZipTeil(typen.get(), "[Content_Types].xml", MaxInhaltsTypen);
        const std::string_view text(xml);
        // One pass: the element around a match is looked for only between
        // the end of the last element and the next ">", and every match
        // inside one element gives that element, so no byte is read twice.
        std::size_t frei = 0;
        for (std::size_t typ = text.find(VbaInhaltsTyp); typ != std::string_view::npos;
             typ = text.find(VbaInhaltsTyp, frei)) {
            const std::size_t ende = text.find('>', typ);
            if (ende == std::string_view::npos)
                break;
            const std::size_t davor = text.substr(frei, typ - frei).rfind('<');
            const std::size_t anfang = frei;
            frei = ende + 1;
            if (davor == std::string_view::npos)
                continue;
            const std::string_view element = text.substr(anfang + davor, ende - anfang - davor);
            const std::size_t part = element.find("PartName=\"");
            if (part == std::string_view::npos)
                continue;
            const std::size_t wertAnfang = part + 10;
            const std::size_t wertEnde = element.find('"', wertAnfang);
            if (wertEnde != std::string_view::npos)
                return std::string(element.substr(wertAnfang, wertEnde - wertAnfang));
        }
        return std::nullopt;
    }

    VbaSpeicher AusZip() {
        GsfPtr<GsfInput> eingabe(gsf_input_memory_new(reinterpret_cast<const guint8*>(m_bytes.data()),
                                                      static_cast<gsf_off_t>(ZipOhneKommentar(m_bytes)),
                                                      FALSE));
        GError* roh = nullptr;
        GsfPtr<GsfInfile> zip(gsf_infile_zip_new(eingabe.get(), &roh));
        GErrorPtr fehler(roh);
        if (!zip)
            Fehler(WorkbookFehler::ContainerBeschaedigt,
                   std::string("zip: ") + (fehler ? fehler->message : "unreadable"));
        auto pruefsummen = ZipPruefsummen(m_bytes);
        if (!pruefsummen)
            Fehler(WorkbookFehler::ContainerBeschaedigt, "zip: the central directory cannot be found");
        m_pruefsummen = std::move(*pruefsummen);
        GsfPtr<GsfInput> teil;
        std::string pfad;
        if (auto name = TeilAusInhaltsTypen(zip.get())) {
            teil = Pfad(zip.get(), *name);
            pfad = *name;
        }
        for (const char* name : {"xl/vbaProject.bin", "word/vbaProject.bin", "ppt/vbaProject.bin"})
            if (!teil || IstSpeicher(teil.get())) {
                teil = Pfad(zip.get(), name);
                pfad = name;
            }
        if (!teil || IstSpeicher(teil.get()))
            Fehler(WorkbookFehler::KeinVbaProjekt);
        // Seeking inside a zip member is slow in gsf, so the OLE file is read
        // whole and opened from memory.
        const std::string bin = ZipTeil(teil.get(), pfad, MaxZipTeil);
        if (!std::string_view(bin).starts_with(OleSignatur))
            Fehler(WorkbookFehler::Beschaedigt, "vbaProject.bin is no OLE file");
        return AusOle(bin);
    }

    std::string_view m_bytes;
    const std::string& m_datei;
    std::unordered_multimap<std::string, std::uint32_t> m_pruefsummen;
};

} // namespace

VbaSpeicher VbaSpeicherLesen(std::string_view bytes, const std::string& datei) {
    return Leser(bytes, datei).Lesen();
}

} // namespace cb::workbook
