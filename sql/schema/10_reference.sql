-- Reference data: departments, staff positions, roles, users, contractors,
-- units of measure, inventory items and operations.
--
-- Identifier columns the client treats as whole decimals are numeric(15,0);
-- keys it never writes are filled by the database. References carry no
-- foreign keys: 0 stands for "none" in many of them.

CREATE TABLE cmn_department.department (
    id            serial PRIMARY KEY,
    s_caption     varchar(254),
    s_description varchar(4000),
    id_parent     numeric(15,0),
    type          numeric(15,0),
    s_type        varchar(254)
);

CREATE TABLE hrms_staffpos.staffpos (
    id            serial PRIMARY KEY,
    s_caption     varchar(254),
    s_description varchar(4000),
    id_department numeric(15,0),
    d_begin       date,
    d_end         date
);

CREATE SEQUENCE adm_role.roles_id_seq;
CREATE TABLE adm_role.roles (
    id        numeric(15,0) PRIMARY KEY DEFAULT nextval('adm_role.roles_id_seq'),
    s_name    varchar(30),
    s_caption varchar(254),
    d_begin   date,
    d_end     date,
    b_active  boolean
);
ALTER SEQUENCE adm_role.roles_id_seq OWNED BY adm_role.roles.id;

CREATE SEQUENCE adm_user.users_id_seq;
CREATE TABLE adm_user.users (
    id           numeric(15,0) PRIMARY KEY DEFAULT nextval('adm_user.users_id_seq'),
    s_name       varchar(30),
    s_caption    varchar(254),
    d_registered date,
    d_closed     date,
    b_active     boolean,
    id_person    numeric(15,0)
);
ALTER SEQUENCE adm_user.users_id_seq OWNED BY adm_user.users.id;
-- The login looks a user up by name: one row per login name.
CREATE UNIQUE INDEX users_s_name_key ON adm_user.users (s_name);

CREATE TABLE cmn_contractor.person (
    id            serial PRIMARY KEY,
    s_caption     varchar(254),
    s_second_name varchar(254),
    s_first_name  varchar(254),
    s_third_name  varchar(254),
    b_employee    boolean DEFAULT true,
    id_staffpos   integer,
    id_department integer,
    id_role       integer,
    s_code        text
);

CREATE TABLE cmn_contractor.jur_person (
    id             serial PRIMARY KEY,
    s_caption      varchar(254),
    s_full_caption varchar(254),
    s_ogrn         varchar(254),
    s_inn          varchar(254)
);

CREATE TABLE cmn_msm.msm (
    id               numeric(15,0) PRIMARY KEY,
    s_caption        varchar(254),
    s_identification varchar(254),
    s_code           varchar(254),
    n_round          integer
);

CREATE TABLE cmn_inventory_items.ii_type (
    id        numeric(15,0) PRIMARY KEY,
    s_caption varchar(254)
);

CREATE TABLE cmn_inventory_items.nomenclature (
    id            serial PRIMARY KEY,
    s_caption     varchar(254),
    id_department numeric(15,0)
);

-- The client inserts items without an id; item 0 is a fixed row.
CREATE SEQUENCE cmn_inventory_items.inventory_items_id_seq;
CREATE TABLE cmn_inventory_items.inventory_items (
    id         numeric(15,0) PRIMARY KEY
               DEFAULT nextval('cmn_inventory_items.inventory_items_id_seq'),
    marka      varchar(254),
    id_nom     integer,
    id_type    integer,
    massa      numeric(28,6),
    massa_kg   numeric(15,4),
    width      numeric(28,6),
    thick      numeric(28,6),
    ral        boolean,
    ral_cons   numeric(28,6),
    id_msm     numeric(15,0),
    cost_price numeric(28,6) DEFAULT 0  -- a new item has no cost yet, not an unknown one
);
ALTER SEQUENCE cmn_inventory_items.inventory_items_id_seq
    OWNED BY cmn_inventory_items.inventory_items.id;

CREATE TABLE mnf_operation.operation_type (
    id            serial PRIMARY KEY,
    s_caption     varchar(254),
    s_description varchar(4000)
);

CREATE TABLE mnf_operation.operation_state (
    id        numeric(15,0) PRIMARY KEY,
    s_caption varchar(254)
);
