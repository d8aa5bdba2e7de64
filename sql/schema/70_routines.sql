-- Server routines the client calls.

-- Empties every table of one schema (the "clean database" command).
-- All tables go in one TRUNCATE, so references between them inside the
-- schema need no CASCADE, and nothing outside the schema is touched.
-- RESTART IDENTITY would demand ownership of the sequences; the users only
-- hold UPDATE on them, which is enough for setval.
CREATE FUNCTION public.truncate_tables(schema_name text) RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    tables text;
    seq    record;
BEGIN
    SELECT string_agg(format('%I.%I', n.nspname, c.relname), ', ' ORDER BY c.relname)
      INTO tables
      FROM pg_catalog.pg_class c
      JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace
     WHERE n.nspname = schema_name
       AND c.relkind IN ('r', 'p');

    IF tables IS NULL THEN
        RETURN;
    END IF;

    EXECUTE 'TRUNCATE TABLE ' || tables;

    -- sequences owned by a column of those tables (serial or identity)
    FOR seq IN
        SELECT DISTINCT s.seqrelid::regclass AS rel, s.seqstart
          FROM pg_catalog.pg_depend d
          JOIN pg_catalog.pg_sequence s ON s.seqrelid = d.objid
          JOIN pg_catalog.pg_class t ON t.oid = d.refobjid
          JOIN pg_catalog.pg_namespace n ON n.oid = t.relnamespace
         WHERE d.classid = 'pg_catalog.pg_class'::regclass
           AND d.refclassid = 'pg_catalog.pg_class'::regclass
           AND d.deptype IN ('a', 'i')
           AND n.nspname = schema_name
           AND t.relkind IN ('r', 'p')
    LOOP
        PERFORM pg_catalog.setval(seq.rel, seq.seqstart, false);
    END LOOP;
END
$$;

-- Divides a shift record's output between its worker and the brigade listed
-- for it in accounts_dep.person_temp.
--
-- With n = brigade size + 1, every brigade member gets trunc(x / n) of the
-- pieces and of the defects as a new shift record of his own; the record's
-- worker keeps the rest, so the parts add up exactly to the original. Each
-- member's time-sheet day is brought up to date, then the list is emptied.
-- The line and operation counters already hold the whole quantity and stay
-- as they are.
--
-- Every person_temp row counts as one share, even when a person is listed
-- twice: the list is what the master entered, and the records it produces
-- can be corrected one by one in the journal.
CREATE FUNCTION accounts_dep.divide_between_person(record_id integer) RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    rec         accounts_dep.smena%ROWTYPE;
    members     integer;
    kol_share   numeric;
    brak_share  integer;
    member      integer;
    day_column  text;
    hours       integer;
BEGIN
    -- a second call for the same record waits here and then finds the list empty
    SELECT * INTO rec FROM accounts_dep.smena WHERE id = record_id FOR UPDATE;
    IF NOT FOUND THEN
        RETURN;
    END IF;

    SELECT count(*) INTO members FROM accounts_dep.person_temp WHERE id_smena = record_id;
    IF members = 0 THEN
        RETURN;
    END IF;

    kol_share  := trunc(coalesce(rec.kol_vo, 0) / (members + 1));
    brak_share := trunc(coalesce(rec.brak, 0)::numeric / (members + 1));

    UPDATE accounts_dep.smena
       SET kol_vo = coalesce(kol_vo, 0) - members * kol_share,
           brak   = coalesce(brak, 0) - members * brak_share
     WHERE id = record_id;

    INSERT INTO accounts_dep.smena
           (data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, prize, color,
            ok, vvod, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
    SELECT rec.data, rec.smena, pt.id_person, rec.i_id, rec.o_id, rec.cena,
           kol_share, brak_share, rec.time, rec.prize, rec.color,
           'no', now(), rec.id_doc, rec.id_doc_item, 0, rec.id_gds_use, 0
      FROM accounts_dep.person_temp pt
     WHERE pt.id_smena = record_id
     ORDER BY pt.id;

    -- Keep the time sheet in step: a member's day cell is the sum of the
    -- hours of all his records of that date and shift.
    IF rec.data IS NOT NULL AND rec.smena IS NOT NULL THEN
        day_column := 'd' || extract(day FROM rec.data)::integer;
        FOR member IN
            SELECT DISTINCT pt.id_person
              FROM accounts_dep.person_temp pt
             WHERE pt.id_smena = record_id AND pt.id_person IS NOT NULL
        LOOP
            SELECT coalesce(sum(s.time), 0) INTO hours
              FROM accounts_dep.smena s
             WHERE s.w_id = member AND s.smena = rec.smena AND s.data = rec.data;

            EXECUTE format(
                'INSERT INTO accounts_dep.h_tabel (w_id, smena, month, year, %1$I) '
                'VALUES ($1, $2, $3, $4, $5) '
                'ON CONFLICT (w_id, smena, month, year) DO UPDATE SET %1$I = EXCLUDED.%1$I',
                day_column)
            USING member, rec.smena,
                  extract(month FROM rec.data)::integer,
                  extract(year FROM rec.data)::integer,
                  hours;
        END LOOP;
    END IF;

    DELETE FROM accounts_dep.person_temp WHERE id_smena = record_id;
END
$$;
