#pragma once
#include <string>
#include <vector>

namespace velt {

// The client's run once a driver is in place: the stored look applied, every window
// created, the bootstrap connection opened, the login window shown until the program ends.
// Returns the process exit code.
int runClient(const std::vector<std::string>& arguments);

} // namespace velt
