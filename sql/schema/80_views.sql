-- Views the client reads.

-- Every department that may be a parent, plus the root 0 (empty caption) that
-- top-level departments point to. Department 0 itself is a fixed row, so the
-- table part leaves it out to list the root only once.
CREATE VIEW cmn_department.v_department AS
SELECT d.id, d.s_caption
  FROM cmn_department.department d
 WHERE d.id <> 0
UNION ALL
SELECT 0, ''::varchar(254);

-- Free stock (count - reserve) per item, summed over distinct values the way
-- the request lists have always shown it.
CREATE VIEW stk_stocks.v_free_stock AS
SELECT s.id_ii, sum(DISTINCT s.count - s.reserve) AS free
  FROM stk_stocks.stock s
 GROUP BY s.id_ii;

-- The material of a product: that of its technological process, and of the
-- one with the lowest id when it has several.
CREATE VIEW mnf_proc_tech.v_product_material AS
SELECT DISTINCT ON (pt.id_inventory_items)
       pt.id_inventory_items AS id_ii, pt.id AS id_proc_tech, pt.id_gds
  FROM mnf_proc_tech.proc_tech pt
 ORDER BY pt.id_inventory_items, pt.id;

-- Production-request register: one row per request line with its product,
-- paint and material, their needs and free stock. Outer joins throughout, so
-- a line is never lost for a missing process, paint or unit.
CREATE VIEW mnf_app.v_app_spec55 AS
SELECT as1.id,
       as1.id_app_doc,
       as1.id_ii,
       as1.id_ral,
       as1.cnt,
       as1.done,
       as1.accept,
       as1.accept_stock,
       as1.job_price,
       as1.gds_price,
       as1.cnt - as1.done                       AS cnt_done,
       ii.marka                                 AS ii_s_caption,
       m.s_identification                       AS msm_s_caption,
       ral.marka                                AS ral_s_caption,
       pm.id_gds                                AS id_gds,
       gds.marka                                AS gds_s_caption,
       gds.id_type                              AS id_type_gds,
       (ii.massa * as1.cnt)::t_money            AS gds_need,
       (ii.massa * as1.cnt)::t_money            AS massa_gds,
       (ii.ral_cons * as1.cnt)::t_money         AS ral_need,
       ii.ral_cons,
       sg.free                                  AS stk_gds,
       sr.free                                  AS stk_ral,
       CASE WHEN as1.accept THEN 'Да' ELSE 'Нет' END            AS yesno,
       CASE WHEN as1.accept_stock = 2 THEN 'Да' ELSE 'Нет' END  AS yesno_stk,
       CASE WHEN ad.id_app_doc = 0 THEN NULL ELSE ad.id_app_doc END AS ad_id_app_doc,
       ad.d_mnf,
       ad.d_out,
       ad.id_jur_person,
       ad.id_person,
       ad.id_app_spec
  FROM mnf_app.app_spec as1
  LEFT JOIN mnf_app.app_doc ad                        ON ad.id = as1.id_app_doc
  LEFT JOIN cmn_inventory_items.inventory_items ii    ON ii.id = as1.id_ii
  LEFT JOIN cmn_msm.msm m                             ON m.id = ii.id_msm
  LEFT JOIN cmn_inventory_items.inventory_items ral   ON ral.id = as1.id_ral
  LEFT JOIN mnf_proc_tech.v_product_material pm       ON pm.id_ii = as1.id_ii
  LEFT JOIN cmn_inventory_items.inventory_items gds   ON gds.id = pm.id_gds
  LEFT JOIN stk_stocks.v_free_stock sg                ON sg.id_ii = pm.id_gds
  LEFT JOIN stk_stocks.v_free_stock sr                ON sr.id_ii = as1.id_ral
 ORDER BY as1.id_app_doc DESC, as1.id DESC;

-- Current production: one row per product over its open lines (something
-- left to make). The paint is named when all open lines share it; otherwise
-- id_ral is empty and the caption lists the paints by name.
CREATE VIEW mnf_app.v_app_spec AS
SELECT g.id_ii,
       ii.marka                                AS ii_s_caption,
       m.s_identification                      AS msm_s_caption,
       g.id_ral,
       CASE WHEN g.id_ral IS NOT NULL THEN ral.marka ELSE g.ral_list END AS ral_s_caption,
       pm.id_gds,
       gds.marka                               AS gds_s_caption,
       g.sum_all,
       g.done,
       g.cnt_done,
       -- material still needed for what is left to make
       (ii.massa * g.cnt_done)::t_money        AS gds_need,
       sg.free                                 AS stk_gds
  FROM (SELECT l.id_ii,
               sum(l.cnt)          AS sum_all,
               sum(l.done)         AS done,
               sum(l.cnt - l.done) AS cnt_done,
               CASE WHEN count(DISTINCT coalesce(l.id_ral, 0)) = 1
                    THEN min(coalesce(l.id_ral, 0)) END AS id_ral,
               string_agg(DISTINCT nullif(r.marka, ''), ', ' ORDER BY nullif(r.marka, '')) AS ral_list
          FROM mnf_app.app_spec l
          LEFT JOIN cmn_inventory_items.inventory_items r ON r.id = l.id_ral
         WHERE l.cnt - l.done > 0
         GROUP BY l.id_ii) g
  LEFT JOIN cmn_inventory_items.inventory_items ii    ON ii.id = g.id_ii
  LEFT JOIN cmn_msm.msm m                             ON m.id = ii.id_msm
  LEFT JOIN cmn_inventory_items.inventory_items ral   ON ral.id = g.id_ral
  LEFT JOIN mnf_proc_tech.v_product_material pm       ON pm.id_ii = g.id_ii
  LEFT JOIN cmn_inventory_items.inventory_items gds   ON gds.id = pm.id_gds
  LEFT JOIN stk_stocks.v_free_stock sg                ON sg.id_ii = pm.id_gds
 ORDER BY ii.marka;
