-- Schemas of the TALUR databases. Sections start with "-- @<database>" and run as one script each.
-- Declared types carry the value types: INTEGER 32-bit, SMALLINT 16-bit, BOOLEAN stored as 1/0,
-- REAL 32-bit float, TEXT.

-- @project
-- Empty template TALUR.db, every project database and the working copy. Every table has ID first;
-- E1 has KEN and KOM second and third, because records are copied between projects by column position.
CREATE TABLE [E1] (
    [ID] INTEGER NOT NULL UNIQUE,
    [KEN] TEXT(8),
    [KOM] TEXT(50),
    [AKT] BOOLEAN NOT NULL DEFAULT 0
);
CREATE INDEX [E1_KEN] ON [E1] ([KEN]);

CREATE TABLE [E2] (
    [ID] INTEGER NOT NULL,
    [A1] REAL, [C1S] REAL, [C1] REAL,
    [A2] REAL, [C2S] REAL, [C2] REAL,
    [SIBK] REAL, [SI0] REAL, [E0] REAL,
    [SIA] REAL, [SIMAX] REAL, [N] SMALLINT,
    [A] REAL, [B] REAL, [C] REAL,
    [AR] REAL, [CR] REAL,
    [SIBS] REAL, [EBS] REAL,
    [SI1] REAL, [SI2] REAL
);
CREATE INDEX [E2_ID] ON [E2] ([ID]);

CREATE TABLE [E3] (
    [ID] INTEGER NOT NULL,
    [I1] SMALLINT,
    [SIV] REAL
);
CREATE INDEX [E3_ID] ON [E3] ([ID], [I1]);

CREATE TABLE [A1] (
    [ID] INTEGER NOT NULL,
    [BONEU] BOOLEAN NOT NULL DEFAULT 0,
    [EPSE] SMALLINT,
    [GER] SMALLINT
);
CREATE INDEX [A1_ID] ON [A1] ([ID]);

CREATE TABLE [G0] (
    [ID] INTEGER NOT NULL,
    [IDOBJEKT] SMALLINT,
    [OX] SMALLINT, [OY] SMALLINT,
    [RL] REAL, [RR] REAL, [RO] REAL, [RU] REAL,
    [XMIN] REAL, [XMAX] REAL, [YMIN] REAL, [YMAX] REAL,
    [MX] REAL, [MY] REAL, [MYMX] REAL, [MSP] REAL
);
CREATE INDEX [G0_ID] ON [G0] ([ID], [IDOBJEKT]);

-- @archive
-- ARCHIV.db in the settings folder, shared with the frame program: one row per user.
CREATE TABLE [ADMIN] (
    [BENUTZER] TEXT NOT NULL UNIQUE,
    [PROG] TEXT,
    [PROJEKTSPFAD] TEXT,
    [PROJEKT] TEXT,
    [BEARBEITER] TEXT
);

-- @presets
-- VORGABE.db in the settings folder: measurement-file configurations and their quantities.
CREATE TABLE [TALUR_VE1] (
    [IDK] INTEGER NOT NULL UNIQUE,
    [AKVK] TEXT,
    [ZL] SMALLINT,
    [DATUM] TEXT,
    [UHRZEIT] TEXT,
    [KENZ1NR] TEXT,
    [KENZ1KZ] TEXT,
    [TZS] TEXT,
    [TZZ] TEXT
);

CREATE TABLE [TALUR_VE2] (
    [IDK] INTEGER NOT NULL,
    [MNR] SMALLINT,
    [SPALTE] TEXT,
    [POSITION],
    [PRAEFIX] TEXT,
    [SUFFIX] TEXT,
    [FAKTOR] REAL,
    [FORMAT] TEXT
);
CREATE INDEX [TALUR_VE2_IDK] ON [TALUR_VE2] ([IDK], [MNR]);
