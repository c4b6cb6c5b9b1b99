// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Start.h"
#include "app/Zustand.h"
#include "settings/EinstellungsSpeicher.h"

#include <gtest/gtest.h>

TEST(Start, Platzhalter) {
    cb::Zustand z;
    cb::SpeicherImArbeitsspeicher s;
    cb::Starten(z, s, "/tmp", ::testing::TempDir());
    EXPECT_EQ(z.ProgrammTitel, "Excel Code Brindle 1.0");
}
