// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/OvbaCompression.h"

#include "import/workbook/Bytes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace cb::workbook {

namespace {

constexpr std::size_t ChunkGroesse = 4096;
constexpr std::uint16_t SignaturBits = 0x3000;
constexpr std::uint16_t KomprimiertBit = 0x8000;

std::string Offset(std::size_t pos) {
    return " at offset " + std::to_string(pos);
}

// The split between offset and length in a copy token depends on how far
// the decompressed chunk has got: the offset needs just enough bits to reach
// back to the chunk's start.
unsigned OffsetBits(std::size_t imChunk) {
    unsigned bits = 4;
    while (bits < 12 && (std::size_t{1} << bits) < imChunk)
        ++bits;
    return bits;
}

// What a walk over a container fills: the text itself, or only its length.
// Both walks check every byte alike, so a length measured is the length the
// text would have.
class TextZiel {
public:
    std::uint64_t Groesse() const { return m_text.size(); }
    void Zeichen(char c) { m_text += c; }
    void Roh(std::string_view bytes) { m_text.append(bytes); }
    void Kopie(std::size_t abstand, std::size_t laenge) {
        // Byte by byte: source and target may overlap, which is how runs
        // are encoded.
        const std::size_t quelle = m_text.size() - abstand;
        for (std::size_t k = 0; k < laenge; ++k) {
            const char c = m_text[quelle + k];
            m_text += c;
        }
    }
    std::string& Text() { return m_text; }

private:
    std::string m_text;
};

class LaengenZiel {
public:
    std::uint64_t Groesse() const { return m_groesse; }
    void Zeichen(char) { ++m_groesse; }
    void Roh(std::string_view bytes) { m_groesse += bytes.size(); }
    void Kopie(std::size_t, std::size_t laenge) { m_groesse += laenge; }

private:
    std::uint64_t m_groesse = 0;
};

template <class Ziel>
void ChunkDekomprimieren(std::string_view in, std::size_t& pos, std::size_t ende, Ziel& out) {
    const std::uint64_t start = out.Groesse();
    while (pos < ende) {
        const auto flags = static_cast<std::uint8_t>(in[pos++]);
        for (int bit = 0; bit < 8 && pos < ende; ++bit) {
            if ((flags & (1u << bit)) == 0) {
                if (out.Groesse() - start >= ChunkGroesse)
                    throw FormatError("chunk decompresses to more than 4096 bytes" + Offset(pos));
                out.Zeichen(in[pos++]);
                continue;
            }
            if (ende - pos < 2)
                throw FormatError("copy token cut off" + Offset(pos));
            const auto token = static_cast<std::uint16_t>(static_cast<unsigned char>(in[pos]) |
                                                          (static_cast<unsigned char>(in[pos + 1]) << 8));
            const auto imChunk = static_cast<std::size_t>(out.Groesse() - start);
            const unsigned bits = OffsetBits(imChunk);
            const std::size_t laenge = (token & (0xFFFFu >> bits)) + 3;
            const std::size_t abstand = (token >> (16 - bits)) + 1;
            if (abstand > imChunk)
                throw FormatError("copy token points before the start of its chunk" + Offset(pos));
            if (imChunk + laenge > ChunkGroesse)
                throw FormatError("chunk decompresses to more than 4096 bytes" + Offset(pos));
            pos += 2;
            out.Kopie(abstand, laenge);
        }
    }
}

template <class Ziel> void ContainerDurchgehen(std::string_view in, std::uint64_t limit, Ziel& out) {
    if (in.empty() || in[0] != '\x01')
        throw FormatError("compressed container lacks its signature byte 0x01");
    std::size_t pos = 1;
    while (pos < in.size()) {
        if (in.size() - pos < 2)
            throw FormatError("chunk header cut off" + Offset(pos));
        const auto header = static_cast<std::uint16_t>(static_cast<unsigned char>(in[pos]) |
                                                       (static_cast<unsigned char>(in[pos + 1]) << 8));
        if ((header & 0x7000) != SignaturBits)
            throw FormatError("chunk signature is wrong" + Offset(pos));
        const std::size_t groesse = (header & 0x0FFFu) + 3;
        if (groesse > in.size() - pos)
            throw FormatError("chunk claims " + std::to_string(groesse) + " bytes" + Offset(pos) + ", only " +
                              std::to_string(in.size() - pos) + " remain");
        const std::size_t ende = pos + groesse;
        pos += 2;
        if ((header & KomprimiertBit) == 0) {
            if (groesse != ChunkGroesse + 2)
                throw FormatError("uncompressed chunk is not 4096 bytes long" + Offset(pos - 2));
            out.Roh(in.substr(pos, ChunkGroesse));
            pos = ende;
        } else {
            ChunkDekomprimieren(in, pos, ende, out);
        }
        if (out.Groesse() > limit)
            throw GroessenFehler("decompressed data exceeds " + std::to_string(limit) + " bytes");
    }
}

struct Treffer {
    std::size_t laenge = 0;
    std::size_t abstand = 0;
};

// Hash chains over three-byte prefixes, walked nearest first, so the choice
// equals the exhaustive search of MS-OVBA: the longest match, the nearest of
// equally long ones.
class TrefferSuche {
public:
    explicit TrefferSuche(std::string_view chunk) : m_chunk(chunk) {
        m_kopf.fill(-1);
        m_vorher.assign(chunk.size(), -1);
    }

