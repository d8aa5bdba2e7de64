-- Rows the client relies on in every database, demo or not.

INSERT INTO public.ver (id, d, t, delim) VALUES (1, 0, 0, '.');

-- Item lists default new items to the unit with id 4.
INSERT INTO cmn_msm.msm (id, s_caption, s_identification, s_code, n_round) VALUES
    (1, 'Килограмм',       'кг', '166', 3),
    (2, 'Метр',            'м',  '006', 3),
    (3, 'Литр',            'л',  '112', 3),
    (4, 'Штука',           'шт', '796', 0),
    (5, 'Квадратный метр', 'м2', '055', 3),
    (6, 'Тонна',           'т',  '168', 3),
    (7, 'Комплект',        'компл', '839', 0);

-- 0 is bought, any other kind is made in-house; 3 marks paints.
INSERT INTO cmn_inventory_items.ii_type (id, s_caption) VALUES
    (0, 'Покупное'),
    (1, 'Заготовка'),
    (2, 'Изделие'),
    (3, 'Краска');

-- 0 yields finished goods, any other state yields blanks.
INSERT INTO mnf_operation.operation_state (id, s_caption) VALUES
    (0, 'Готовая продукция'),
    (1, 'Заготовки');

-- Request lines without paint carry paint 0, and the lists join the paint as
-- an item: item 0 must exist (the item lists leave it out).
INSERT INTO cmn_inventory_items.inventory_items
    (id, marka, id_nom, id_type, massa, massa_kg, width, thick, ral, ral_cons, id_msm, cost_price)
VALUES
    (0, '', 0, 0, 0, 0, 0, 0, false, 0, 4, 0);

-- "No department": persons and positions without one still pass the inner
-- joins of the lists. Parent and kind stay empty, so neither the department
-- list (which joins each department to its parent) nor the warehouse lists
-- (which filter on the kind) show it.
INSERT INTO cmn_department.department (id, s_caption, s_description, id_parent, type, s_type)
VALUES (0, '', '', NULL, NULL, '');

-- The fixed rows above use explicit ids at or below 0; make sure the keys
-- the database hands out start above every fixed id.
DO $$
DECLARE
    top bigint;
BEGIN
    SELECT max(id) INTO top FROM cmn_department.department;
    PERFORM setval('cmn_department.department_id_seq', greatest(top, 0) + 1, false);
    SELECT max(id) INTO top FROM cmn_inventory_items.inventory_items;
    PERFORM setval('cmn_inventory_items.inventory_items_id_seq', greatest(top, 0) + 1, false);
END
$$;
