-- Shop floor: shift records, brigade lists and the monthly time sheet.

CREATE TABLE accounts_dep.smena (
    id            serial PRIMARY KEY,
    data          date,
    smena         integer,
    w_id          integer,
    i_id          integer,
    o_id          integer,
    cena          numeric(15,4),
    kol_vo        numeric(28,6),
    brak          integer,
    time          integer,
    prize         numeric(28,6),
    color         integer,
    ok            char(2),
    vvod          timestamp,
    id_doc        numeric(15,0),
    id_doc_item   numeric(15,0),
    f_gds_qty_use numeric(28,6),
    id_gds_use    numeric(15,0),
    id_cons_use   numeric(15,0)
);

-- Scratch list of the other members of a record's brigade; consumed by
-- accounts_dep.divide_between_person.
CREATE TABLE accounts_dep.person_temp (
    id        serial PRIMARY KEY,
    id_smena  integer,
    id_person integer
);

CREATE TABLE accounts_dep.h_tabel (
    id    serial PRIMARY KEY,
    w_id  integer,
    smena integer,
    month integer,
    year  integer,
    d1  integer NOT NULL DEFAULT 0, d2  integer NOT NULL DEFAULT 0,
    d3  integer NOT NULL DEFAULT 0, d4  integer NOT NULL DEFAULT 0,
    d5  integer NOT NULL DEFAULT 0, d6  integer NOT NULL DEFAULT 0,
    d7  integer NOT NULL DEFAULT 0, d8  integer NOT NULL DEFAULT 0,
    d9  integer NOT NULL DEFAULT 0, d10 integer NOT NULL DEFAULT 0,
    d11 integer NOT NULL DEFAULT 0, d12 integer NOT NULL DEFAULT 0,
    d13 integer NOT NULL DEFAULT 0, d14 integer NOT NULL DEFAULT 0,
    d15 integer NOT NULL DEFAULT 0, d16 integer NOT NULL DEFAULT 0,
    d17 integer NOT NULL DEFAULT 0, d18 integer NOT NULL DEFAULT 0,
    d19 integer NOT NULL DEFAULT 0, d20 integer NOT NULL DEFAULT 0,
    d21 integer NOT NULL DEFAULT 0, d22 integer NOT NULL DEFAULT 0,
    d23 integer NOT NULL DEFAULT 0, d24 integer NOT NULL DEFAULT 0,
    d25 integer NOT NULL DEFAULT 0, d26 integer NOT NULL DEFAULT 0,
    d27 integer NOT NULL DEFAULT 0, d28 integer NOT NULL DEFAULT 0,
    d29 integer NOT NULL DEFAULT 0, d30 integer NOT NULL DEFAULT 0,
    d31 integer NOT NULL DEFAULT 0,
    -- one row per worker, shift number and month; the brigade split relies
    -- on it for INSERT ... ON CONFLICT
    CONSTRAINT h_tabel_w_id_smena_month_year_key UNIQUE (w_id, smena, month, year)
);
