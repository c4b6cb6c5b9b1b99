// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every conversion of text between the outside world and the UTF-8 that the
// core works in lives here: code pages, Windows-1252, line breaks, and the
// character classes and case-insensitive compares built on code points.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cb {

/// Decodes one UTF-8 sequence at pos; invalid bytes come back as themselves
/// (a code point < 256) with length 1, so no input can stall a scan.
char32_t CodepunktAn(std::string_view text, std::size_t pos, std::size_t& laenge);
void Utf8Anhaengen(std::string& ziel, char32_t cp);
/// Number of characters (code points) of a UTF-8 text.
std::size_t ZeichenAnzahl(std::string_view text);
/// The byte position of character (code point) n of a UTF-8 text; its size
/// when the text is shorter.
std::size_t BytePosition(std::string_view text, std::size_t n);

bool IstGueltigesUtf8(std::string_view bytes);
std::string Cp1252NachUtf8(std::string_view bytes);
/// The Windows-1252 byte of a code point, or nullopt when it has none.
std::optional<unsigned char> Cp1252Byte(char32_t cp);
/// The value of a hexadecimal digit, -1 for any other character.
int HexWert(char c);
/// iconv's name of a Windows code page number.
std::string IconvName(int codepage);
/// Text in another code page (Windows code page number) to UTF-8; throws
/// std::runtime_error for a code page this system cannot convert.
std::string CodepageNachUtf8(std::string_view bytes, int codepage);
/// UTF-8 text to another code page; a character the code page lacks becomes
/// "?". Throws std::runtime_error for a code page this system cannot convert.
std::string Utf8NachCodepage(std::string_view text, int codepage);

/// Bytes of a file or a stream, as the core takes text: UTF-8 (with or
/// without a byte-order mark) when valid, otherwise Windows-1252.
std::string TextAusBytes(std::string_view bytes);
/// LF and lone CR line breaks become CR LF; CR LF stays.
std::string ZeilenumbruecheNachCrLf(std::string_view text);

/// The text without the blanks at either end, as VBA's Trim takes them off:
/// blanks only, a tab stays. Readers of files that allow tabs there too
/// pass BlanksUndTabs as zeichen.
std::string_view Getrimmt(std::string_view text, std::string_view zeichen = " ");
/// The text without the blanks in front, as VBA's LTrim.
std::string_view LinksGetrimmt(std::string_view text, std::string_view zeichen = " ");
inline constexpr std::string_view BlanksUndTabs = " \t";

/// The value of the decimal number a text begins with, as VBA's Val reads
/// it: blanks and tabs before it skipped, an optional sign, digits with at
/// most one decimal point "."; whatever follows is ignored, and a text
/// without digits there gives 0. The same in every C locale.
double ZahlenWert(std::string_view text);

/// Letters of any script and digits (the identifier characters besides "_").
bool IstBuchstabeOderZiffer(char32_t cp);

/// Position of the first occurrence, ignoring letter case; npos when absent.
std::size_t TextSuche(std::string_view text, std::string_view suche);
/// Position of the last occurrence, ignoring letter case; npos when absent.
std::size_t TextSucheRueckwaerts(std::string_view text, std::string_view suche);
/// Equality ignoring letter case, umlauts included.
bool TextGleich(std::string_view a, std::string_view b);
/// The text with every letter folded to lower case.
std::string KleinGefaltet(std::string_view text);

} // namespace cb
