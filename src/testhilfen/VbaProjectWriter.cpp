// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/VbaProjectWriter.h"

#include "app/Text.h"
#include "import/workbook/Bytes.h"
#include "import/workbook/DataEncryption.h"
#include "import/workbook/OvbaCompression.h"
#include "testhilfen/BiffMappe.h"
#include "testhilfen/OoxmlPaket.h"

namespace cb::workbook {

namespace {

constexpr const char* ProjektId = "{9E394C0B-697E-4AEE-9FA6-446F51FB30DC}";
constexpr const char* FormsPackage = "{AC9F2F90-E877-11CE-9F68-00AA00574A4F}";

void Satz(std::string& out, std::uint16_t id, std::string_view daten) {
    PutU16(out, id);
    PutU32(out, static_cast<std::uint32_t>(daten.size()));
    out += daten;
}
void Satz32(std::string& out, std::uint16_t id, std::uint32_t wert) {
    std::string d;
    PutU32(d, wert);
    Satz(out, id, d);
}
void Satz16(std::string& out, std::uint16_t id, std::uint16_t wert) {
    std::string d;
    PutU16(d, wert);
    Satz(out, id, d);
}
std::string Sized(std::string_view s) {
    std::string d;
    PutU32(d, static_cast<std::uint32_t>(s.size()));
    return d + std::string(s);
}

std::string StreamName(const QuellModul& m) {
    return m.name;
}

struct SchadenName {
    Beschaedigung art;
    const char* name;
};
constexpr SchadenName SchadenNamen[] = {
    {Beschaedigung::Keine, "none"},
    {Beschaedigung::ModulStream, "module-stream"},
    {Beschaedigung::ModulOffset, "module-offset"},
    {Beschaedigung::ModulAbgeschnitten, "module-truncated"},
    {Beschaedigung::DirGroesse, "dir-size"},
    {Beschaedigung::DirModulAnzahl, "dir-count"},
    {Beschaedigung::StreamFehlt, "missing-stream"},
    {Beschaedigung::ProjectFremd, "project-stream"},
    {Beschaedigung::DateiAbgeschnitten, "truncated"},
    {Beschaedigung::ModulName, "module-name"},
};

bool Hat(const ProjektVorlage& v, Beschaedigung b) {
    return v.schaden == b && !v.module.empty();
}

// The name the records give the module, which a damage may take away.
std::string ModulName(const ProjektVorlage& v, const QuellModul& m) {
    return Hat(v, Beschaedigung::ModulName) && &m == &v.module.front() ? std::string() : m.name;
}

// A stand-in for the compiled cache: any bytes do, since a reader skips it.
std::string Cache(std::size_t n) {
    std::string c(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        c[i] = static_cast<char>((i * 7 + 1) & 0xFF);
    return c;
}

std::string ModulStream(const ProjektVorlage& v, const QuellModul& m, bool erstes) {
    std::string quelle = Komprimieren(Utf8NachCodepage(m.quelle, v.codepage));
    if (erstes && v.schaden == Beschaedigung::ModulStream)
        // One literal, then a copy token reaching two bytes back.
        quelle = std::string("\x01\x03\xB0\x02\x61\x00\x10", 7);
    std::string stream = Cache(v.cache) + quelle;
    if (erstes && v.schaden == Beschaedigung::ModulAbgeschnitten)
        stream.resize(v.cache + quelle.size() / 2);
    return stream;
}

std::string Dir(const ProjektVorlage& v) {
    auto mbcs = [&](std::string_view t) { return Utf8NachCodepage(t, v.codepage); };
    auto utf16 = [](std::string_view t) { return Utf8NachCodepage(t, 1200); };
    std::string d;
    Satz32(d, 0x0001, 1);
    Satz32(d, 0x004A, 2);
    Satz32(d, 0x0002, 0x409);
    Satz32(d, 0x0014, 0x409);
    Satz16(d, 0x0003, static_cast<std::uint16_t>(v.codepage));
    if (Hat(v, Beschaedigung::DirGroesse)) {
        PutU16(d, 0x0004);
        PutU32(d, 0x7FFFFF00);
        d += mbcs(v.name);
    } else {
        Satz(d, 0x0004, mbcs(v.name));
    }
    Satz(d, 0x0005, "");
    Satz(d, 0x0040, "");
    Satz(d, 0x0006, "");
    Satz(d, 0x003D, "");
    Satz32(d, 0x0007, 0);
    Satz32(d, 0x0008, 0);
    PutU16(d, 0x0009);
    PutU32(d, 4);
    PutU32(d, 1);
    PutU16(d, 0);
    Satz(d, 0x000C, "");
    Satz(d, 0x003C, "");
    // stdole, as every project created by Excel references it.
    Satz(d, 0x0016, "stdole");
    Satz(d, 0x003E, utf16("stdole"));
    std::string reg = Sized(
        "*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\Windows\\System32\\stdole2.tlb#OLE Automation");
    PutU32(reg, 0);
    PutU16(reg, 0);
    Satz(d, 0x000D, reg);
    Satz16(d, 0x000F,
           static_cast<std::uint16_t>(v.module.size() + (Hat(v, Beschaedigung::DirModulAnzahl) ? 1 : 0)));
    Satz16(d, 0x0013, 0xFFFF);
    for (std::size_t i = 0; i < v.module.size(); ++i) {
        const QuellModul& m = v.module[i];
        const bool erstes = i == 0;
        Satz(d, 0x0019, mbcs(ModulName(v, m)));
        Satz(d, 0x0047, utf16(ModulName(v, m)));
        Satz(d, 0x001A, mbcs(StreamName(m)));
        Satz(d, 0x0032, utf16(StreamName(m)));
        Satz(d, 0x001C, "");
        Satz(d, 0x0048, "");
        std::uint32_t offset = static_cast<std::uint32_t>(v.cache);
        if (erstes && v.schaden == Beschaedigung::ModulOffset)
            offset = static_cast<std::uint32_t>(ModulStream(v, m, true).size() + 100);
        Satz32(d, 0x0031, offset);
        Satz32(d, 0x001E, 0);
        Satz16(d, 0x002C, 0xFFFF);
        Satz(d, m.art == KomponentenArt::Standard ? 0x0021 : 0x0022, "");
        Satz32(d, 0x002B, 0); // terminator with its reserved field
    }
    Satz(d, 0x0010, "");
    return d;
}

std::string ProjectStream(const ProjektVorlage& v) {
    std::string t = std::string("ID=\"") + ProjektId + "\"\r\n";
    if (Hat(v, Beschaedigung::ProjectFremd))
        t += "Module=Unbekannt\r\n";
    for (const QuellModul& m : v.module) {
        switch (m.art) {
        case KomponentenArt::Dokument:
            t += "Document=" + ModulName(v, m) + "/&H00000000\r\n";
            break;
        case KomponentenArt::Standard:
            t += "Module=" + ModulName(v, m) + "\r\n";
            break;
        case KomponentenArt::Klasse:
            t += "Class=" + ModulName(v, m) + "\r\n";
            break;
        case KomponentenArt::Designer:
            t += std::string("Package=") + FormsPackage + "\r\nBaseClass=" + ModulName(v, m) + "\r\n";
            break;
        }
    }
    t += "Name=\"" + v.name + "\"\r\nHelpContextID=\"0\"\r\nVersionCompatible32=\"393222000\"\r\n";
    const std::string zustand = v.gesperrt ? std::string("\x01\0\0\0", 4) : std::string(4, '\0');
    // A locked project carries a password hash; its value is never checked here.
    const std::string passwort =
        v.gesperrt ? std::string("\xFF\x10\0\0") + std::string(25, '\x2A') : std::string(1, '\0');
    t += "CMG=\"" + Verschluesseln(zustand, ProjektId, 0x34) + "\"\r\n";
    t += "DPB=\"" + Verschluesseln(passwort, ProjektId, 0x36) + "\"\r\n";
    t += "GC=\"" +
         Verschluesseln(v.gesperrt ? std::string(1, '\0') : std::string(1, '\xFF'), ProjektId, 0x38) +
         "\"\r\n";
    t += "\r\n[Host Extender Info]\r\n&H00000001={3832D640-CF90-11CF-8E43-00A0C911005A};VBE;&H00000000\r\n";
    t += "\r\n[Workspace]\r\n";
    for (const QuellModul& m : v.module)
        t += ModulName(v, m) + "=0, 0, 0, 0, C\r\n";
    return Utf8NachCodepage(t, v.codepage);
}

std::string ProjectWm(const ProjektVorlage& v) {
    std::string out;
    for (const QuellModul& m : v.module) {
        out += Utf8NachCodepage(ModulName(v, m), v.codepage) + '\0';
        out += Utf8NachCodepage(ModulName(v, m), 1200) + std::string(2, '\0');
    }
    return out + std::string(2, '\0');
}

} // namespace

std::vector<ContainerEintrag> VbaSpeicherBauen(const ProjektVorlage& v) {
    std::vector<ContainerEintrag> out;
    out.push_back({"PROJECT", ProjectStream(v)});
    out.push_back({"PROJECTwm", ProjectWm(v)});
    // _VBA_PROJECT without a performance cache: version 0xFFFF tells the
    // host to compile from source.
    out.push_back({"VBA/_VBA_PROJECT", std::string("\xCC\x61\xFF\xFF\x00\x00\x00", 7)});
    out.push_back({"VBA/dir", Komprimieren(Dir(v))});
    for (std::size_t i = 0; i < v.module.size(); ++i)
        if (i > 0 || v.schaden != Beschaedigung::StreamFehlt)
            out.push_back({"VBA/" + StreamName(v.module[i]), ModulStream(v, v.module[i], i == 0)});
    return out;
}

std::optional<Beschaedigung> BeschaedigungAusName(std::string_view name) {
    for (const SchadenName& s : SchadenNamen)
        if (name == s.name)
            return s.art;
    return std::nullopt;
}

std::string BeschaedigungsNamen() {
    std::string out;
    for (const SchadenName& s : SchadenNamen)
        out += (out.empty() ? "" : ", ") + std::string(s.name);
    return out;
}

namespace {

std::string Fertig(const ProjektVorlage& v, std::string bytes) {
    if (v.schaden == Beschaedigung::DateiAbgeschnitten)
        bytes.resize(bytes.size() / 2);
    return bytes;
}

std::string Bin(const ProjektVorlage& v) {
    return OleSchreiben(VbaSpeicherBauen(v));
}

// Excel ties document modules to the workbook and its sheets by code
// name: the workbook's is the one whose class is the workbook's (or the
// first document module), every other document module is a sheet.
ExcelCodeNamen CodeNamen(const ProjektVorlage& v) {
    constexpr std::string_view ArbeitsmappenKlasse = "{00020819-0000-0000-C000-000000000046}";
    ExcelCodeNamen namen;
    const QuellModul* mappe = nullptr;
    for (const QuellModul& m : v.module)
        if (m.art == KomponentenArt::Dokument &&
            (!mappe || (m.quelle.find(ArbeitsmappenKlasse) != std::string::npos &&
                        mappe->quelle.find(ArbeitsmappenKlasse) == std::string::npos)))
            mappe = &m;
    for (const QuellModul& m : v.module)
        if (m.art == KomponentenArt::Dokument && &m != mappe)
            namen.tabellen.push_back(ModulName(v, m));
    if (mappe)
        namen.arbeitsmappe = ModulName(v, *mappe);
    return namen;
}

struct Endung {
    OfficeArt art;
    const char* endung;
};
constexpr Endung Endungen[] = {
    {OfficeArt::Xlsm, ".xlsm"}, {OfficeArt::Xltm, ".xltm"}, {OfficeArt::Xlam, ".xlam"},
    {OfficeArt::Xls, ".xls"},   {OfficeArt::Xls, ".xla"},   {OfficeArt::Xls, ".xlt"},
    {OfficeArt::Docm, ".docm"}, {OfficeArt::Dotm, ".dotm"}, {OfficeArt::Pptm, ".pptm"},
    {OfficeArt::Doc, ".doc"},   {OfficeArt::Ppt, ".ppt"},   {OfficeArt::Bin, ".bin"},
};

std::string Paket(const ProjektVorlage& v, PaketArt art) {
    return ZipSchreiben(PaketTeile(art, CodeNamen(v), Bin(v)));
}

std::string Ole(const ProjektVorlage& v, std::string speicher, std::vector<ContainerEintrag> eintraege) {
    for (ContainerEintrag& e : VbaSpeicherBauen(v))
        eintraege.push_back({speicher + "/" + e.pfad, std::move(e.daten)});
    return OleSchreiben(eintraege);
}

// A record header of the PowerPoint binary format: version and instance in
// one word, then the type and the length of what follows.
void PptSatz(std::string& out, std::uint16_t versionInstanz, std::uint16_t typ, std::string_view daten) {
    PutU16(out, versionInstanz);
    PutU16(out, typ);
    PutU32(out, static_cast<std::uint32_t>(daten.size()));
    out += daten;
}

std::string PptBauen(const ProjektVorlage& v) {
    std::string dokument;
    PptSatz(dokument, 0x000F, 0x03E8, {});     // DocumentContainer
    PptSatz(dokument, 0x0000, 0x1011, Bin(v)); // ExOleObjStgUncompressedAtom
    std::string benutzer;
    PptSatz(benutzer, 0x0000, 0x0FF6, std::string(20, '\0')); // CurrentUserAtom
    return OleSchreiben({{"Current User", benutzer}, {"PowerPoint Document", dokument}});
}

} // namespace

std::optional<OfficeArt> OfficeArtAusEndung(std::string_view endung) {
    const std::string klein = KleinGefaltet(endung);
    for (const Endung& e : Endungen)
        if (klein == e.endung)
            return e.art;
    return std::nullopt;
}

std::string OfficeEndungen() {
    std::string out;
    for (const Endung& e : Endungen)
        out += (out.empty() ? "" : ", ") + std::string(e.endung);
    return out;
}

std::string OfficeDateiBauen(const ProjektVorlage& v, OfficeArt art) {
    switch (art) {
    case OfficeArt::Xlsm:
        return Fertig(v, Paket(v, PaketArt::Xlsm));
    case OfficeArt::Xltm:
        return Fertig(v, Paket(v, PaketArt::Xltm));
    case OfficeArt::Xlam:
        return Fertig(v, Paket(v, PaketArt::Xlam));
    case OfficeArt::Docm:
        return Fertig(v, Paket(v, PaketArt::Docm));
    case OfficeArt::Dotm:
        return Fertig(v, Paket(v, PaketArt::Dotm));
    case OfficeArt::Pptm:
        return Fertig(v, Paket(v, PaketArt::Pptm));
    case OfficeArt::Xls:
        return Fertig(v, Ole(v, "_VBA_PROJECT_CUR", {{"Workbook", BiffWorkbookStream(CodeNamen(v), true)}}));
    case OfficeArt::Doc:
        return Fertig(v, Ole(v, "Macros", {}));
    case OfficeArt::Ppt:
        return Fertig(v, PptBauen(v));
    case OfficeArt::Bin:
        return Fertig(v, Bin(v));
    }
    return {};
}

std::string VbaProjectBin(const ProjektVorlage& v) {
    return OfficeDateiBauen(v, OfficeArt::Bin);
}
std::string XlsmBauen(const ProjektVorlage& v) {
    return OfficeDateiBauen(v, OfficeArt::Xlsm);
}
std::string XlsBauen(const ProjektVorlage& v) {
    return OfficeDateiBauen(v, OfficeArt::Xls);
}

} // namespace cb::workbook
