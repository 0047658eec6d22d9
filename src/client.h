#pragma once

#include "connection/connection_state.h"
#include "platform/services.h"
#include "rules/rules_state.h"
#include "shared_data.h"

namespace qv {

/// Owns every subsystem's state, the forms and the services: what the game keeps module-level.
/// Each test builds a fresh client on fake services.
class Client {
public:
    explicit Client(platform::Services& services);
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    platform::Services& services;
    SharedData shared;
    connection::ConnectionState conn{*this};
    rules::RulesState rules;
};

} // namespace qv
