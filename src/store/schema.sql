-- SPDX-License-Identifier: GPL-3.0-or-later
-- The tables of a project database. The build turns this file into the
-- empty template "mask_CodeBrindle.mdb"; every read starts from a copy of it.
-- Names carry no collation of their own, so that the file opens in any
-- SQLite tool; the queries name the collation "JET" where names compare.

CREATE TABLE td_mod (
    mod_num    INTEGER NOT NULL PRIMARY KEY,
    mod_name   TEXT    NOT NULL,
    mod_typ    INTEGER NOT NULL,
    mod_zeilen INTEGER NOT NULL
);

-- rou_start and rou_ende stay empty until the line numbers of the finished
-- module text are known; a read that fails in between leaves them so.
CREATE TABLE td_rout (
    rou_num        INTEGER NOT NULL PRIMARY KEY,
    mod_num        INTEGER NOT NULL,
    rou_name       TEXT    NOT NULL,
    rou_typ        INTEGER NOT NULL,
    rou_open       INTEGER NOT NULL,
    rou_start      INTEGER,
    rou_ende       INTEGER,
    anz_dec_zeilen INTEGER NOT NULL
);

-- Every lookup by line asks for one module's routines.
CREATE INDEX td_rout_modul ON td_rout (mod_num, rou_start);
