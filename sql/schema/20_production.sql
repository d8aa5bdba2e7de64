-- Technological processes with their operations, and production requests.

-- The process editor reads this sequence by name (pg_sequence_last_value)
-- to learn the id of the process it has just inserted.
CREATE SEQUENCE mnf_proc_tech.proc_tech_id_seq;
CREATE TABLE mnf_proc_tech.proc_tech (
    id                 numeric(15,0) PRIMARY KEY
                       DEFAULT nextval('mnf_proc_tech.proc_tech_id_seq'),
    s_caption          varchar(254),
    id_inventory_items numeric(15,0),
    id_gds             numeric(15,0)
);
ALTER SEQUENCE mnf_proc_tech.proc_tech_id_seq OWNED BY mnf_proc_tech.proc_tech.id;

CREATE TABLE mnf_operation.operation (
    id                 serial PRIMARY KEY,
    id_type            integer,
    id_state           numeric(15,0),
    price              numeric(15,4),
    id_inventory_items integer,
    -- the client deletes only the process and expects its steps to go with it
    id_proc_tech       numeric(15,0)
                       REFERENCES mnf_proc_tech.proc_tech (id) ON DELETE CASCADE,
    orderby            integer
);

-- The operations of one request line, copied from the process at issue.
CREATE TABLE mnf_proc_tech.tp_operation (
    id           serial PRIMARY KEY,
    app_spec_id  numeric(15,0),
    tp_id        numeric(15,0),
    operation_id numeric(15,0),
    orderby      integer,
    cnt          integer,
    done         integer
);

CREATE TABLE mnf_app.app_doc (
    id            serial PRIMARY KEY,
    d_date        timestamp DEFAULT now(),
    id_jur_person numeric(15,0),
    id_person     numeric(15,0),
    d_mnf         date,
    d_out         date,
    m_id          numeric(15,0),
    -- 0: raised by sales; otherwise the request a request for blanks came from
    id_app_doc    numeric(15,0) DEFAULT 0,
    id_app_spec   numeric(15,0)
);

CREATE TABLE mnf_app.app_spec (
    id           serial PRIMARY KEY,
    id_app_doc   integer REFERENCES mnf_app.app_doc (id) ON DELETE CASCADE,
    id_ii        numeric(15,0),
    cnt          numeric(28,6),
    done         numeric(15,4) DEFAULT 0,
    id_ral       numeric(15,0),
    id_gds       numeric(15,0),
    price        numeric(15,4),
    cost_price   numeric(15,4),
    job_price    numeric(15,4) DEFAULT 0,  -- sums of labour and material stay numbers
    gds_price    numeric(15,4) DEFAULT 0,
    master_id    numeric(15,0),
    accept       boolean DEFAULT false,
    accept_stock integer DEFAULT 0,
    state        numeric(15,0) DEFAULT 0,
    shipped      numeric(15,4) DEFAULT 0,
    id_stock_in  numeric(15,0)
);
