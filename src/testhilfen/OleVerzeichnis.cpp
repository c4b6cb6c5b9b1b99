// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/OleVerzeichnis.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace cb::workbook {

namespace {

constexpr std::size_t Sektor = 4096;
constexpr std::size_t EintragsLaenge = 128;
constexpr std::size_t ProSektor = Sektor / EintragsLaenge;
constexpr std::uint32_t KeinEintrag = 0xFFFFFFFF;
constexpr std::uint32_t KettenEnde = 0xFFFFFFFE;
constexpr std::uint32_t TabellenSektor = 0xFFFFFFFD;

void Setzen32(std::string& b, std::size_t pos, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        b[pos + static_cast<std::size_t>(k)] = static_cast<char>((v >> (8 * k)) & 0xFF);
}
void Setzen16(std::string& b, std::size_t pos, std::uint16_t v) {
    b[pos] = static_cast<char>(v & 0xFF);
    b[pos + 1] = static_cast<char>(v >> 8);
}

struct Links {
    std::uint32_t links = KeinEintrag, rechts = KeinEintrag, kind = KeinEintrag;
};

// Entries 1..n as a balanced binary tree; returns its root.
std::uint32_t Ausgewogen(std::vector<Links>& l, std::uint32_t n) {
    auto mitte = [](std::uint32_t von, std::uint32_t bis) { return von + (bis - von) / 2; };
    std::vector<std::pair<std::uint32_t, std::uint32_t>> offen{{1, n + 1}}; // [von, bis)
    while (!offen.empty()) {
        const auto [von, bis] = offen.back();
        offen.pop_back();
        const std::uint32_t m = mitte(von, bis);
        if (von < m) {
            l[m].links = mitte(von, m);
            offen.emplace_back(von, m);
        }
        if (m + 1 < bis) {
            l[m].rechts = mitte(m + 1, bis);
            offen.emplace_back(m + 1, bis);
        }
    }
    return mitte(1, n + 1);
}

void EintragSchreiben(std::string& b, std::size_t pos, const std::string& name, std::uint8_t typ,
                      const Links& l) {
    for (std::size_t i = 0; i < name.size(); ++i)
        Setzen16(b, pos + 2 * i, static_cast<unsigned char>(name[i]));
    Setzen16(b, pos + 0x40, static_cast<std::uint16_t>(2 * (name.size() + 1)));
    b[pos + 0x42] = static_cast<char>(typ);
    b[pos + 0x43] = 1; // black
    Setzen32(b, pos + 0x44, l.links);
    Setzen32(b, pos + 0x48, l.rechts);
    Setzen32(b, pos + 0x4C, l.kind);
    Setzen32(b, pos + 0x74, KettenEnde); // no sectors: the streams are empty
}

} // namespace

std::string OleMitVerzeichnis(std::size_t streams, VerzeichnisForm form) {
    const auto n = static_cast<std::uint32_t>(streams);
    std::vector<Links> links(n + 1);
    if (n > 0) {
        if (form == VerzeichnisForm::Ausgewogen) {
            links[0].kind = Ausgewogen(links, n);
        } else {
            links[0].kind = 1;
            for (std::uint32_t i = 1; i < n; ++i)
                links[i].rechts = i + 1;
            if (form == VerzeichnisForm::Kreis)
                links[n].rechts = 1;
        }
    }
    const std::size_t verzeichnis = (n + 1 + ProSektor - 1) / ProSektor;
    std::size_t tabellen = 1;
    while (tabellen * (Sektor / 4) < tabellen + verzeichnis)
        ++tabellen;

    std::string b(Sektor * (1 + tabellen + verzeichnis), '\0');
    b.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    Setzen16(b, 0x18, 0x3E);
    Setzen16(b, 0x1A, 4); // version 4: 4,096-byte sectors
    Setzen16(b, 0x1C, 0xFFFE);
    Setzen16(b, 0x1E, 12);
    Setzen16(b, 0x20, 6);
    Setzen32(b, 0x28, static_cast<std::uint32_t>(verzeichnis));
    Setzen32(b, 0x2C, static_cast<std::uint32_t>(tabellen));
    Setzen32(b, 0x30, static_cast<std::uint32_t>(tabellen));
    Setzen32(b, 0x38, 0x1000);
    Setzen32(b, 0x3C, KettenEnde);
    Setzen32(b, 0x44, KettenEnde);
    for (std::size_t i = 0; i < 109; ++i)
        Setzen32(b, 0x4C + 4 * i, i < tabellen ? static_cast<std::uint32_t>(i) : KeinEintrag);

    // Sectors 0 .. tabellen-1 hold the allocation table, the directory follows.
    for (std::size_t s = 0; s < tabellen * (Sektor / 4); ++s) {
        std::uint32_t wert = KeinEintrag;
        if (s < tabellen)
            wert = TabellenSektor;
        else if (s < tabellen + verzeichnis)
            wert = s + 1 < tabellen + verzeichnis ? static_cast<std::uint32_t>(s + 1) : KettenEnde;
        Setzen32(b, Sektor + 4 * s, wert);
    }
    const std::size_t anfang = Sektor * (1 + tabellen);
    for (std::size_t i = 0; i < verzeichnis * ProSektor; ++i) {
        const std::size_t pos = anfang + EintragsLaenge * i;
        if (i == 0)
            EintragSchreiben(b, pos, "Root Entry", 5, links[0]);
        else if (i <= n)
            EintragSchreiben(b, pos, "S" + std::to_string(i), 2, links[i]);
        else // unused: no links
            for (std::size_t feld : {0x44u, 0x48u, 0x4Cu})
                Setzen32(b, pos + feld, KeinEintrag);
    }
    return b;
}

} // namespace cb::workbook
