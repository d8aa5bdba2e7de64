-- Cluster-wide roles. Roles are shared by every database of a cluster, so this
-- file runs again for each new database and must leave existing roles alone.
-- Passwords are not set here: the installation sets sys's password itself.

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'velt_user') THEN
        BEGIN
            CREATE ROLE velt_user NOLOGIN;
        EXCEPTION WHEN duplicate_object OR unique_violation THEN
            -- another installation created it at the same moment
            NULL;
        END;
    END IF;

    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'sys') THEN
        BEGIN
            CREATE ROLE sys LOGIN;
        EXCEPTION WHEN duplicate_object OR unique_violation THEN
            NULL;
        END;
    END IF;
END
$$;

-- The group role only carries rights; nobody logs in as it.
ALTER ROLE velt_user NOLOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE;

-- sys only looks up the user and checks the build stamp before the real login,
-- so it must not inherit the rights of the screens.
ALTER ROLE sys LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE;

DO $$
BEGIN
    IF EXISTS (SELECT 1
                 FROM pg_auth_members am
                 JOIN pg_roles g ON g.oid = am.roleid
                 JOIN pg_roles m ON m.oid = am.member
                WHERE g.rolname = 'velt_user' AND m.rolname = 'sys') THEN
        REVOKE velt_user FROM sys;
    END IF;
END
$$;
