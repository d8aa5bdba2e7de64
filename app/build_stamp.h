#pragma once

namespace velt {

// The moment this client was built: yyyymmdd and seconds since midnight.
int buildDate();
int buildTime();

} // namespace velt
