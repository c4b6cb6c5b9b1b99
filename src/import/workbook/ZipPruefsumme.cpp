// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/ZipPruefsumme.h"

#include "app/Text.h"

#include <array>

namespace cb::workbook {

namespace {

constexpr std::string_view EndeSignatur = "PK\x05\x06";
constexpr std::string_view Ende64Signatur = "PK\x06\x06";
constexpr std::string_view Ende64ZeigerSignatur = "PK\x06\x07";
constexpr std::string_view EintragSignatur = "PK\x01\x02";
constexpr std::size_t EndeLaenge = 22;
constexpr std::size_t EintragLaenge = 46;
constexpr std::size_t MaxKommentar = 0xFFFF;

constexpr std::array<std::uint32_t, 256> CrcTabelle() {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}

std::uint64_t Le(std::string_view b, std::size_t pos, int laenge) {
    std::uint64_t v = 0;
    for (int k = laenge - 1; k >= 0; --k)
        v = v << 8 | static_cast<unsigned char>(b[pos + static_cast<std::size_t>(k)]);
    return v;
}

// The end record whose comment ends the file; failing one, the last whose
// fixed part fits. A comment may itself hold the signature, even that of a
// whole end record, but seldom one whose length reaches the end.
std::optional<std::size_t> EndeFinden(std::string_view zip) {
    if (zip.size() < EndeLaenge)
        return std::nullopt;
    const std::size_t spaetestens = zip.size() - EndeLaenge;
    const std::size_t fruehestens = spaetestens > MaxKommentar ? spaetestens - MaxKommentar : 0;
    std::optional<std::size_t> letztes;
    for (std::size_t pos = spaetestens + 1; pos-- > fruehestens;) {
        if (zip.substr(pos, 4) != EndeSignatur)
            continue;
        if (Le(zip, pos + 20, 2) == spaetestens - pos)
            return pos;
        if (!letztes)
            letztes = pos;
    }
    return letztes;
}

} // namespace

std::uint32_t Crc32(std::string_view daten) {
    static constexpr std::array<std::uint32_t, 256> tabelle = CrcTabelle();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char z : daten)
        c = tabelle[(c ^ static_cast<unsigned char>(z)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::vector<std::string_view> PfadTeile(std::string_view pfad) {
    std::vector<std::string_view> teile;
    while (!pfad.empty()) {
        const std::size_t slash = pfad.find('/');
        const std::string_view teil = pfad.substr(0, slash);
        pfad = slash == std::string_view::npos ? std::string_view{} : pfad.substr(slash + 1);
        if (!teil.empty())
            teile.push_back(teil);
    }
    return teile;
}

std::string ZipSchluessel(std::string_view pfad) {
    std::string out;
    for (std::string_view teil : PfadTeile(pfad)) {
        if (!out.empty())
            out += '/';
        out += KleinGefaltet(teil);
    }
    return out;
}

std::size_t ZipOhneKommentar(std::string_view zip) {
    const auto ende = EndeFinden(zip);
    return ende && Le(zip, *ende + 20, 2) == zip.size() - *ende - EndeLaenge ? *ende + EndeLaenge
                                                                             : zip.size();
}

std::optional<std::unordered_multimap<std::string, std::uint32_t>> ZipPruefsummen(std::string_view zip) {
    const auto ende = EndeFinden(zip);
    if (!ende)
        return std::nullopt;
    std::uint64_t anzahl = Le(zip, *ende + 10, 2);
    std::uint64_t groesse = Le(zip, *ende + 12, 4);
    std::uint64_t anfang = Le(zip, *ende + 16, 4);
    // Zip64 keeps the true figures in a record of its own, found through
    // the locator just before the end record.
    if ((anzahl == 0xFFFF || groesse == 0xFFFFFFFF || anfang == 0xFFFFFFFF) && *ende >= 20 &&
        zip.substr(*ende - 20, 4) == Ende64ZeigerSignatur) {
        const std::uint64_t ende64 = Le(zip, *ende - 20 + 8, 8);
        if (ende64 > zip.size() || zip.size() - ende64 < 56 || zip.substr(ende64, 4) != Ende64Signatur)
            return std::nullopt;
        anzahl = Le(zip, static_cast<std::size_t>(ende64) + 32, 8);
        groesse = Le(zip, static_cast<std::size_t>(ende64) + 40, 8);
        anfang = Le(zip, static_cast<std::size_t>(ende64) + 48, 8);
    }
    if (anfang > zip.size() || groesse > zip.size() - anfang)
        return std::nullopt;
    std::string_view verzeichnis =
        zip.substr(static_cast<std::size_t>(anfang), static_cast<std::size_t>(groesse));
    std::unordered_multimap<std::string, std::uint32_t> out;
    for (std::uint64_t i = 0; i < anzahl; ++i) {
        if (verzeichnis.size() < EintragLaenge || !verzeichnis.starts_with(EintragSignatur))
            return std::nullopt;
        const std::uint32_t crc = static_cast<std::uint32_t>(Le(verzeichnis, 16, 4));
        const std::size_t name = Le(verzeichnis, 28, 2);
        const std::size_t rest = name + Le(verzeichnis, 30, 2) + Le(verzeichnis, 32, 2);
        if (verzeichnis.size() - EintragLaenge < rest)
            return std::nullopt;
        out.emplace(ZipSchluessel(verzeichnis.substr(EintragLaenge, name)), crc);
        verzeichnis.remove_prefix(EintragLaenge + rest);
    }
    return out;
}

} // namespace cb::workbook
