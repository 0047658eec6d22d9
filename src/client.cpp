#include "client.h"

namespace qv {

Client::Client(platform::Services& services_) : services(services_) {}

} // namespace qv
