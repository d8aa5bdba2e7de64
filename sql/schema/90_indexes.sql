-- Indexes for the lookups the lists and the routines make.

CREATE INDEX stock_id_ii_idx                ON stk_stocks.stock (id_ii);
CREATE INDEX proc_tech_id_inventory_items_idx
    ON mnf_proc_tech.proc_tech (id_inventory_items, id);
CREATE INDEX operation_id_proc_tech_idx     ON mnf_operation.operation (id_proc_tech);
CREATE INDEX app_spec_id_ii_idx             ON mnf_app.app_spec (id_ii);
CREATE INDEX app_spec_id_app_doc_idx        ON mnf_app.app_spec (id_app_doc);
CREATE INDEX app_doc_id_app_spec_idx        ON mnf_app.app_doc (id_app_spec);
CREATE INDEX spec_out_id_app_spec_idx       ON stk_stocks.spec_out (id_app_spec);
CREATE INDEX spec_in_id_stock_in_idx        ON stk_stocks.spec_in (id_stock_in);
CREATE INDEX smena_data_smena_idx           ON accounts_dep.smena (data, smena);
CREATE INDEX smena_id_doc_item_idx          ON accounts_dep.smena (id_doc_item);
CREATE INDEX person_temp_id_smena_idx       ON accounts_dep.person_temp (id_smena);
CREATE INDEX person_id_role_idx             ON cmn_contractor.person (id_role);
CREATE INDEX tp_operation_app_spec_id_idx   ON mnf_proc_tech.tp_operation (app_spec_id);
CREATE INDEX purchase_doc_id_app_spec_idx   ON stk_purchase.purchase_doc (id_app_spec);
CREATE INDEX purchase_spec_id_purchase_doc_idx
    ON stk_purchase.purchase_spec (id_purchase_doc);
