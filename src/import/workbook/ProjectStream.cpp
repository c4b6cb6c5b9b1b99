// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/ProjectStream.h"

#include "app/Text.h"
#include "import/workbook/DataEncryption.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/TextDekodierung.h"

#include <stdexcept>

namespace cb::workbook {

namespace {

std::string_view OhneAnfuehrung(std::string_view wert) {
    if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"')
        return wert.substr(1, wert.size() - 2);
    return wert;
}

std::optional<std::string> Feld(std::string_view wert) {
    try {
        return Entschluesseln(OhneAnfuehrung(wert));
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

void SchutzLesen(std::string_view schluessel, std::string_view wert, ProjektSchutz& s) {
    if (schluessel == "CMG") {
        if (auto d = Feld(wert); d && d->size() == 4)
            s.schutzZustand = static_cast<std::uint32_t>(static_cast<unsigned char>((*d)[0]) |
                                                         (static_cast<unsigned char>((*d)[1]) << 8) |
                                                         (static_cast<unsigned char>((*d)[2]) << 16)) |
                              (static_cast<std::uint32_t>(static_cast<unsigned char>((*d)[3])) << 24);
    } else if (schluessel == "DPB") {
        // One zero byte means no password; a hash or a clear password otherwise.
        if (auto d = Feld(wert); d && !d->empty())
            s.passwort = !(d->size() == 1 && (*d)[0] == '\0');
    } else if (schluessel == "GC") {
        auto d = Feld(wert);
        if (!d || d->empty())
            throw FormatError("the PROJECT stream's visibility field GC cannot be decrypted");
        s.sichtbar = (*d)[0] != '\0';
    }
}

} // namespace

ProjektText ProjektTextLesen(std::string_view bytes, int codepage) {
    std::string text;
    try {
        text = NachUtf8(bytes, codepage);
    } catch (const std::runtime_error& e) {
        throw FormatError(e.what());
    }
    ProjektText out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t ende = text.find_first_of("\r\n", pos);
        if (ende == std::string::npos)
            ende = text.size();
        std::string_view zeile(text.data() + pos, ende - pos);
        pos = ende;
        while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n'))
            ++pos;
        // The sections that follow ([Host Extender Info], [Workspace]) list
        // module names again, as window positions.
        if (!zeile.empty() && zeile.front() == '[')
            break;
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos)
            continue;
        const std::string_view schluessel = zeile.substr(0, gleich);
        const std::string_view wert = zeile.substr(gleich + 1);
        if (schluessel == "Document") {
            // "Name/&H00000000": the suffix is the document's type library version.
            out.eintraege.push_back({std::string(wert.substr(0, wert.rfind('/'))), KomponentenArt::Dokument});
        } else if (schluessel == "Module") {
            out.eintraege.push_back({std::string(wert), KomponentenArt::Standard});
        } else if (schluessel == "Class") {
            out.eintraege.push_back({std::string(wert), KomponentenArt::Klasse});
        } else if (schluessel == "BaseClass") {
            out.eintraege.push_back({std::string(wert), KomponentenArt::Designer});
        } else if (schluessel == "Package") {
            out.packages.emplace_back(wert);
        } else if (schluessel == "ID") {
            out.id = OhneAnfuehrung(wert);
        } else if (schluessel == "Name") {
            out.name = OhneAnfuehrung(wert);
        } else {
            SchutzLesen(schluessel, wert, out.schutz);
        }
    }
    return out;
}

} // namespace cb::workbook
