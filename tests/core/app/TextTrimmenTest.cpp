// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Text.h"

#include <gtest/gtest.h>

using cb::BlanksUndTabs;
using cb::Getrimmt;
using cb::LinksGetrimmt;

TEST(TextTrimmen, NimmtNurBlanksAnDenEndenWieVbaTrim) {
    EXPECT_EQ(Getrimmt("  Dim a As  Long  "), "Dim a As  Long");
    EXPECT_EQ(Getrimmt("\tx \t"), "\tx \t");
    EXPECT_EQ(Getrimmt(" \r\n"), "\r\n");
    EXPECT_EQ(Getrimmt("x"), "x");
    EXPECT_EQ(Getrimmt("    "), "");
    EXPECT_EQ(Getrimmt(""), "");
    EXPECT_EQ(Getrimmt(" \xC3\xA4 "), "\xC3\xA4");

    EXPECT_EQ(LinksGetrimmt("   End If  "), "End If  ");
    EXPECT_EQ(LinksGetrimmt("\t If"), "\t If");
    EXPECT_EQ(LinksGetrimmt("   "), "");
    EXPECT_EQ(LinksGetrimmt(""), "");
}

TEST(TextTrimmen, MitTabsFuerDateienDieSieErlauben) {
    EXPECT_EQ(Getrimmt(" \tName = \"Modul1\"\t ", BlanksUndTabs), "Name = \"Modul1\"");
    EXPECT_EQ(Getrimmt("\t\t", BlanksUndTabs), "");
    EXPECT_EQ(Getrimmt("a\tb", BlanksUndTabs), "a\tb");
    EXPECT_EQ(LinksGetrimmt("\t  x\t", BlanksUndTabs), "x\t");
}
