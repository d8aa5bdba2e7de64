-- A small demo plant: a sheet-metal shop making brackets, shelving, fences
-- and supports, with its warehouses, people, suppliers, customers,
-- nomenclature, technological processes, stock and one request from sales.
-- Rows refer to each other by name, so no key is written by hand.

UPDATE public.ver SET delim = '.';

-- Departments and warehouses, as a small tree under the enterprise.
INSERT INTO cmn_department.department (s_caption, s_description, id_parent, type, s_type)
VALUES ('ООО «Вельт»', 'Предприятие', 0, -1, '');

INSERT INTO cmn_department.department (s_caption, s_description, id_parent, type, s_type)
SELECT v.s_caption, v.s_description, p.id, v.type, v.s_type
  FROM (VALUES
        ( 1, 'Администрация',           'Дирекция, бухгалтерия, отдел продаж', 'ООО «Вельт»', -1, ''),
        ( 2, 'Цех №1',                  'Заготовительно-сварочный цех',        'ООО «Вельт»', -1, ''),
        ( 3, 'Склад сырья',             'Металлопрокат и краски',              'ООО «Вельт»',  2, 'Склад сырья'),
        ( 4, 'Склад готовой продукции', 'Готовые изделия к отгрузке',          'ООО «Вельт»',  0, 'Склад ГП')
       ) AS v(n, s_caption, s_description, parent, type, s_type)
  JOIN cmn_department.department p ON p.s_caption = v.parent
 ORDER BY v.n;

INSERT INTO cmn_department.department (s_caption, s_description, id_parent, type, s_type)
SELECT v.s_caption, v.s_description, p.id, v.type, v.s_type
  FROM (VALUES
        ( 1, 'Склад заготовок',  'Межоперационный склад цеха', 'Цех №1',  1, 'Склад заготовок'),
        ( 2, 'Участок покраски', 'Порошковая окраска',         'Цех №1', -1, '')
       ) AS v(n, s_caption, s_description, parent, type, s_type)
  JOIN cmn_department.department p ON p.s_caption = v.parent
 ORDER BY v.n;

-- Staff positions.
INSERT INTO hrms_staffpos.staffpos (s_caption, s_description, id_department, d_begin)
SELECT v.s_caption, v.s_description, d.id, date '2024-01-09'
  FROM (VALUES
        ( 1, 'Генеральный директор',      'Руководство предприятием',        'Администрация'),
        ( 2, 'Экономист',                 'Себестоимость, табель, отчёты',   'Администрация'),
        ( 3, 'Менеджер по продажам',      'Заявки покупателей и отгрузка',   'Администрация'),
        ( 4, 'Начальник цеха',            'Руководство производством',       'Цех №1'),
        ( 5, 'Мастер участка',            'Сменные задания и учёт выработки', 'Цех №1'),
        ( 6, 'Резчик металла',            'Резка проката',                   'Цех №1'),
        ( 7, 'Оператор листогиба',        'Гибка листовых деталей',          'Цех №1'),
        ( 8, 'Электросварщик',            'Сварка металлоконструкций',       'Цех №1'),
        ( 9, 'Маляр порошковой окраски',  'Окраска изделий',                 'Участок покраски'),
        (10, 'Слесарь-сборщик',           'Сборка и упаковка изделий',       'Цех №1'),
        (11, 'Кладовщик',                 'Приём и выдача ТМЦ',              'Склад сырья')
       ) AS v(n, s_caption, s_description, department)
  JOIN cmn_department.department d ON d.s_caption = v.department
 ORDER BY v.n;

-- Roles.
INSERT INTO adm_role.roles (s_name, s_caption, d_begin, b_active) VALUES
    ('admin',  'Администратор', date '2024-01-09', true),
    ('master', 'Мастер',        date '2024-01-09', true),
    ('sales',  'Продажи',       date '2024-01-09', true),
    ('econom', 'Экономист',     date '2024-01-09', true),
    ('store',  'Кладовщик',     date '2024-01-09', true),
    ('worker', 'Рабочий',       date '2024-01-09', true);

-- Persons: office staff, the shop's masters and workers, the storekeeper.
INSERT INTO cmn_contractor.person
       (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, id_department, id_role, s_code)