    void Merken(std::size_t pos) {
        if (pos + 3 > m_chunk.size())
            return;
        const std::size_t h = Hash(pos);
        m_vorher[pos] = m_kopf[h];
        m_kopf[h] = static_cast<int>(pos);
    }

    Treffer Bester(std::size_t pos) const {
        Treffer best;
        if (pos + 3 > m_chunk.size())
            return best;
        const unsigned bits = OffsetBits(pos);
        const std::size_t maxLaenge = std::min<std::size_t>((0xFFFFu >> bits) + 3, m_chunk.size() - pos);
        for (int c = m_kopf[Hash(pos)]; c >= 0; c = m_vorher[static_cast<std::size_t>(c)]) {
            const auto kandidat = static_cast<std::size_t>(c);
            std::size_t n = 0;
            while (n < maxLaenge && m_chunk[kandidat + n] == m_chunk[pos + n])
                ++n;
            if (n > best.laenge) {
                best = {n, pos - kandidat};
                if (n == maxLaenge)
                    break;
            }
        }
        if (best.laenge < 3)
            best = {};
        return best;
    }

private:
    std::size_t Hash(std::size_t pos) const {
        auto b = [&](std::size_t k) { return static_cast<unsigned char>(m_chunk[pos + k]); };
        return ((b(0) << 8) ^ (b(1) << 4) ^ b(2)) & 0xFFF;
    }

    std::string_view m_chunk;
    std::array<int, 4096> m_kopf{};
    std::vector<int> m_vorher;
};

std::string ChunkDaten(std::string_view chunk) {
    std::string body;
    TrefferSuche suche(chunk);
    std::size_t pos = 0;
    while (pos < chunk.size()) {
        const std::size_t flagPos = body.size();
        body += '\0';
        std::uint8_t flags = 0;
        for (int bit = 0; bit < 8 && pos < chunk.size(); ++bit) {
            const Treffer t = suche.Bester(pos);
            if (t.laenge == 0) {
                body += chunk[pos];
                suche.Merken(pos++);
                continue;
            }
            const unsigned bits = OffsetBits(pos);
            PutU16(body, static_cast<std::uint16_t>(((t.abstand - 1) << (16 - bits)) | (t.laenge - 3)));
            flags = static_cast<std::uint8_t>(flags | (1u << bit));
            for (std::size_t k = 0; k < t.laenge; ++k)
                suche.Merken(pos++);
        }
        body[flagPos] = static_cast<char>(flags);
    }
    return body;
}

void ChunkSchreiben(std::string_view chunk, std::string& out) {
    std::string body = ChunkDaten(chunk);
    if (body.size() <= ChunkGroesse) {
        PutU16(out, static_cast<std::uint16_t>(KomprimiertBit | SignaturBits | (body.size() + 2 - 3)));
        out += body;
    } else if (chunk.size() == ChunkGroesse) {
        PutU16(out, static_cast<std::uint16_t>(SignaturBits | 0x0FFF));
        out += chunk;
    } else {
        // A raw chunk always stands for 4096 bytes, so a short final chunk
        // that does not compress is split into two that do fit.
        const std::size_t haelfte = chunk.size() / 2;
        ChunkSchreiben(chunk.substr(0, haelfte), out);
        ChunkSchreiben(chunk.substr(haelfte), out);
    }
}

} // namespace

std::string Dekomprimieren(std::string_view in, std::size_t limit) {
    TextZiel out;
    ContainerDurchgehen(in, limit, out);
    return std::move(out.Text());
}

std::uint64_t DekomprimierteGroesse(std::string_view in) {
    LaengenZiel out;
    ContainerDurchgehen(in, UINT64_MAX, out);
    return out.Groesse();
}

std::string Komprimieren(std::string_view daten) {
    std::string out(1, '\x01');
    out.reserve(daten.size() / 2 + 16);
    for (std::size_t start = 0; start < daten.size(); start += ChunkGroesse)
        ChunkSchreiben(daten.substr(start, ChunkGroesse), out);
    return out;
}

} // namespace cb::workbook
