-- Demo logins. Roles belong to the whole cluster, so they may exist already
-- from another demo database; the passwords are set again every time.

-- verifiers must be SCRAM whatever the server's default is
SET LOCAL password_encryption = 'scram-sha-256';

DO $$
DECLARE
    login text;
BEGIN
    FOREACH login IN ARRAY ARRAY['admin', 'master', 'vestra', 'econom']
    LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = login) THEN
            BEGIN
                EXECUTE format('CREATE ROLE %I LOGIN', login);
            EXCEPTION WHEN duplicate_object OR unique_violation THEN
                NULL;
            END;
        END IF;

        EXECUTE format('ALTER ROLE %I LOGIN NOSUPERUSER PASSWORD %L', login, login || '-demo');

        IF NOT EXISTS (SELECT 1
                         FROM pg_auth_members am
                         JOIN pg_roles g ON g.oid = am.roleid
                         JOIN pg_roles m ON m.oid = am.member
                        WHERE g.rolname = 'velt_user' AND m.rolname = login) THEN
            EXECUTE format('GRANT velt_user TO %I', login);
        END IF;
    END LOOP;
END
$$;
