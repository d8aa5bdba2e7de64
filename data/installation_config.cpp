#include "data/installation_config.h"

#include <cstdlib>
#include <fstream>

namespace velt {

std::string InstallationConfig::userConfigDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/velt-erp";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/velt-erp";
}

std::optional<InstallationConfig> InstallationConfig::loadFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    InstallationConfig c;
    c.path = path;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        while (!key.empty() && key.back() == ' ') key.pop_back();
        while (!value.empty() && value.front() == ' ') value.erase(0, 1);
        if (key == "bootstrap_user") c.bootstrapUser = value;
        else if (key == "bootstrap_password") c.bootstrapPassword = value;
        else if (key == "access_code") c.accessCode = value;
    }
    return c;
}

InstallationConfig InstallationConfig::load() {
    if (auto c = loadFile(userConfigDir() + "/installation.conf")) return *c;
    if (auto c = loadFile("/etc/velt-erp/installation.conf")) return *c;
    return {};
}

} // namespace velt
