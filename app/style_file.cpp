#include "app/style_file.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "data/installation_config.h"
#include "ui/application.h"

namespace velt {

std::string styleFilePath() { return InstallationConfig::userConfigDir() + "/t_style.txt"; }

namespace {

void writeLines(const std::vector<std::string>& lines) {
    std::error_code ec;
    std::filesystem::create_directories(InstallationConfig::userConfigDir(), ec);
    std::ofstream out(styleFilePath(), std::ios::trunc);
    for (auto& l : lines) out << l << "\n";
}

} // namespace

std::string loadStartStyle() {
    std::ifstream in(styleFilePath());
    if (!in) {
        writeLines({"Windows"});
        return "Windows";
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    in.close();
    if (lines.empty() || lines.front().empty()) {
        lines.push_back("Windows");
        writeLines(lines);
        return "Windows";
    }
    return lines.front();
}

void saveStyle(const std::string& name) { writeLines({name}); }

void applyStartStyle() { ui::Application::instance().applyStyle(loadStartStyle()); }

} // namespace velt
