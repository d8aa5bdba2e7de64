-- Rights. Every login is a member of velt_user, which may do what the screens
-- do; sys may only look up the user and check the build stamp before the
-- real login.

REVOKE CREATE ON SCHEMA public FROM PUBLIC;

DO $$
DECLARE
    s text;
BEGIN
    FOREACH s IN ARRAY ARRAY['public', 'cmn_department', 'hrms_staffpos', 'adm_role',
                             'adm_user', 'cmn_contractor', 'cmn_msm', 'cmn_inventory_items',
                             'mnf_operation', 'mnf_proc_tech', 'mnf_app', 'stk_stocks',
                             'stk_purchase', 'accounts_dep']
    LOOP
        EXECUTE format('GRANT USAGE ON SCHEMA %I TO velt_user', s);
        EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE, TRUNCATE ON ALL TABLES IN SCHEMA %I TO velt_user', s);
        EXECUTE format('GRANT USAGE, SELECT, UPDATE ON ALL SEQUENCES IN SCHEMA %I TO velt_user', s);
        -- objects the administrator adds later (upgrades) get the same rights
        EXECUTE format('ALTER DEFAULT PRIVILEGES IN SCHEMA %I GRANT SELECT, INSERT, UPDATE, DELETE, TRUNCATE ON TABLES TO velt_user', s);
        EXECUTE format('ALTER DEFAULT PRIVILEGES IN SCHEMA %I GRANT USAGE, SELECT, UPDATE ON SEQUENCES TO velt_user', s);
    END LOOP;
END
$$;

-- Routines are not for everybody, sys included.
REVOKE EXECUTE ON FUNCTION public.truncate_tables(text) FROM PUBLIC;
REVOKE EXECUTE ON FUNCTION accounts_dep.divide_between_person(integer) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION public.truncate_tables(text) TO velt_user;
GRANT EXECUTE ON FUNCTION accounts_dep.divide_between_person(integer) TO velt_user;

GRANT USAGE ON SCHEMA adm_user TO sys;
GRANT SELECT ON adm_user.users TO sys;
GRANT SELECT, UPDATE ON public.ver TO sys;
