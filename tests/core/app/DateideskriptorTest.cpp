// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dateideskriptor.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

using cb::Dateideskriptor;

namespace {

bool Offen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

int NullOeffnen() {
    int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    return fd;
}

} // namespace

TEST(Dateideskriptor, SchliesstImDestruktorUndNurEinmal) {
    int nummer = -1;
    {
        Dateideskriptor d(NullOeffnen());
        nummer = d.fd();
        ASSERT_TRUE(Offen(nummer));
    }
    EXPECT_FALSE(Offen(nummer));

    // The system hands a freed number out again at once: an owner that
    // closed a second time would close the next file opened.
    Dateideskriptor erster(NullOeffnen());
    const int alt = erster.fd();
    EXPECT_EQ(erster.Schliessen(), 0);
    EXPECT_FALSE(erster.Offen());
    Dateideskriptor zweiter(NullOeffnen());
    ASSERT_EQ(zweiter.fd(), alt);
    EXPECT_EQ(erster.Schliessen(), 0);
    { Dateideskriptor weg(std::move(erster)); }
    EXPECT_TRUE(Offen(zweiter.fd()));
}

TEST(Dateideskriptor, BewegenGibtDieVerantwortungWeiter) {
    Dateideskriptor quelle(NullOeffnen());
    const int nummer = quelle.fd();
    Dateideskriptor ziel(std::move(quelle));
    EXPECT_FALSE(quelle.Offen());
    EXPECT_EQ(ziel.fd(), nummer);
    { Dateideskriptor leer(std::move(quelle)); }
    EXPECT_TRUE(Offen(nummer));

    // Assigning over an owner closes what it held before.
    Dateideskriptor anderer(NullOeffnen());
    const int vorher = anderer.fd();
    anderer = std::move(ziel);
    EXPECT_EQ(anderer.fd(), nummer);
    EXPECT_FALSE(Offen(vorher));
    EXPECT_TRUE(Offen(nummer));
    anderer = std::move(anderer);
    EXPECT_TRUE(Offen(nummer));
}

TEST(Dateideskriptor, SchliessenMeldetDenFehlerDesSystems) {
    EXPECT_EQ(Dateideskriptor().Schliessen(), 0);
    EXPECT_EQ(Dateideskriptor(-1).Schliessen(), 0);

    // A descriptor no longer valid stands in for a close the system refuses.
    int fd = NullOeffnen();
    Dateideskriptor d(fd);
    ::close(fd);
    EXPECT_EQ(d.Schliessen(), EBADF);
    EXPECT_FALSE(d.Offen());
}
