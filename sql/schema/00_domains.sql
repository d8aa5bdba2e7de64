-- Schemas and the domain types the client's statements cast to
-- (now()::t_date, 'true'::t_boolean, amount::t_money, ...).

CREATE SCHEMA cmn_department;
CREATE SCHEMA hrms_staffpos;
CREATE SCHEMA adm_role;
CREATE SCHEMA adm_user;
CREATE SCHEMA cmn_contractor;
CREATE SCHEMA cmn_msm;
CREATE SCHEMA cmn_inventory_items;
CREATE SCHEMA mnf_operation;
CREATE SCHEMA mnf_proc_tech;
CREATE SCHEMA mnf_app;
CREATE SCHEMA stk_stocks;
CREATE SCHEMA stk_purchase;
CREATE SCHEMA accounts_dep;

CREATE DOMAIN public.t_id       AS numeric(15,0);
CREATE DOMAIN public.t_integer  AS integer;
CREATE DOMAIN public.t_float    AS double precision;
CREATE DOMAIN public.t_money    AS numeric(15,4);
CREATE DOMAIN public.t_code     AS text;
CREATE DOMAIN public.t_date     AS date;
CREATE DOMAIN public.t_datetime AS timestamp without time zone;
-- A cast to a domain goes through its base type's casts, so the explicit
-- int4 -> bool cast makes 1::t_boolean and 0::t_boolean work as well.
CREATE DOMAIN public.t_boolean  AS boolean;
