-- The version row: the newest client build that has connected, and the
-- decimal separator the client puts into composed SQL.
CREATE TABLE public.ver (
    id    integer PRIMARY KEY DEFAULT 1,
    d     integer,
    t     integer,
    delim varchar(255)
);
