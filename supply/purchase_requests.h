#pragma once
#include "app/forms.h"
#include "app/placeholder.h"
#include "data/query.h"

namespace velt {

// Not built yet: the window exists with its caption so that every caller finds it.
class TForm60 : public PlaceholderForm {
public:
    TForm60() : PlaceholderForm("TForm60", "Завки на закупку (60)") {}

    // The requests; the contractor chooser changes the current one and opens it again.
    Query purchase_doc{dm().ADO_DB, "purchase_doc",
                       "SELECT distinct pd.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption,\n"
                       "(select sum(ps.gds_price*ps.cnt) from stk_purchase.purchase_spec ps  where ps.id_purchase_doc = "
                       "pd.id) as all_price\n"
                       "FROM stk_purchase.purchase_doc pd\n"
                       "left join cmn_contractor.jur_person jp on pd.id_jur_person = jp.id \n"
                       "left join cmn_contractor.person p on pd.id_person = p.id  \n"
                       "order by d_date desc"};
};

} // namespace velt
