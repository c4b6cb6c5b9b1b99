// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/ProjektGenerator.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cb::workbook {

namespace {

constexpr const char* ArbeitsmappeBasis = "0{00020819-0000-0000-C000-000000000046}";
constexpr const char* TabelleBasis = "0{00020820-0000-0000-C000-000000000046}";
constexpr const char* FormularBasis =
    "0{C62A69F0-16DC-11CE-9E98-00AA00574A4F}{4B2C1D3E-5F60-4A71-8B92-A3B4C5D6E7F8}";

struct Plan {
    std::string name;
    KomponentenArt art;
};

Plan PlanFuer(std::size_t i) {
    if (i == 0)
        return {"DieseArbeitsmappe", KomponentenArt::Dokument};
    if (i == 1)
        return {"Tabelle1", KomponentenArt::Dokument};
    if (i % 50 == 49)
        return {"Formular" + std::to_string(i), KomponentenArt::Designer};
    if (i % 7 == 3)
        return {"Klasse" + std::to_string(i), KomponentenArt::Klasse};
    return {"Modul" + std::to_string(i), KomponentenArt::Standard};
}

std::string Attribute(const Plan& p) {
    std::string a = "Attribute VB_Name = \"" + p.name + "\"\r\n";
    switch (p.art) {
    case KomponentenArt::Standard:
        return a;
    case KomponentenArt::Dokument:
        a += std::string("Attribute VB_Base = \"") +
             (p.name == "Tabelle1" ? TabelleBasis : ArbeitsmappeBasis) + "\"\r\n";
        return a + "Attribute VB_GlobalNameSpace = False\r\nAttribute VB_Creatable = False\r\n"
                   "Attribute VB_PredeclaredId = True\r\nAttribute VB_Exposed = True\r\n"
                   "Attribute VB_TemplateDerived = False\r\nAttribute VB_Customizable = True\r\n";
    case KomponentenArt::Designer:
        a += std::string("Attribute VB_Base = \"") + FormularBasis + "\"\r\n";
        return a + "Attribute VB_GlobalNameSpace = False\r\nAttribute VB_Creatable = False\r\n"
                   "Attribute VB_PredeclaredId = True\r\nAttribute VB_Exposed = False\r\n"
                   "Attribute VB_TemplateDerived = False\r\nAttribute VB_Customizable = False\r\n";
    case KomponentenArt::Klasse:
        return a + "Attribute VB_GlobalNameSpace = False\r\nAttribute VB_Creatable = False\r\n"
                   "Attribute VB_PredeclaredId = False\r\nAttribute VB_Exposed = False\r\n";
    }
    return a;
}

// One procedure; its kind turns with k so that every routine kind occurs.
std::vector<std::string> Prozedur(const Plan& p, std::size_t i, std::size_t k, const std::string& ziel) {
    const std::string n = std::to_string(k);
    const std::string aufruf = ziel + ".Wert0";
    switch (k % 5) {
    case 0:
        return {"' Rechnet den Wert " + n + " von " + p.name + " aus.",
                "Public Function Wert" + n + "(ByVal x As Long) As Long",
                "    Dim text As String",
                "    text = \"Wert " + n + " \"\"zitiert\"\" in " + p.name + "\"",
                "    If x > " + n + " Then",
                "        Wert" + n + " = " + aufruf + "(x - 1) ' über Module hinweg",
                "    Else",
                "        Wert" + n + " = x * " + std::to_string(i + 1),
                "    End If",
                "End Function",
                ""};
    case 1:
        return {"Private Sub Schritt" + n + "()",
                "    Dim i As Long",
                "    For i = 1 To " + n,
                "        Debug.Print \"Schritt \"; i ' Ausgabe",
                "    Next i",
                "End Sub",
                ""};
    case 2:
        return {"Public Property Get Menge" + n + "() As Long",
                "    Menge" + n + " = m_menge",
                "End Property",
                "",
                "Public Property Let Menge" + n + "(ByVal wert As Long)",
                "    m_menge = wert",
                "End Property",
                ""};
    case 3:
        return {"Friend Function Teil" + n + "(ByRef feld() As Variant) As Variant",
                "    Teil" + n + " = feld(LBound(feld))", "End Function", ""};
    default:
        return {"Public Sub Lauf" + n + "()",
                "    Call Schritt" + std::to_string(k - 3) + "   ' Rem ist auch ein Kommentar",
                "    MsgBox \"Fertig: \" & " + aufruf + "(" + n + ")", "End Sub", ""};
    }
}

std::string Code(const Plan& p, std::size_t i, std::size_t zeilen, std::size_t module) {
    std::vector<std::string> z;
    const std::vector<std::string> kopf = {"Option Explicit", "", "Private m_menge As Long", ""};
    for (const std::string& k : kopf)
        if (z.size() < zeilen)
            z.push_back(k);
    // The next standard module after this one is called, so that the
    // callers of a routine lie in another module.
    std::string ziel = p.name;
    for (std::size_t d = 1; d < module; ++d) {
        const Plan q = PlanFuer((i + d) % module);
        if (q.art == KomponentenArt::Standard) {
            ziel = q.name;
            break;
        }
    }
    for (std::size_t k = 0; z.size() < zeilen; ++k) {
        const std::vector<std::string> block = Prozedur(p, i, k, ziel);
        if (z.size() + block.size() > zeilen) {
            while (z.size() < zeilen)
                z.push_back("' Rest " + std::to_string(z.size()));
            break;
        }
        z.insert(z.end(), block.begin(), block.end());
    }
    std::string out;
    for (const std::string& zeile : z)
        out += zeile + "\r\n";
    return out;
}

} // namespace

ProjektVorlage ProjektErzeugen(std::size_t module, std::size_t zeilen) {
    ProjektVorlage v;
    v.name = "Generiert";
    module = std::max<std::size_t>(module, 1);
    for (std::size_t i = 0; i < module; ++i) {
        const Plan p = PlanFuer(i);
        const std::size_t n = zeilen / module + (i < zeilen % module ? 1 : 0);
        v.module.push_back({p.name, p.art, Attribute(p) + Code(p, i, n, module)});
    }
    return v;
}

} // namespace cb::workbook
