#include "client.h"

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {}

} // namespace qv
