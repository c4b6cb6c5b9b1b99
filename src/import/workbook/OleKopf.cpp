// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/OleKopf.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace cb::workbook {

namespace {

constexpr std::uint32_t MaxSektorNummer = 0xFFFFFFF9; // above: end of chain, free and table markers
constexpr std::uint32_t FreierSektor = 0xFFFFFFFF;
constexpr std::size_t KopfLaenge = 512;
constexpr std::size_t KopfTabellenEintraege = 109;
constexpr std::size_t EintragsLaenge = 128;
constexpr std::uint32_t KeinEintrag = 0xFFFFFFFF;

std::uint32_t U32(std::string_view b, std::size_t pos) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 3])) << 24;
}

// A last sector written short is common: what lies past the end reads as
// "no sector", "no entry".
std::uint32_t U32OderEnde(std::string_view b, std::uint64_t pos) {
    return pos + 4 <= b.size() ? U32(b, static_cast<std::size_t>(pos)) : 0xFFFFFFFF;
}

std::uint16_t U16(std::string_view b, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[pos]) |
                                      static_cast<unsigned char>(b[pos + 1]) << 8);
}

// The sectors of one chain in order, each once: a chain that runs back into
// itself ends where it would repeat.
class SektorKetten {
public:
    SektorKetten(std::string_view bytes, std::uint64_t sektor)
        : m_bytes(bytes), m_sektor(sektor), m_proTabelle(sektor / 4),
          m_anzahl(bytes.size() > sektor ? (bytes.size() - 1) / sektor : 0) {
        TabellenSektorenLesen();
    }

    std::vector<std::uint32_t> Kette(std::uint32_t start) const {
        std::vector<std::uint32_t> out;
        std::vector<bool> gesehen(m_anzahl, false);
        for (std::uint32_t s = start; s < m_anzahl && !gesehen[s]; s = Naechster(s)) {
            gesehen[s] = true;
            out.push_back(s);
        }
        return out;
    }

    /// Where sector s starts; the start of every sector of a chain lies in the file.
    std::uint64_t Anfang(std::uint32_t s) const { return m_sektor * (std::uint64_t{s} + 1); }

private:
    // The header lists the first 109 table sectors, a chain of further
    // sectors the rest, each ending with the number of the next.
    void TabellenSektorenLesen() {
        const std::uint64_t gesamt = std::min<std::uint64_t>(U32(m_bytes, 0x2C), m_anzahl);
        for (std::size_t i = 0; i < KopfTabellenEintraege && m_tabelle.size() < gesamt; ++i)
            m_tabelle.push_back(U32(m_bytes, 0x4C + 4 * i));
        std::vector<bool> gesehen(m_anzahl, false);
        for (std::uint32_t s = U32(m_bytes, 0x44); s < m_anzahl && !gesehen[s] && m_tabelle.size() < gesamt;
             s = U32OderEnde(m_bytes, Anfang(s) + m_sektor - 4)) {
            gesehen[s] = true;
            for (std::uint64_t i = 0; i + 1 < m_proTabelle && m_tabelle.size() < gesamt; ++i)
                m_tabelle.push_back(U32OderEnde(m_bytes, Anfang(s) + 4 * i));
        }
    }

    std::uint32_t Naechster(std::uint32_t s) const {
        const std::uint64_t tabelle = s / m_proTabelle;
        if (tabelle >= m_tabelle.size() || m_tabelle[tabelle] >= m_anzahl)
            return KeinEintrag;
        return U32OderEnde(m_bytes, Anfang(m_tabelle[tabelle]) + 4 * (s % m_proTabelle));
    }

    std::string_view m_bytes;
    std::uint64_t m_sektor;
    std::uint64_t m_proTabelle;
    std::uint64_t m_anzahl; // sectors whose start lies in the file
    std::vector<std::uint32_t> m_tabelle;
};

} // namespace

