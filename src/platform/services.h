#pragma once

#include "platform/app_folder.h"
#include "platform/http_client.h"
#include "platform/lobby_link.h"
#include "platform/message_box.h"
#include "platform/plugin_host.h"
#include "platform/process.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/socket.h"
#include "platform/sound_device.h"
#include "platform/time_service.h"

namespace qv::platform {

/// The operating-system services the client uses; production wires the Qt implementations
/// (qt/qt_platform.h), tests the fakes (fake/fake_platform.h). A new service is added here and
/// to both of those bundles.
struct Services {
    TimeService& time;
    /// The game server connection (the socket control `Winsock1`).
    Socket& winsock;
    Screen& screen;
    MessageBox& messageBox;
    AppFolder& appFolder;
    SingleInstance& singleInstance;
    Shell& shell;
    Process& process;
    /// The game lobby that started the client, found by its window title.
    LobbyLink& lobby;
    /// The item plug-in's component host.
    PluginHost& plugins;
    /// The sound output: one replaceable voice.
    SoundDevice& sound;
    /// Downloads over HTTP.
    HttpClient& http;
};

} // namespace qv::platform