SELECT v.last || ' ' || v.first || ' ' || v.middle, v.last, v.first, v.middle,
       s.id, d.id, r.id, v.code
  FROM (VALUES
        ( 1, 'Соколов',  'Андрей',     'Викторович',  'Генеральный директор',     'Администрация',    'admin',  '0001'),
        ( 2, 'Кузнецов', 'Игорь',      'Петрович',    'Мастер участка',           'Цех №1',           'master', '0002'),
        ( 3, 'Веселова', 'Светлана',   'Андреевна',   'Менеджер по продажам',     'Администрация',    'sales',  '0003'),
        ( 4, 'Орлова',   'Марина',     'Сергеевна',   'Экономист',                'Администрация',    'econom', '0004'),
        ( 5, 'Морозов',  'Константин', 'Юрьевич',     'Начальник цеха',           'Цех №1',           'master', '0005'),
        ( 6, 'Иванов',   'Иван',       'Иванович',    'Электросварщик',           'Цех №1',           'worker', '0101'),
        ( 7, 'Петров',   'Сергей',     'Николаевич',  'Электросварщик',           'Цех №1',           'worker', '0102'),
        ( 8, 'Сидоров',  'Алексей',    'Михайлович',  'Резчик металла',           'Цех №1',           'worker', '0103'),
        ( 9, 'Смирнов',  'Дмитрий',    'Олегович',    'Оператор листогиба',       'Цех №1',           'worker', '0104'),
        (10, 'Попов',    'Николай',    'Васильевич',  'Маляр порошковой окраски', 'Участок покраски', 'worker', '0105'),
        (11, 'Васильев', 'Павел',      'Андреевич',   'Слесарь-сборщик',          'Цех №1',           'worker', '0106'),
        (12, 'Новикова', 'Елена',      'Викторовна',  'Кладовщик',                'Склад сырья',      'store',  '0201')
       ) AS v(n, last, first, middle, staffpos, department, role, code)
  JOIN hrms_staffpos.staffpos s ON s.s_caption = v.staffpos
  JOIN cmn_department.department d ON d.s_caption = v.department
  JOIN adm_role.roles r ON r.s_name = v.role
 ORDER BY v.n;

-- The demo logins and who they are.
INSERT INTO adm_user.users (s_name, s_caption, d_registered, b_active, id_person)
SELECT v.login, p.s_caption, date '2024-01-09', true, p.id
  FROM (VALUES
        ( 1, 'admin',  'Соколов Андрей Викторович'),
        ( 2, 'master', 'Кузнецов Игорь Петрович'),
        ( 3, 'vestra', 'Веселова Светлана Андреевна'),
        ( 4, 'econom', 'Орлова Марина Сергеевна')
       ) AS v(n, login, person)
  JOIN cmn_contractor.person p ON p.s_caption = v.person
 ORDER BY v.n;

-- Suppliers and customers.
INSERT INTO cmn_contractor.jur_person (s_caption, s_full_caption, s_inn, s_ogrn) VALUES
    ('ООО «МеталлСнаб»',      'Общество с ограниченной ответственностью «МеталлСнаб»',      '6658412375',   '1126658019843'),
    ('АО «УралКраска»',       'Акционерное общество «УралКраска»',                          '6671098234',   '1196658045120'),
    ('ООО «СтройКомплект»',   'Общество с ограниченной ответственностью «СтройКомплект»',   '7729564810',   '1157746391028'),
    ('ООО «ТД Север»',        'Общество с ограниченной ответственностью «Торговый дом Север»', '7810432965', '1187847120394'),
    ('ИП Громов А. В.',       'Индивидуальный предприниматель Громов Алексей Викторович',   '667102345678', '318665800012345');

-- Nomenclature groups, each kept in its warehouse.
INSERT INTO cmn_inventory_items.nomenclature (s_caption, id_department)
SELECT v.s_caption, d.id
  FROM (VALUES
        ( 1, 'Металлопрокат',           'Склад сырья'),
        ( 2, 'Лакокрасочные материалы', 'Склад сырья'),
        ( 3, 'Заготовки',               'Склад заготовок'),
        ( 4, 'Металлоконструкции',      'Склад готовой продукции')
       ) AS v(n, s_caption, department)
  JOIN cmn_department.department d ON d.s_caption = v.department
 ORDER BY v.n;

-- Inventory items. massa is the material one unit of the item consumes,
-- ral_cons the paint; an item is painted exactly when ral_cons > 0.
INSERT INTO cmn_inventory_items.inventory_items
       (marka, id_nom, id_type, massa, massa_kg, width, thick, ral, ral_cons, id_msm, cost_price)
