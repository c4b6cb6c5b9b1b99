// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/vb/ModulDatei.h"

#include "app/Text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace cb {

namespace {

constexpr std::string_view AttributWort = "Attribute ";

bool BeginntMitOhneFall(std::string_view text, std::string_view anfang) {
    return text.size() >= anfang.size() &&
           std::equal(anfang.begin(), anfang.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Most module files are plain ASCII with CR LF line breaks; these two
// checks let them pass without being rebuilt character by character.
bool NurAscii(std::string_view bytes) {
    unsigned char oder = 0;
    for (char c : bytes)
        oder |= static_cast<unsigned char>(c);
    return oder < 0x80;
}

bool NurCrLf(std::string_view t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            if (i + 1 == t.size() || t[i + 1] != '\n')
                return false;
            ++i;
        } else if (t[i] == '\n') {
            return false;
        }
    }
    return true;
}

// Calls f with each line (without its CR LF) and its start offset; false
// from f stops the walk.
template <typename F> void ZeilenDurchgehen(std::string_view text, F f) {
    for (std::size_t pos = 0;;) {
        std::size_t cr = text.find("\r\n", pos);
        std::size_t ende = cr == std::string_view::npos ? text.size() : cr;
        if (!f(text.substr(pos, ende - pos), pos) || cr == std::string_view::npos)
            return;
        pos = cr + 2;
    }
}

} // namespace

std::string ModulDateiText(std::string_view bytes, int ersatzCodepage) {
    std::string text;
    // A byte-order mark in front of bytes that are no UTF-8 says nothing of
    // their code page; they are read in the one asked for, like any other.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (NurAscii(bytes) || IstGueltigesUtf8(bytes))
        text = std::string(bytes);
    else
        text = CodepageNachUtf8(bytes, ersatzCodepage);
    return NurCrLf(text) ? text : ZeilenumbruecheNachCrLf(text);
}

bool IstAttributZeile(std::string_view zeile) {
    return BeginntMitOhneFall(LinksGetrimmt(zeile), AttributWort);
}

std::string CodeAusModulDatei(std::string_view text) {
    enum { VorDemBlock, ImBlock } stand = VorDemBlock;
    std::size_t codeAnfang = std::string_view::npos;
    ZeilenDurchgehen(text, [&](std::string_view zeile, std::size_t pos) {
        bool attribut = IstAttributZeile(zeile);
        if (stand == VorDemBlock) {
            if (attribut)
                stand = ImBlock;
            return true;
        }
        if (attribut)
            return true;
        codeAnfang = pos;
        return false;
    });
    std::string_view code;
    if (stand == VorDemBlock)
        code = text; // no attribute block: nothing to skip
    else if (codeAnfang != std::string_view::npos)
        code = text.substr(codeAnfang);
    // else the attribute block is the file's last part: a module without code
    if (code.ends_with("\r\n"))
        code.remove_suffix(2);
    return std::string(code);
}

std::string VbNameAus(std::string_view text) {
    std::string name;
    ZeilenDurchgehen(text, [&](std::string_view zeile, std::size_t) {
        zeile = LinksGetrimmt(zeile);
        if (!BeginntMitOhneFall(zeile, AttributWort))
            return true;
        std::string_view rest = Getrimmt(zeile.substr(AttributWort.size()), BlanksUndTabs);
        if (!BeginntMitOhneFall(rest, "VB_Name"))
            return true;
        rest = Getrimmt(rest.substr(7), BlanksUndTabs);
        if (!rest.starts_with('='))
            return true;
        rest = Getrimmt(rest.substr(1), BlanksUndTabs);
        if (rest.starts_with('"')) {
            rest.remove_prefix(1);
            rest = rest.substr(0, rest.find('"'));
        }
        name = std::string(rest);
        return false;
    });
    return name;
}

std::optional<int> ModulTypNachEndung(std::string_view pfad) {
    std::string endung = KleinGefaltet(std::filesystem::path(pfad).extension().string());
    if (endung == ".frm")
        return 1;
    if (endung == ".bas")
        return 2;
    if (endung == ".cls")
        return 3;
    if (endung == ".ctl")
        return 4;
    if (endung == ".dob")
        return 6;
    if (endung == ".dsr")
        return 7;
    if (endung == ".pag")
        return 0;
    return std::nullopt;
}

} // namespace cb
