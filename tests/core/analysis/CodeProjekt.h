// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stored project made from module code as a read makes it: every module
// through ModulSpeichern into a real database and module text files.
#include "../store/StoreHilfen.h"

#include "analysis/ModulParser.h"
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "store/ProjektBaum.h"

#include <string>

namespace cb::test {

class CodeProjekt : public StoreProjekt {
protected:
    void SetUp() override {
        StoreProjekt::SetUp();
        Db().EinlesenBeginnen();
    }

    /// Stores the code (lines given without line breaks) as the next module.
    void Modul(const std::string& name, std::initializer_list<std::string> zeilen, int typ = ModulStandard) {
        std::string code;
        bool erste = true;
        for (const std::string& zeile : zeilen) {
            if (!erste)
                code += "\r\n";
            code += zeile;
            erste = false;
        }
        ModulSpeichern(Db(), projekt.ProjektPfad(), z.Opt, {++m_modulNummer, name, typ},
                       projekt.RoutinenNummer, code);
    }

    /// Ends the read and fills the project tree, as the project display does.
    Baum Anzeigen() {
        Db().EinlesenAbschliessen();
        Baum baum;
        for (auto& k : projekt.ModullisteLaden())
            baum.Hinzufuegen(std::move(k));
        for (auto& k : projekt.RoutinenlisteLaden())
            baum.Hinzufuegen(std::move(k));
        return baum;
    }

    /// The code pane of this module is the one in front.
    void Vorne(std::int64_t modulNummer) { aktModulIndex = modulNummer - 1; }

    AnzeigeImSpeicher anzeige;
    /// The code pane in front, as the window keeps it.
    std::int64_t aktModulIndex = 0;
};

} // namespace cb::test
