// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one owner of an open file descriptor: every path out of a function,
// an exception included, closes it exactly once.
namespace cb {

class Dateideskriptor {
public:
    Dateideskriptor() noexcept = default;
    /// Takes over fd; a negative fd (a failed open) owns nothing.
    explicit Dateideskriptor(int fd) noexcept : m_fd(fd) {}
    ~Dateideskriptor();
    Dateideskriptor(const Dateideskriptor&) = delete;
    Dateideskriptor& operator=(const Dateideskriptor&) = delete;
    Dateideskriptor(Dateideskriptor&& andere) noexcept;
    /// Closes the descriptor held so far, then takes over the other's.
    Dateideskriptor& operator=(Dateideskriptor&& andere) noexcept;

    int fd() const noexcept { return m_fd; }
    bool Offen() const noexcept { return m_fd >= 0; }

    /// Closes now and returns 0, or the system's error number when the
    /// close failed: on some file systems a write error shows only here.
    /// The descriptor is gone afterwards either way and is never closed a
    /// second time; closing what owns nothing returns 0.
    int Schliessen() noexcept;

private:
    int m_fd = -1;
};

} // namespace cb
