// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/DirStream.h"

#include "app/Text.h"
#include "import/workbook/Bytes.h"
#include "import/workbook/TextDekodierung.h"

#include <stdexcept>

namespace cb::workbook {

namespace {

// Record ids of MS-OVBA 2.3.4.2.
enum : std::uint16_t {
    SysKind = 0x0001,
    Lcid = 0x0002,
    CodePage = 0x0003,
    Name = 0x0004,
    DocString = 0x0005,
    HelpFile1 = 0x0006,
    HelpContext = 0x0007,
    LibFlags = 0x0008,
    Version = 0x0009,
    Constants = 0x000C,
    RefRegistered = 0x000D,
    RefProject = 0x000E,
    Modules = 0x000F,
    DirEnde = 0x0010,
    ProjectCookie = 0x0013,
    LcidInvoke = 0x0014,
    RefName = 0x0016,
    ModName = 0x0019,
    ModStreamName = 0x001A,
    ModDocString = 0x001C,
    ModHelpContext = 0x001E,
    ModProzedural = 0x0021,
    ModKlasse = 0x0022,
    ModReadOnly = 0x0025,
    ModPrivate = 0x0028,
    ModEnde = 0x002B,
    ModCookie = 0x002C,
    RefControl = 0x002F,
    RefExtended = 0x0030,
    ModOffset = 0x0031,
    ModStreamNameUnicode = 0x0032,
    RefOriginal = 0x0033,
    ConstantsUnicode = 0x003C,
    HelpFile2 = 0x003D,
    RefNameUnicode = 0x003E,
    DocStringUnicode = 0x0040,
    ModNameUnicode = 0x0047,
    ModDocStringUnicode = 0x0048,
    CompatVersion = 0x004A,
};

// "dir record 0x0019", as MS-OVBA writes record ids.
std::string Satzname(std::uint16_t id) {
    static constexpr char Ziffern[] = "0123456789ABCDEF";
    std::string name = "dir record 0x";
    for (int stelle = 12; stelle >= 0; stelle -= 4)
        name += Ziffern[(id >> stelle) & 0xF];
    return name;
}

std::uint32_t U32Aus(std::string_view daten, std::uint16_t id) {
    ByteReader r(daten, "dir record");
    if (daten.size() < 4)
        throw FormatError(Satzname(id) + " is shorter than 4 bytes");
    return r.U32();
}

std::uint16_t U16Aus(std::string_view daten, std::uint16_t id) {
    ByteReader r(daten, "dir record");
    if (daten.size() < 2)
        throw FormatError(Satzname(id) + " is shorter than 2 bytes");
    return r.U16();
}

std::string Unicode(std::string_view utf16) {
    return NachUtf8(utf16, 1200);
}

// Texts are decoded at the end, since the code page record might in theory
// follow a text; the raw bytes wait here.
struct Roh {
    std::string name, docString, helpFile, konstanten;
};

class Parser {
public:
    explicit Parser(std::string_view dir) : m_r(dir, "dir stream") {}

