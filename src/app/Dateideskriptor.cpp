// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dateideskriptor.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace cb {

Dateideskriptor::~Dateideskriptor() {
    Schliessen();
}

Dateideskriptor::Dateideskriptor(Dateideskriptor&& andere) noexcept : m_fd(std::exchange(andere.m_fd, -1)) {}

Dateideskriptor& Dateideskriptor::operator=(Dateideskriptor&& andere) noexcept {
    if (this != &andere) {
        Schliessen();
        m_fd = std::exchange(andere.m_fd, -1);
    }
    return *this;
}

int Dateideskriptor::Schliessen() noexcept {
    if (m_fd < 0)
        return 0;
    // Linux frees the descriptor even when close reports EINTR: a retry
    // could close a descriptor another thread has opened meanwhile.
    const int rc = ::close(std::exchange(m_fd, -1));
    return rc == 0 ? 0 : errno;
}

} // namespace cb
