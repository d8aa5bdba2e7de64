#pragma once
#include <memory>
#include <string>
#include <vector>

#include "data/connection.h"
#include "data/data_module.h"
#include "data/installation_config.h"

namespace velt {

class TForm1;
class TForm23;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm14;
class TForm26;
class TForm27;
class TForm28;
class TForm29;
class TForm30;
class TForm31;
class TForm32;
class TForm33;
class TForm34;
class TForm35;
class TForm36;
class TForm37;
class TForm38;
class TForm39;
class TForm40;
class TForm41;
class TForm42;
class TForm43;
class TForm44;
class TForm45;
class TForm46;
class TForm47;
class TForm48;
class TForm50;
class TForm51;
class TForm303;
class TForm53;
class TForm54;
class TForm55;
class TForm57;
class TForm58;
class TForm59;
class TForm60;
class TForm61;
class TForm62;
class TForm63;
class TForm65;
class TForm66;
class TForm67;
class TForm68;
class TForm69;
class TForm70;
class TForm71;

// Owner of the data module and of every window, created once in the start-up order;
// windows reach each other through it, as a chooser writes into its caller.
class Forms {
public:
    // The command-line arguments name the data source, or the server and database.
    explicit Forms(std::vector<std::string> arguments = {},
                   InstallationConfig installation = InstallationConfig::load());
    ~Forms();

    const std::vector<std::string>& arguments() const { return arguments_; }
    ConnectionTarget target() const { return ConnectionTarget::fromArguments(arguments_); }
    const InstallationConfig& installation() const { return installation_; }
    // The data module's first connection, under the installation's bootstrap account, for
    // the version check and the user lookup. DbError when the server refuses.
    void connectBootstrap();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

private:
    std::vector<std::string> arguments_;
    InstallationConfig installation_;

public:
    std::unique_ptr<TDataModule6> DataModule6;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm23> Form23;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm8> Form8;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm10> Form10;
    std::unique_ptr<TForm11> Form11;
    std::unique_ptr<TForm14> Form14;
    std::unique_ptr<TForm26> Form26;
    std::unique_ptr<TForm27> Form27;
    std::unique_ptr<TForm28> Form28;
    std::unique_ptr<TForm29> Form29;
    std::unique_ptr<TForm30> Form30;
    std::unique_ptr<TForm31> Form31;
    std::unique_ptr<TForm32> Form32;
    std::unique_ptr<TForm33> Form33;
    std::unique_ptr<TForm34> Form34;
    std::unique_ptr<TForm35> Form35;
    std::unique_ptr<TForm36> Form36;
    std::unique_ptr<TForm37> Form37;
    std::unique_ptr<TForm38> Form38;
    std::unique_ptr<TForm39> Form39;
    std::unique_ptr<TForm40> Form40;
    std::unique_ptr<TForm41> Form41;
    std::unique_ptr<TForm42> Form42;
    std::unique_ptr<TForm43> Form43;
    std::unique_ptr<TForm44> Form44;
    std::unique_ptr<TForm45> Form45;
    std::unique_ptr<TForm46> Form46;
    std::unique_ptr<TForm47> Form47;
    std::unique_ptr<TForm48> Form48;
    std::unique_ptr<TForm50> Form50;
    std::unique_ptr<TForm51> Form51;
    std::unique_ptr<TForm303> Form303;
    std::unique_ptr<TForm53> Form53;
    std::unique_ptr<TForm54> Form54;
    std::unique_ptr<TForm55> Form55;
    std::unique_ptr<TForm57> Form57;
    std::unique_ptr<TForm58> Form58;
    std::unique_ptr<TForm59> Form59;
    std::unique_ptr<TForm60> Form60;
    std::unique_ptr<TForm61> Form61;
    std::unique_ptr<TForm62> Form62;
    std::unique_ptr<TForm63> Form63;
    std::unique_ptr<TForm65> Form65;
    std::unique_ptr<TForm66> Form66;
    std::unique_ptr<TForm67> Form67;
    std::unique_ptr<TForm68> Form68;
    std::unique_ptr<TForm69> Form69;
    std::unique_ptr<TForm70> Form70;
    std::unique_ptr<TForm71> Form71;
};

// The program's registry; it exists from the creation of a Forms until its end.
Forms& forms();
// Its data module.
TDataModule6& dm();

} // namespace velt
