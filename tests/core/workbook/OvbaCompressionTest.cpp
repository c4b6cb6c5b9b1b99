// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/OvbaCompression.h"
#include "import/workbook/FormatError.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using cb::workbook::Dekomprimieren;
using cb::workbook::DekomprimierteGroesse;
using cb::workbook::FormatError;
using cb::workbook::Komprimieren;

std::string Hex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        i += 2;
    }
    return out;
}

// A container with one compressed chunk around the given token bytes.
std::string EinChunk(const std::string& body) {
    const std::size_t feld = body.size() + 2 - 3;
    std::string out = "\x01";
    out += static_cast<char>(feld & 0xFF);
    out += static_cast<char>(0xB0 | (feld >> 8));
    return out + body;
}

std::string Zufall(std::size_t n, unsigned seed, int alphabet = 256) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(0, alphabet - 1);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(alphabet == 256 ? d(rng) : 'a' + d(rng));
    return s;
}

// MS-OVBA 3.2.1 and 3.2.2: the compressed arrays as the public examples
// print them, both ways.
TEST(OvbaCompression, PublishedExamples) {
    const std::string ohne = "abcdefghijklmnopqrstuv.";
    const std::string ohneKomprimiert =
        Hex("01 19 B0 00 61 62 63 64 65 66 67 68 00 69 6A 6B 6C 6D 6E 6F 70 00 71 72 73 74 75 76 2E");
    EXPECT_EQ(Dekomprimieren(ohneKomprimiert), ohne);
    EXPECT_EQ(Komprimieren(ohne), ohneKomprimiert);

    const std::string normal = "#aaabcdefaaaaghijaaaaaklaaamnopqaaaaaaaaaaaarstuvwxyzaaa";
    const std::string normalKomprimiert = Hex("01 2F B0 00 23 61 61 61 62 63 64 65 82 66 00 70 61 67 68 69 "
                                              "6A 01 38 08 61 6B 6C 00 20 6D 6E 6F 70 06 71 "
                                              "02 70 04 00 72 73 74 75 76 10 77 78 79 7A 00 2C");
    EXPECT_EQ(Dekomprimieren(normalKomprimiert), normal);
    EXPECT_EQ(Komprimieren(normal), normalKomprimiert);
}

TEST(OvbaCompression, RoundTripOverChunkBoundaries) {
    for (std::size_t n : {0u, 1u, 2u, 3u, 4095u, 4096u, 4097u, 8192u, 12289u, 100000u}) {
        const std::string text = Zufall(n, static_cast<unsigned>(n), 4);
        EXPECT_EQ(Dekomprimieren(Komprimieren(text)), text) << n;
        const std::string bytes = Zufall(n, static_cast<unsigned>(n) + 1);
        EXPECT_EQ(Dekomprimieren(Komprimieren(bytes)), bytes) << n;
        EXPECT_EQ(DekomprimierteGroesse(Komprimieren(text)), n);
        EXPECT_EQ(DekomprimierteGroesse(Komprimieren(bytes)), n);
    }
    const std::string lauf(50000, 'x');
    const std::string c = Komprimieren(lauf);
    EXPECT_LT(c.size(), 1000u);
    EXPECT_EQ(Dekomprimieren(c), lauf);
}

TEST(OvbaCompression, IncompressibleDataUsesRawChunks) {
    const std::string bytes = Zufall(3 * 4096 + 3900, 7);
    const std::string c = Komprimieren(bytes);
    // Three raw chunks (header 0x3FFF, 4096 bytes each), then the short rest,
    // which a raw chunk cannot stand for.
    ASSERT_GT(c.size(), 3 * 4098u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(static_cast<unsigned char>(c[1 + k * 4098]), 0xFF);
        EXPECT_EQ(static_cast<unsigned char>(c[2 + k * 4098]), 0x3F);
    }
    EXPECT_EQ(Dekomprimieren(c), bytes);
    EXPECT_EQ(DekomprimierteGroesse(c), bytes.size());
}

// Measuring walks the tokens as decompressing does: runs that copy over
// themselves, tokens whose split of offset and length moves with the
// position, and the published examples come out at the length of the text.
TEST(OvbaCompression, MeasuredSizeIsTheDecompressedOne) {
    const std::string normal = Hex("01 2F B0 00 23 61 61 61 62 63 64 65 82 66 00 70 61 67 68 69 "
                                   "6A 01 38 08 61 6B 6C 00 20 6D 6E 6F 70 06 71 "
                                   "02 70 04 00 72 73 74 75 76 10 77 78 79 7A 00 2C");
    EXPECT_EQ(DekomprimierteGroesse(normal), Dekomprimieren(normal).size());
    // "a", then a token of length 4095 at distance 1: 4096 bytes from 6.
    std::string lauf = "\x01";
    for (int i = 0; i < 1000; ++i)
        lauf += std::string("\x03\xB0\x02"
                            "a"
                            "\xFC\x0F",
                            6);
    EXPECT_EQ(Dekomprimieren(lauf).size(), 1000u * 4096);
    EXPECT_EQ(DekomprimierteGroesse(lauf), 1000u * 4096);
    for (unsigned seed = 0; seed < 20; ++seed) {
        const std::string text = Zufall(9000 + seed * 311, seed, 3);
        EXPECT_EQ(DekomprimierteGroesse(Komprimieren(text)), text.size()) << seed;
    }
}

TEST(OvbaCompression, MalformedContainersAreRefused) {
    // Measuring refuses the same containers with the same reasons.
    auto wirft = [](const std::string& in, std::string_view teil) {
        try {
            Dekomprimieren(in);
            ADD_FAILURE() << "no error for " << teil;
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find(teil), std::string::npos) << e.what();
        }
        try {
            DekomprimierteGroesse(in);
            ADD_FAILURE() << "no error when measuring for " << teil;
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find(teil), std::string::npos) << e.what();
        }
    };
    wirft("", "signature byte");
    wirft("\x02\x00\xB0", "signature byte");
    wirft("\x01\x19", "header cut off");
    wirft(Hex("01 19 A0 00 61"), "signature is wrong");
    wirft(Hex("01 19 B0 00 61 62"), "only 5 remain");
    // A copy token as first token has no bytes to copy from.
    wirft(EinChunk(Hex("01 00 00")), "before the start of its chunk");
    // "a" then a token reaching 2 bytes back.
    wirft(EinChunk(Hex("02 61 00 10")), "before the start of its chunk");
    wirft(EinChunk(Hex("02 61 00")), "copy token cut off");
    // 1 literal, then tokens of length 4098 each (offset 1) overflow 4096.
    wirft(EinChunk(Hex("02 61 FF 0F")), "more than 4096 bytes");
    wirft(Hex("01 FF 3F 61 62"), "only 4 remain");
    std::string kurzerRohChunk = Hex("01 FE 3F") + std::string(4095, 'a');
    wirft(kurzerRohChunk, "not 4096 bytes");
}

TEST(OvbaCompression, OutputLimitCapsDecompression) {
    const std::string c = Komprimieren(std::string(20000, 'q'));
    EXPECT_THROW(Dekomprimieren(c, 10000), FormatError);
    EXPECT_EQ(Dekomprimieren(c, 20000).size(), 20000u);
}

} // namespace
