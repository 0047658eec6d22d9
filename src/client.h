#pragma once

#include "common/picture_tables.h"
#include "common/sound.h"
#include "connection/connection_state.h"
#include "forms/form_host.h"
#include "hand/hand_state.h"
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
    /// The picture-id tables (`Image_Resource`).
    common::ImageResource imageRes;
    /// The one voice of sound and its switches.
    common::Sound sound{services.sound, services.appFolder};
    connection::ConnectionState conn{*this};
    rules::RulesState rules;
    /// The hand around the seats' records: own turn, plays shown, bombs, places, the call.
    hand::HandState hand;
    /// The windows; declared last so they go first, while the state their handlers use is there.
    forms::FormHost forms{services.time};
};

} // namespace qv
