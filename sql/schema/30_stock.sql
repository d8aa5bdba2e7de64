-- Warehouses: stock rows, receipts, issue and shipping lines; purchasing.

CREATE TABLE stk_stocks.stock (
    id        serial PRIMARY KEY,
    id_stock  numeric(15,0),
    id_ii     numeric(15,0),
    id_ral    numeric(15,0) DEFAULT 0,  -- 0: unpainted
    count     numeric(28,6),
    reserve   numeric(28,6) DEFAULT 0,
    price     numeric(28,6),
    job_price numeric(15,4) DEFAULT 0,
    gds_price numeric(15,4) DEFAULT 0
);

-- The finished-goods receipt reads this sequence by name (currval) right
-- after inserting an order.
CREATE SEQUENCE stk_stocks.stocks_id_seq AS integer;
CREATE TABLE stk_stocks.stock_in (
    id            integer PRIMARY KEY DEFAULT nextval('stk_stocks.stocks_id_seq'),
    date_in       date,
    d_datetime    timestamp DEFAULT now(),
    id_jur_pers   numeric(15,0),
    id_department numeric(15,0),
    id_accomp_doc varchar(254)
);
ALTER SEQUENCE stk_stocks.stocks_id_seq OWNED BY stk_stocks.stock_in.id;

CREATE TABLE stk_stocks.spec_in (
    id               serial PRIMARY KEY,
    id_stock_in      integer REFERENCES stk_stocks.stock_in (id) ON DELETE CASCADE,
    id_gds           numeric(15,0),
    id_msm           numeric(15,0),
    cnt_gds          numeric(28,6),
    price            numeric(15,4),
    nds              numeric(15,4),
    d_datetime       date,
    accept           boolean DEFAULT false,
    id_app_spec      numeric(15,0),
    id_purchase_spec numeric(15,0)
);

CREATE TABLE stk_stocks.stock_out (
    id            serial PRIMARY KEY,
    id_person     numeric(15,0),
    id_jur_pers   numeric(15,0),
    id_accomp_doc varchar(254),
    date_out      date,
    d_datetime    timestamp DEFAULT now(),
    id_department numeric(15,0)
);

-- Issue rows of the raw-materials warehouse (id_stock_out 0) and shipping
-- rows; the warehouse of an issue row is chosen only at issue, hence 0.
-- Shipping rows are inserted without accept and so_state and must start as
-- "not picked" and "Отгрузка" (0), or toggling accept would stay NULL.
CREATE TABLE stk_stocks.spec_out (
    id           serial PRIMARY KEY,
    id_stock_out integer,
    id_gds       numeric(15,0),
    id_stock     numeric(15,0) DEFAULT 0,
    cnt_gds      numeric(28,6),
    price        numeric(15,4),
    d_datetime   timestamp,
    accept       boolean DEFAULT false,
    so_state     integer DEFAULT 0,
    id_app_doc   numeric(15,0),
    id_app_spec  numeric(15,0)
);

CREATE TABLE stk_purchase.purchase_doc (
    id            serial PRIMARY KEY,
    d_date        timestamp DEFAULT now(),
    id_jur_person numeric(15,0),
    id_person     numeric(15,0),
    d_in          date,
    id_app_doc    numeric(15,0),
    id_app_spec   numeric(15,0)
);

CREATE TABLE stk_purchase.purchase_spec (
    id              serial PRIMARY KEY,
    id_purchase_doc integer REFERENCES stk_purchase.purchase_doc (id) ON DELETE CASCADE,
    id_gds          numeric(15,0),
    id_item         numeric(15,0),
    cnt             numeric(28,6),
    cnt_need        numeric(15,4),
    gds_price       numeric(15,4),
    state           numeric(15,0) DEFAULT 0,
    accept          boolean DEFAULT false
);
