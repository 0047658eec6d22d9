#pragma once

#include "platform/qt/network_module.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_plugin_host.h"
#include "platform/qt/qt_process.h"
#include "platform/qt/qt_sound_device.h"
#include "platform/qt/qt_time_service.h"
#include "platform/services.h"

namespace qv::platform::qt {

/// Every Qt service, wired into one `Services` for the program, the network ones from the network
/// module. Needs a QApplication.
struct QtPlatform {
    QtPlatform(const QString& programName, NetworkServices networkServices)
        : network(std::move(networkServices)), singleInstance(programName) {}
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    NetworkServices network;
    QtTimeService time;
    QtScreen screen;
    QtMessageBox messageBox;
    QtAppFolder appFolder;
    QtSingleInstance singleInstance;
    QtShell shell;
    QtProcess process;
    QtPluginHost plugins;
    QtSoundDevice sound;

    Services services{.time = time,
                      .winsock = *network.winsock,
                      .screen = screen,
                      .messageBox = messageBox,
                      .appFolder = appFolder,
                      .singleInstance = singleInstance,
                      .shell = shell,
                      .process = process,
                      .lobby = *network.lobby,
                      .plugins = plugins,
                      .sound = sound,
                      .http = *network.http};
};

} // namespace qv::platform::qt