    DirInfo Lesen() {
        std::optional<std::uint16_t> anzahl;
        bool ende = false;
        while (!ende && !m_r.AmEnde()) {
            const std::uint16_t id = m_r.U16();
            // PROJECTVERSION's size field says 4 but six bytes follow.
            std::string_view daten = id == Version ? (m_r.U32(), m_r.Bytes(6)) : m_r.SizedBytes();
            switch (id) {
            case Modules:
                anzahl = U16Aus(daten, id);
                break;
            case DirEnde:
                ende = true;
                break;
            default:
                if (!Projektfeld(id, daten) && !Referenzfeld(id, daten))
                    Modulfeld(id, daten);
            }
        }
        if (m_modulOffen)
            throw FormatError("dir stream ends inside the record of module " +
                              std::to_string(m_info.module.size()));
        if (!anzahl)
            throw FormatError("dir stream has no PROJECTMODULES record");
        if (*anzahl != m_info.module.size())
            throw FormatError("dir stream announces " + std::to_string(*anzahl) + " modules but holds " +
                              std::to_string(m_info.module.size()));
        Dekodieren();
        return std::move(m_info);
    }

private:
    bool Projektfeld(std::uint16_t id, std::string_view d) {
        switch (id) {
        case SysKind:
            m_info.sysKind = U32Aus(d, id);
            break;
        case CompatVersion:
            m_info.compatVersion = U32Aus(d, id);
            break;
        case Lcid:
            m_info.lcid = U32Aus(d, id);
            break;
        case LcidInvoke:
            m_info.lcidInvoke = U32Aus(d, id);
            break;
        case CodePage:
            m_info.codepage = U16Aus(d, id);
            break;
        case Name:
            m_roh.name = d;
            break;
        case DocString:
            m_roh.docString = d;
            break;
        case DocStringUnicode:
            m_info.docString = Unicode(d);
            break;
        case HelpFile1:
            m_roh.helpFile = d;
            break;
        case HelpFile2:
            break; // a second copy of the help file path
        case HelpContext:
            m_info.helpContext = U32Aus(d, id);
            break;
        case LibFlags:
            m_info.libFlags = U32Aus(d, id);
            break;
        case Version: {
            ByteReader r(d, "PROJECTVERSION");
            m_info.versionMajor = r.U32();
            m_info.versionMinor = r.U16();
            break;
        }
        case Constants:
            m_roh.konstanten = d;
            break;
        case ConstantsUnicode:
            m_info.konstanten = Unicode(d);
            break;
        case ProjectCookie:
            m_info.projektCookie = U16Aus(d, id);
            break;
        default:
            return false;
        }
        return true;
    }

    Referenz& Neue() {
        m_info.referenzen.emplace_back();
        m_refHatRumpf = false;
        m_inControl = false;
        return m_info.referenzen.back();
    }
    // The body record that follows a name belongs to the same reference;
    // any other body starts the next one.
    Referenz& FuerRumpf() {
        if (m_info.referenzen.empty() || m_refHatRumpf)
            return Neue();
        return m_info.referenzen.back();
    }

    bool Referenzfeld(std::uint16_t id, std::string_view d) {
        switch (id) {
        case RefName:
            // Inside a control reference, a name record is its extended name.
            if (!m_inControl)
                Neue().name = d;
            break;
        case RefNameUnicode:
            if (!m_inControl && !m_info.referenzen.empty())
                m_info.referenzen.back().name = "\x01" + std::string(d); // marked as UTF-16
            break;
        case RefRegistered: {
            Referenz& ref = FuerRumpf();
            ByteReader r(d, "REFERENCEREGISTERED");
            ref.art = ReferenzArt::Registriert;
            ref.libid = r.SizedBytes();
            m_refHatRumpf = true;
            break;
        }
        case RefProject: {
            Referenz& ref = FuerRumpf();
            ByteReader r(d, "REFERENCEPROJECT");
            ref.art = ReferenzArt::Projekt;
            ref.libid = r.SizedBytes();
            ref.libidRelativ = r.SizedBytes();
            m_refHatRumpf = true;
            break;
        }
        case RefOriginal: {
            Referenz& ref = FuerRumpf();
            ref.art = ReferenzArt::Original;
            ref.libid = d;
            m_originalOffen = true;
            break;
        }
        case RefControl: {
            Referenz& ref = m_originalOffen ? m_info.referenzen.back() : FuerRumpf();
            if (!m_originalOffen) {
                ref.art = ReferenzArt::Steuerelement;
                ByteReader r(d, "REFERENCECONTROL");
                ref.libid = r.SizedBytes();
            }
            m_originalOffen = false;
            m_inControl = true;
            m_refHatRumpf = true;
            break;
        }
        case RefExtended: {
            if (m_inControl) {
                ByteReader r(d, "REFERENCECONTROL extended");
                m_info.referenzen.back().libidErweitert = r.SizedBytes();
            }
            m_inControl = false;
            break;
        }
        default:
            return false;
        }
        return true;
    }

