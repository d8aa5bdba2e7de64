#include "reference/role_list.h"

#include "app/forms.h"
#include "reference/role_admin.h"

namespace velt {

TForm32::TForm32() : Form("TForm32", "Роли") {
    DBGrid1.setDataset(&dm().role);
    DBGrid1.setColumns({{"Наименование", "s_caption"}, {"Системное имя", "s_name"}});
    ui::setUpDirectoryList(*this, {.grid = &DBGrid1,
                                   .add = &Button5,
                                   .edit = &Button2,
                                   .remove = &Button3,
                                   .search = &Edit1,
                                   .exit = &Button4,
                                   .searchField = "s_caption"});
    Button5.onClick = [this] { Button5Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

// The list offers what the administration window does, over the same dataset and editor.
void TForm32::Button5Click() { forms().Form35->Button1Click(); }
void TForm32::Button2Click() { forms().Form35->Button2Click(); }
void TForm32::Button3Click() { forms().Form35->Button3Click(); }

void TForm32::FormClose() {
    // The search must not stay on the shared dataset for the next window that reads it.
    Edit1.setText({});
    dm().role.setFiltered(false);
}

} // namespace velt