OleVerzeichnisMass OleVerzeichnisMessen(std::string_view bytes, std::size_t maxEintraege,
                                        std::size_t maxTiefe) {
    OleVerzeichnisMass mass;
    if (bytes.size() < KopfLaenge)
        return mass;
    const std::uint16_t schiebung = U16(bytes, 0x1E);
    if (schiebung != 9 && schiebung != 12)
        return mass;
    const std::uint64_t sektor = std::uint64_t{1} << schiebung;
    const SektorKetten ketten(bytes, sektor);
    const std::vector<std::uint32_t> verzeichnis = ketten.Kette(U32(bytes, 0x30));
    const std::uint64_t proSektor = sektor / EintragsLaenge;
    const std::uint64_t gesamt = verzeichnis.size() * proSektor;

    // gsf follows every link of an entry, whatever its type, by recursion;
    // the depth here is the depth of that recursion. An entry reached twice
    // (a cycle, or two links to one entry) is counted and followed once.
    std::vector<bool> gesehen(gesamt, false);
    std::vector<std::pair<std::uint32_t, std::size_t>> offen{{0, 1}};
    while (!offen.empty()) {
        const auto [nummer, tiefe] = offen.back();
        offen.pop_back();
        if (nummer >= gesamt || gesehen[nummer])
            continue;
        gesehen[nummer] = true;
        mass.tiefe = std::max(mass.tiefe, tiefe);
        if (++mass.eintraege > maxEintraege || tiefe > maxTiefe)
            break;
        const std::uint64_t anfang =
            ketten.Anfang(verzeichnis[nummer / proSektor]) + EintragsLaenge * (nummer % proSektor);
        for (std::size_t feld : {0x44u, 0x48u, 0x4Cu}) // left and right sibling, child
            if (const std::uint32_t kind = U32OderEnde(bytes, anfang + feld); kind != KeinEintrag)
                offen.emplace_back(kind, tiefe + 1);
    }
    return mass;
}

std::uint64_t OleMindestLaenge(std::string_view bytes) {
    if (bytes.size() < KopfLaenge)
        return 0;
    const std::uint16_t schiebung = U16(bytes, 0x1E);
    if (schiebung != 9 && schiebung != 12)
        return 0;
    const std::uint64_t sektor = std::uint64_t{1} << schiebung;
    std::int64_t hoechster = -1;
    auto benutzt = [&](std::uint32_t nummer) {
        if (nummer <= MaxSektorNummer)
            hoechster = std::max<std::int64_t>(hoechster, nummer);
    };
    for (std::size_t feld : {0x30u, 0x3Cu, 0x44u}) // directory, mini table, further table sectors
        benutzt(U32(bytes, feld));
    const std::uint32_t tabellen = std::min<std::uint32_t>(U32(bytes, 0x2C), KopfTabellenEintraege);
    for (std::uint32_t i = 0; i < tabellen; ++i) {
        const std::uint32_t nummer = U32(bytes, 0x4C + 4 * i);
        benutzt(nummer);
        if (nummer > MaxSektorNummer)
            continue;
        // A table sector that is itself gone says nothing more; the one
        // that points at it has made the file too short already.
        const std::uint64_t anfang = sektor * (std::uint64_t{nummer} + 1);
        if (anfang + sektor > bytes.size())
            continue;
        const std::uint64_t eintraege = sektor / 4;
        for (std::uint64_t e = 0; e < eintraege; ++e) {
            const std::uint32_t wert = U32(bytes, static_cast<std::size_t>(anfang + 4 * e));
            if (wert == FreierSektor)
                continue;
            benutzt(static_cast<std::uint32_t>(std::min<std::uint64_t>(i * eintraege + e, MaxSektorNummer)));
            benutzt(wert);
        }
    }
    // The header fills the first sector; sector n starts after n + 1 of them.
    // A last sector written short is common, so only its start must be there.
    return hoechster < 0 ? sektor : sektor * static_cast<std::uint64_t>(hoechster + 1) + 1;
}

} // namespace cb::workbook
