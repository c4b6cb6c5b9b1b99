// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/OleKopf.h"

#include <algorithm>

namespace cb::workbook {

namespace {

constexpr std::uint32_t MaxSektorNummer = 0xFFFFFFF9; // above: end of chain, free and table markers
constexpr std::uint32_t FreierSektor = 0xFFFFFFFF;
constexpr std::size_t KopfLaenge = 512;
constexpr std::size_t KopfTabellenEintraege = 109;

std::uint32_t U32(std::string_view b, std::size_t pos) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[pos + 3])) << 24;
}

std::uint16_t U16(std::string_view b, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[pos]) |
                                      static_cast<unsigned char>(b[pos + 1]) << 8);
}

} // namespace

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
