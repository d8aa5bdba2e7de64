#include "reference/operation_type_editor.h"

#include "app/forms.h"
#include "data/sql_compose.h"
#include "ui/application.h"

namespace velt {

TForm9::TForm9() : Form("TForm9", "Ведение оераций") {
    layout = ui::column({ui::fields({{&Label1, &Edit1}, {&Label2, &Edit2}}), ui::row({ui::stretch(), Button1, Button2})});
    defaultButton = &Button1;
    cancelButton = &Button2;
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
}

void TForm9::FormActivate() { Edit1.setFocus(); }

void TForm9::Button1Click() {
    std::string caption = trimmed(Edit1.text());
    if (caption.empty()) {
        ui::MessageBox("Все поля должны быть заполнены!", "Ошибка", ui::Icon::Stop);
        return;
    }
    std::string description = trimmed(Edit2.text());
    Query& types = dm().operation_type;
    if (Tag == 1)
        dm().cmd_all.setText("insert into mnf_operation.operation_type(s_caption, s_description)VALUES(" +
                             SqlText(caption) + " ," + SqlText(description) + ")");
    else
        dm().cmd_all.setText("UPDATE mnf_operation.operation_type SET s_caption=" + SqlText(caption) +
                             ", s_description=" + SqlText(description) +
                             " where id=" + SqlInt(types.field("id").asInteger()));
    dm().cmd_all.execute();
    types.close();
    types.open();
    close();
}

} // namespace velt
