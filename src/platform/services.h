#pragma once

#include "platform/app_folder.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/socket.h"
#include "platform/sound_device.h"
#include "platform/time_service.h"

namespace qv::platform {

/// The operating-system services the client uses; production wires the Qt implementations
/// (qt/qt_platform.h), tests the fakes (fake/fake_platform.h).
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
    /// The sound output (DirectSound in the original).
    SoundDevice& sound;
};

} // namespace qv::platform
