# Sources of the reference windows (headers-only windows need no entry).
list(APPEND VELT_WINDOW_SOURCES
  reference/person_list.cpp
  reference/person_editor.cpp
  reference/contractor_list.cpp
  reference/contractor_editor.cpp
  reference/nomenclature_list.cpp
  reference/nomenclature_editor.cpp
  reference/department_list.cpp
  reference/department_editor.cpp
  reference/staffpos_list.cpp
  reference/staffpos_editor.cpp
  reference/role_list.cpp
  reference/role_admin.cpp
  reference/role_editor.cpp
  reference/item_list.cpp
  reference/item_chooser.cpp
  reference/item_editor.cpp
  reference/operation_type_list.cpp
  reference/operation_type_editor.cpp
  reference/operation_editor.cpp
  reference/process_list.cpp
  reference/process_editor.cpp
)