SELECT v.marka, n.id, v.id_type, v.massa, v.massa_kg, v.width, v.thick,
       v.ral_cons > 0, v.ral_cons, m.id, v.cost_price
  FROM (VALUES
        -- bought materials
        ( 1, 'Лист г/к 2 мм Ст3',              'Металлопрокат',           0,  0,     1,    0,    2,    0,    'кг',  78.50),
        ( 2, 'Лист оцинкованный 0,7 мм',       'Металлопрокат',           0,  0,     5.5,  0,    0.7,  0,    'м2', 610.00),
        ( 3, 'Труба профильная 40х20х2',       'Металлопрокат',           0,  0,     1.7,  6000, 2,    0,    'м',  142.00),
        ( 4, 'Труба профильная 20х20х1,5',     'Металлопрокат',           0,  0,     0.82, 6000, 1.5,  0,    'м',   88.00),
        ( 5, 'Уголок 40х40х4',                 'Металлопрокат',           0,  0,     2.42, 6000, 4,    0,    'м',  195.00),
        -- paints
        ( 6, 'RAL 9005 Чёрный янтарь',         'Лакокрасочные материалы', 3,  0,     1,    0,    0,    0,    'кг', 520.00),
        ( 7, 'RAL 7024 Графитовый серый',      'Лакокрасочные материалы', 3,  0,     1,    0,    0,    0,    'кг', 540.00),
        ( 8, 'RAL 3020 Транспортный красный',  'Лакокрасочные материалы', 3,  0,     1,    0,    0,    0,    'кг', 610.00),
        -- blanks made in the shop
        ( 9, 'Заготовка кронштейна КР-1',      'Заготовки',               1,  0.9,   0.9,  250,  2,    0,    'шт',  95.00),
        (10, 'Рамка сварная Р-40',             'Заготовки',               1,  4.8,   8.2,  1200, 2,    0,    'шт',   0),
        -- products
        (11, 'Кронштейн КР-1',                 'Металлоконструкции',      2,  1,     0.9,  250,  2,    0.05, 'шт',   0),
        (12, 'Стеллаж СТ-1',                   'Металлоконструкции',      2,  14.5,  12,   1800, 1.5,  0.45, 'шт',   0),
        (13, 'Ограждение О-2',                 'Металлоконструкции',      2,  1,     9,    1200, 2,    0.3,  'шт',   0),
        (14, 'Полка П-1',                      'Металлоконструкции',      2,  0.48,  2.7,  800,  0.7,  0,    'шт',   0),
        (15, 'Опора О-40',                     'Металлоконструкции',      2,  1.2,   2.9,  1200, 4,    0.08, 'шт',   0)
       ) AS v(n, marka, nom, id_type, massa, massa_kg, width, thick, ral_cons, unit, cost_price)
  JOIN cmn_inventory_items.nomenclature n ON n.s_caption = v.nom
  JOIN cmn_msm.msm m ON m.s_identification = v.unit
 ORDER BY v.n;

-- Operation types; the shift records write off paint at "ПОКРАСКА".
INSERT INTO mnf_operation.operation_type (s_caption, s_description) VALUES
    ('РЕЗКА',    'Резка проката в размер'),
    ('ГИБКА',    'Гибка на листогибочном прессе'),
    ('СВАРКА',   'Полуавтоматическая сварка'),
    ('ПОКРАСКА', 'Порошковая окраска и полимеризация'),
    ('СБОРКА',   'Слесарная сборка'),
    ('УПАКОВКА', 'Упаковка готовых изделий');

-- Technological processes: the product and the material it is made from.
INSERT INTO mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds)
SELECT v.s_caption, p.id, g.id
  FROM (VALUES
        ( 1, 'ТП Заготовка кронштейна КР-1', 'Заготовка кронштейна КР-1', 'Лист г/к 2 мм Ст3'),
        ( 2, 'ТП Рамка сварная Р-40',        'Рамка сварная Р-40',        'Труба профильная 40х20х2'),
        ( 3, 'ТП Кронштейн КР-1',            'Кронштейн КР-1',            'Заготовка кронштейна КР-1'),
        ( 4, 'ТП Стеллаж СТ-1',              'Стеллаж СТ-1',              'Труба профильная 20х20х1,5'),
        ( 5, 'ТП Ограждение О-2',            'Ограждение О-2',            'Рамка сварная Р-40'),
        ( 6, 'ТП Полка П-1',                 'Полка П-1',                 'Лист оцинкованный 0,7 мм'),
        ( 7, 'ТП Опора О-40',                'Опора О-40',                'Уголок 40х40х4')
       ) AS v(n, s_caption, product, material)
  JOIN cmn_inventory_items.inventory_items p ON p.marka = v.product
  JOIN cmn_inventory_items.inventory_items g ON g.marka = v.material
 ORDER BY v.n;