    DirModul& Offen(std::uint16_t id) {
        if (!m_modulOffen)
            throw FormatError(Satzname(id) + " stands outside a module");
        return m_info.module.back();
    }

    void Modulfeld(std::uint16_t id, std::string_view d) {
        switch (id) {
        case ModName:
            if (m_modulOffen)
                throw FormatError("module " + std::to_string(m_info.module.size()) + " lacks its terminator");
            m_info.module.emplace_back();
            m_modulOffen = true;
            m_info.module.back().nameMbcs = d; // decoded later
            break;
        case ModNameUnicode:
            Offen(id).name = Unicode(d);
            break;
        case ModStreamName:
            Offen(id).streamName = d;
            break; // decoded later unless Unicode follows
        case ModStreamNameUnicode:
            Offen(id).streamName = "\x01" + std::string(d);
            break;
        case ModDocString:
            Offen(id).docString = d;
            break;
        case ModDocStringUnicode:
            Offen(id).docString = "\x01" + std::string(d);
            break;
        case ModOffset:
            Offen(id).textOffset = U32Aus(d, id);
            m_hatOffset = true;
            break;
        case ModHelpContext:
            Offen(id).helpContext = U32Aus(d, id);
            break;
        case ModCookie:
            Offen(id).cookie = U16Aus(d, id);
            break;
        case ModProzedural:
            Offen(id).prozedural = true;
            break;
        case ModKlasse:
            Offen(id).prozedural = false;
            break;
        case ModReadOnly:
            Offen(id).nurLesen = true;
            break;
        case ModPrivate:
            Offen(id).privat = true;
            break;
        case ModEnde: {
            DirModul& m = Offen(id);
            if (m.streamName.empty())
                throw FormatError("module " + std::to_string(m_info.module.size()) + " has no stream name");
            if (!m_hatOffset)
                throw FormatError("module " + std::to_string(m_info.module.size()) + " has no MODULEOFFSET");
            m_modulOffen = false;
            m_hatOffset = false;
            break;
        }
        default:
            break; // records of later versions that we do not need
        }
    }

    std::string Text(std::string_view roh) const {
        if (!roh.empty() && roh[0] == '\x01')
            return Unicode(roh.substr(1));
        return NachUtf8(roh, m_info.codepage);
    }

    void Dekodieren() {
        try {
            m_info.name = NachUtf8(m_roh.name, m_info.codepage);
            if (m_info.docString.empty())
                m_info.docString = NachUtf8(m_roh.docString, m_info.codepage);
            m_info.helpFile = NachUtf8(m_roh.helpFile, m_info.codepage);
            if (m_info.konstanten.empty())
                m_info.konstanten = NachUtf8(m_roh.konstanten, m_info.codepage);
            for (Referenz& ref : m_info.referenzen) {
                ref.name = Text(ref.name);
                ref.libid = Text(ref.libid);
                ref.libidRelativ = Text(ref.libidRelativ);
                ref.libidErweitert = Text(ref.libidErweitert);
            }
            for (DirModul& m : m_info.module) {
                m.nameMbcs = NachUtf8(m.nameMbcs, m_info.codepage);
                if (m.name.empty())
                    m.name = m.nameMbcs;
                m.streamName = Text(m.streamName);
                m.docString = Text(m.docString);
            }
        } catch (const FormatError&) {
            throw;
        } catch (const std::runtime_error& e) {
            throw FormatError(e.what());
        }
    }

    ByteReader m_r;
    DirInfo m_info;
    Roh m_roh;
    bool m_modulOffen = false;
    bool m_hatOffset = false;
    bool m_refHatRumpf = false;
    bool m_inControl = false;
    bool m_originalOffen = false;
};

} // namespace

DirInfo DirLesen(std::string_view dir) {
    return Parser(dir).Lesen();
}

} // namespace cb::workbook
