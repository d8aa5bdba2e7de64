#pragma once
#include <string>
#include <string_view>

#include "data/connection.h"
#include "data/query.h"

namespace velt {

// Owner of the one connection and of what the windows share through it: the general
// command and query, the decimal separator of composed SQL and the shared datasets
// (all closed until a window opens them).
class TDataModule6 {
public:
    TDataModule6();
    virtual ~TDataModule6() = default;
    TDataModule6(const TDataModule6&) = delete;
    TDataModule6& operator=(const TDataModule6&) = delete;

    Connection ADO_DB;
    Command cmd_all;
    Query Control;
    // Read from the version row; empty until then.
    std::string DbDecimalSeparator;

    std::string NormalizeDecimal(std::string_view text) const;
    // Replaces the connection with one under the given login; DbError when refused.
    void ConnectAsUser(const ConnectionTarget& target, const std::string& login, const std::string& password);

    Query workers;
    Query operation;
    Query operation_type;
    Query Smena1, Smena2, Smena3, Smena4;
    Command DelSmena;
    Command H_Tabel_ins;
    Query department;
    Query inventory_items;
    Table ver;
    Query staffpos;
    Query nomenclature;
    Query role;
    Query proc_tech;
    Query jur_person;
    Query stock;
    Query stock_in;
    Table msm;
    Query app_doc;
    Query app_spec;
    Query spec_out;
    Query user;

    Query& smena(int shift);  // Smena1 … Smena4
    // Every shared dataset, for checks that walk them all.
    std::vector<Dataset*> sharedDatasets();
    static std::string inventoryItemsText();
};

} // namespace velt
