// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds-checked little-endian reading over a byte buffer; every overrun
// becomes a FormatError naming what was being read.
#include "import/workbook/FormatError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cb::workbook {

class ByteReader {
public:
    ByteReader(std::string_view data, const char* was) : m_data(data), m_was(was) {}

    std::size_t Position() const { return m_pos; }
    std::size_t Rest() const { return m_data.size() - m_pos; }
    bool AmEnde() const { return m_pos >= m_data.size(); }

    std::string_view Bytes(std::size_t n) {
        Need(n);
        std::string_view out = m_data.substr(m_pos, n);
        m_pos += n;
        return out;
    }
    std::uint8_t U8() { return static_cast<std::uint8_t>(Bytes(1)[0]); }
    std::uint16_t U16() {
        std::string_view b = Bytes(2);
        return static_cast<std::uint16_t>(Byte(b, 0) | (Byte(b, 1) << 8));
    }
    std::uint32_t U32() {
        std::string_view b = Bytes(4);
        return static_cast<std::uint32_t>(Byte(b, 0) | (Byte(b, 1) << 8) | (Byte(b, 2) << 16)) |
               (static_cast<std::uint32_t>(Byte(b, 3)) << 24);
    }
    /// A 32-bit size followed by that many bytes.
    std::string_view SizedBytes() { return Bytes(U32()); }

private:
    static unsigned Byte(std::string_view b, std::size_t i) { return static_cast<unsigned char>(b[i]); }
    void Need(std::size_t n) const {
        if (n > Rest())
            throw FormatError(std::string(m_was) + ": " + std::to_string(n) + " bytes needed at offset " +
                              std::to_string(m_pos) + ", only " + std::to_string(Rest()) + " left");
    }

    std::string_view m_data;
    const char* m_was;
    std::size_t m_pos = 0;
};

inline void PutU16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
inline void PutU32(std::string& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        out += static_cast<char>((v >> (8 * k)) & 0xFF);
}

} // namespace cb::workbook
