#pragma once

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt/qt_lobby_link.h"
#include "platform/qt/qt_plugin_host.h"
#include "platform/qt/qt_process.h"
#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_sound_device.h"
#include "platform/qt/qt_time_service.h"
#include "platform/services.h"

namespace qv::platform::qt {

/// Every Qt service, wired into one `Services` for the program. Needs a QApplication.
struct QtPlatform {
    explicit QtPlatform(const QString& programName) : singleInstance(programName) {}
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    QtTimeService time;
    QtSocket winsock;
    QtScreen screen;
    QtMessageBox messageBox;
    QtAppFolder appFolder;
    QtSingleInstance singleInstance;
    QtShell shell;
    QtProcess process;
    QtLobbyLink lobby;
    QtPluginHost plugins;
    QtSoundDevice sound;

    QtHttpClient http;

    Services services{.time = time,
                      .winsock = winsock,
                      .screen = screen,
                      .messageBox = messageBox,
                      .appFolder = appFolder,
                      .singleInstance = singleInstance,
                      .shell = shell,
                      .process = process,
                      .lobby = lobby,
                      .plugins = plugins,
                      .sound = sound,
                      .http = http};
};

} // namespace qv::platform::qt
