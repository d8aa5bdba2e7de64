#pragma once
#include <optional>
#include <string>

namespace velt {

// The installation's bootstrap account and optional access code. Nothing secret is built
// into the client: these come from installation.conf in the user's configuration folder
// ($XDG_CONFIG_HOME/velt-erp, default ~/.config/velt-erp), else /etc/velt-erp.
struct InstallationConfig {
    std::string bootstrapUser;
    std::string bootstrapPassword;
    std::string accessCode;  // empty: no access code
    std::string path;        // where it was read from; empty when none was found

    static std::string userConfigDir();
    static InstallationConfig load();
    static std::optional<InstallationConfig> loadFile(const std::string& path);
};

} // namespace velt
