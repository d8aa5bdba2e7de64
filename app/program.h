#pragma once
#include <string>
#include <vector>

namespace velt {

class Connection;

// Starts the bootstrap connection the command line names, in the background, so that the
// screen can come up meanwhile; runClient takes it over.
void startBootstrapConnection(Connection& connection, const std::vector<std::string>& arguments);

// The client's run once a driver is in place: the stored look applied, every window
// created, the bootstrap connection opened, the login window shown until the program ends.
// Returns the process exit code.
int runClient(const std::vector<std::string>& arguments, Connection* bootstrap = nullptr);

} // namespace velt
