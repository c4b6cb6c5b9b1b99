// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small file system of its own (tmpfs) for tests of full disks and
// read-only folders. Mounting needs root with the right to mount; where
// that is missing the tests using it skip.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace cb::test {

class KleinesDateisystem {
public:
    KleinesDateisystem(const std::filesystem::path& ort, std::size_t groesse) : m_ort(ort) {
        std::filesystem::create_directories(ort);
        std::string optionen = "size=" + std::to_string(groesse) + ",mode=0755";
        m_bereit = ::geteuid() == 0 &&
                   ::mount("tmpfs", ort.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, optionen.c_str()) == 0;
    }
    ~KleinesDateisystem() {
        if (m_bereit)
            ::umount2(m_ort.c_str(), MNT_DETACH);
    }
    KleinesDateisystem(const KleinesDateisystem&) = delete;
    KleinesDateisystem& operator=(const KleinesDateisystem&) = delete;

    bool Bereit() const { return m_bereit; }
    /// From now on nothing can be written to it.
    bool NurLesen() {
        return m_bereit && ::mount("tmpfs", m_ort.c_str(), "tmpfs",
                                   MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
    }

private:
    std::filesystem::path m_ort;
    bool m_bereit = false;
};

#define CB_KLEINES_DATEISYSTEM(name, ort, groesse)                                                           \
    KleinesDateisystem name(ort, groesse);                                                                   \
    if (!name.Bereit())                                                                                      \
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root with CAP_SYS_ADMIN)"

} // namespace cb::test