-- Their priced steps; the last step of each process yields its item
-- (state 0), the earlier ones yield blanks (state 1).
INSERT INTO mnf_operation.operation (id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
SELECT ot.id,
       CASE WHEN v.orderby = max(v.orderby) OVER (PARTITION BY v.process) THEN 0 ELSE 1 END,
       v.price, pt.id_inventory_items, pt.id, v.orderby
  FROM (VALUES
        ( 1, 'ТП Заготовка кронштейна КР-1', 1, 'РЕЗКА',     12.50),
        ( 2, 'ТП Заготовка кронштейна КР-1', 2, 'ГИБКА',      8.00),
        ( 3, 'ТП Рамка сварная Р-40',        1, 'РЕЗКА',     18.00),
        ( 4, 'ТП Рамка сварная Р-40',        2, 'СВАРКА',    45.00),
        ( 5, 'ТП Кронштейн КР-1',            1, 'СВАРКА',    15.00),
        ( 6, 'ТП Кронштейн КР-1',            2, 'ПОКРАСКА',   6.00),
        ( 7, 'ТП Кронштейн КР-1',            3, 'СБОРКА',     4.00),
        ( 8, 'ТП Стеллаж СТ-1',              1, 'РЕЗКА',     40.00),
        ( 9, 'ТП Стеллаж СТ-1',              2, 'СВАРКА',   120.00),
        (10, 'ТП Стеллаж СТ-1',              3, 'ПОКРАСКА',  60.00),
        (11, 'ТП Стеллаж СТ-1',              4, 'СБОРКА',    35.00),
        (12, 'ТП Ограждение О-2',            1, 'СВАРКА',    30.00),
        (13, 'ТП Ограждение О-2',            2, 'ПОКРАСКА',  40.00),
        (14, 'ТП Ограждение О-2',            3, 'УПАКОВКА',  10.00),
        (15, 'ТП Полка П-1',                 1, 'РЕЗКА',      6.00),
        (16, 'ТП Полка П-1',                 2, 'ГИБКА',      9.00),
        (17, 'ТП Опора О-40',                1, 'РЕЗКА',      5.00),
        (18, 'ТП Опора О-40',                2, 'СВАРКА',    14.00),
        (19, 'ТП Опора О-40',                3, 'ПОКРАСКА',   7.00)
       ) AS v(n, process, orderby, operation, price)
  JOIN mnf_proc_tech.proc_tech pt ON pt.s_caption = v.process
  JOIN mnf_operation.operation_type ot ON ot.s_caption = v.operation
 ORDER BY v.n;

-- Stock: materials and paints in the raw-materials warehouse, a few blanks
-- in the blanks warehouse; nothing reserved yet.
INSERT INTO stk_stocks.stock (id_stock, id_ii, id_ral, count, reserve, price)
SELECT d.id, ii.id, 0, v.count, 0, ii.cost_price
  FROM (VALUES
        ( 1, 'Лист г/к 2 мм Ст3',             'Склад сырья',     850),
        ( 2, 'Лист оцинкованный 0,7 мм',      'Склад сырья',     120),
        ( 3, 'Труба профильная 40х20х2',      'Склад сырья',     300),
        ( 4, 'Труба профильная 20х20х1,5',    'Склад сырья',     260),
        ( 5, 'Уголок 40х40х4',                'Склад сырья',      90),
        ( 6, 'RAL 9005 Чёрный янтарь',        'Склад сырья',      25),
        ( 7, 'RAL 7024 Графитовый серый',     'Склад сырья',      18),
        ( 8, 'RAL 3020 Транспортный красный', 'Склад сырья',       6),
        ( 9, 'Заготовка кронштейна КР-1',     'Склад заготовок',  40)
       ) AS v(n, marka, warehouse, count)
  JOIN cmn_inventory_items.inventory_items ii ON ii.marka = v.marka
  JOIN cmn_department.department d ON d.s_caption = v.warehouse
 ORDER BY v.n;

-- One request from sales, still being drawn up, to take into work.
INSERT INTO mnf_app.app_doc (id_jur_person, id_person, d_mnf, d_out)
SELECT jp.id, p.id, current_date + 14, current_date + 21
  FROM cmn_contractor.jur_person jp, cmn_contractor.person p
 WHERE jp.s_caption = 'ООО «СтройКомплект»' AND p.s_caption = 'Веселова Светлана Андреевна';

INSERT INTO mnf_app.app_spec (id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price, master_id)
SELECT ii.id, v.cnt, ad.id, coalesce(ral.id, 0), pt.id_gds, v.price,
       (ii.cost_price * 1.2)::t_money, 0
  FROM (VALUES
        ( 1, 'Стеллаж СТ-1',   10, 'RAL 7024 Графитовый серый', 4500.00),
        ( 2, 'Кронштейн КР-1', 50, 'RAL 9005 Чёрный янтарь',     320.00),
        ( 3, 'Полка П-1',      20, NULL,                          650.00)
       ) AS v(n, product, cnt, paint, price)
  JOIN cmn_inventory_items.inventory_items ii ON ii.marka = v.product
  JOIN mnf_proc_tech.proc_tech pt ON pt.id_inventory_items = ii.id
  LEFT JOIN cmn_inventory_items.inventory_items ral ON ral.marka = v.paint
  CROSS JOIN (SELECT max(id) AS id FROM mnf_app.app_doc) ad
 ORDER BY v.n;
