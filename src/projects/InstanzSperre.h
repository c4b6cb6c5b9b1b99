// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which program instances run, told by locks rather than process names: a
// running instance holds an advisory lock (flock) on a file of its own,
// and the system drops the lock when the process ends in any way, also
// when it is killed. The lock files sit in a folder beside the working
// area, so that emptying the working area never touches them.
#include "app/Dateideskriptor.h"

#include <string>

namespace cb {

class InstanzSperre {
public:
    InstanzSperre() = default;
    InstanzSperre(const InstanzSperre&) = delete;
    InstanzSperre& operator=(const InstanzSperre&) = delete;
    InstanzSperre(InstanzSperre&& andere) noexcept;
    InstanzSperre& operator=(InstanzSperre&& andere) noexcept;
    ~InstanzSperre();

    /// Takes the lock on the file, creating it; false when another process
    /// holds it or the file cannot be made. warten blocks until it is free.
    bool Nehmen(const std::string& datei, bool warten = false);
    /// Drops the lock; mitDatei removes the lock file as well.
    void Freigeben(bool mitDatei = false);
    bool Gehalten() const { return m_fd.Offen(); }
    /// The system's error number of the last Nehmen that failed, 0 after
    /// one that succeeded.
    int Fehler() const { return m_fehler; }
    const std::string& Datei() const { return m_datei; }

private:
    Dateideskriptor m_fd;
    int m_fehler = 0;
    std::string m_datei;
};

/// The folder of the lock files for a working area: "Instanzen" beside it.
std::string SperrOrdnerVon(const std::string& arbeitsbereich);
/// The lock file of an instance folder "T_" + n.
std::string SperrDateiVon(const std::string& arbeitsbereich, const std::string& instanzOrdner);

/// True while any other process holds the lock of an instance of this
/// working area, and also when a lock file or the folder of the locks
/// cannot be checked: cleaning the working area must never take the folder
/// of an instance that may still run.
bool AndereInstanzLaeuft(const std::string& arbeitsbereich);
/// Removes the lock files that no running instance holds any more (left
/// by an instance that was killed).
void VerwaisteSperrenEntfernen(const std::string& arbeitsbereich);

} // namespace cb
