// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/DataEncryption.h"

#include "app/Text.h"
#include "import/workbook/FormatError.h"

#include <vector>

namespace cb::workbook {

namespace {

std::vector<std::uint8_t> HexBytes(std::string_view hex) {
    if (hex.size() % 2 != 0)
        throw FormatError("encrypted field has an odd number of hex digits");
    std::vector<std::uint8_t> out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = HexWert(hex[i]), lo = HexWert(hex[i + 1]);
        if (hi < 0 || lo < 0)
            throw FormatError("encrypted field holds a character that is no hex digit");
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return out;
}

// Each byte is masked with the sum of the previous plain byte and the
// encrypted byte two places back, so both sides carry the same state.
struct Verkettung {
    std::uint8_t vorletztesVerschluesselt;
    std::uint8_t letztesVerschluesselt;
    std::uint8_t letztesKlar;

    std::uint8_t Entschluesseln(std::uint8_t enc) {
        const auto klar = static_cast<std::uint8_t>(
            enc ^ static_cast<std::uint8_t>(vorletztesVerschluesselt + letztesKlar));
        Schieben(enc, klar);
        return klar;
    }
    std::uint8_t Verschluesseln(std::uint8_t klar) {
        const auto enc = static_cast<std::uint8_t>(
            klar ^ static_cast<std::uint8_t>(vorletztesVerschluesselt + letztesKlar));
        Schieben(enc, klar);
        return enc;
    }

private:
    void Schieben(std::uint8_t enc, std::uint8_t klar) {
        vorletztesVerschluesselt = letztesVerschluesselt;
        letztesVerschluesselt = enc;
        letztesKlar = klar;
    }
};

} // namespace

std::string Entschluesseln(std::string_view hex) {
    const std::vector<std::uint8_t> enc = HexBytes(hex);
    if (enc.size() < 3)
        throw FormatError("encrypted field is too short");
    const std::uint8_t seed = enc[0];
    const std::uint8_t versionEnc = enc[1];
    const std::uint8_t projKeyEnc = enc[2];
    if ((seed ^ versionEnc) != 2)
        throw FormatError("encrypted field has an unknown version");
    Verkettung kette{versionEnc, projKeyEnc, static_cast<std::uint8_t>(seed ^ projKeyEnc)};
    std::size_t pos = 3;
    const std::size_t ignoriert = (seed & 6u) / 2;
    if (enc.size() < pos + ignoriert + 4)
        throw FormatError("encrypted field is too short");
    for (std::size_t k = 0; k < ignoriert; ++k)
        kette.Entschluesseln(enc[pos++]);
    std::uint32_t laenge = 0;
    for (int k = 0; k < 4; ++k)
        laenge |= static_cast<std::uint32_t>(kette.Entschluesseln(enc[pos++])) << (8 * k);
    if (laenge != enc.size() - pos)
        throw FormatError("encrypted field's length (" + std::to_string(laenge) +
                          ") does not match its data (" + std::to_string(enc.size() - pos) + " bytes)");
    std::string out;
    out.reserve(laenge);
    while (pos < enc.size())
        out += static_cast<char>(kette.Entschluesseln(enc[pos++]));
    return out;
}

std::string Verschluesseln(std::string_view daten, std::string_view projektId, std::uint8_t seed) {
    std::uint8_t projKey = 0;
    for (char c : projektId)
        projKey = static_cast<std::uint8_t>(projKey + static_cast<unsigned char>(c));
    std::vector<std::uint8_t> enc;
    const auto versionEnc = static_cast<std::uint8_t>(seed ^ 2);
    const auto projKeyEnc = static_cast<std::uint8_t>(seed ^ projKey);
    enc.insert(enc.end(), {seed, versionEnc, projKeyEnc});
    Verkettung kette{versionEnc, projKeyEnc, projKey};
    const std::size_t ignoriert = (seed & 6u) / 2;
    for (std::size_t k = 0; k < ignoriert; ++k)
        enc.push_back(kette.Verschluesseln(static_cast<std::uint8_t>(0x5A + k)));
    const auto laenge = static_cast<std::uint32_t>(daten.size());
    for (int k = 0; k < 4; ++k)
        enc.push_back(kette.Verschluesseln(static_cast<std::uint8_t>(laenge >> (8 * k))));
    for (char c : daten)
        enc.push_back(kette.Verschluesseln(static_cast<std::uint8_t>(c)));
    static const char* ziffern = "0123456789ABCDEF";
    std::string hex;
    for (std::uint8_t b : enc) {
        hex += ziffern[b >> 4];
        hex += ziffern[b & 15];
    }
    return hex;
}

} // namespace cb::workbook
