#pragma once

#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_http_client.h"
#include "platform/fake/fake_lobby_link.h"
#include "platform/fake/fake_plugin_host.h"
#include "platform/fake/fake_process.h"
#include "platform/fake/fake_socket.h"
#include "platform/fake/fake_sound_device.h"
#include "platform/fake/fake_time_service.h"
#include "platform/services.h"

namespace qv::platform::fake {

/// Every fake service, wired into one `Services` for a client under test.
struct FakePlatform {
    FakePlatform() = default;
    explicit FakePlatform(FakeTimeService::Start start) : time(start) {}
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeTimeService time;
    FakeSocket winsock{time};
    FakeScreen screen;
    FakeMessageBox messageBox;
    FakeAppFolder appFolder;
    FakeSingleInstance singleInstance;
    FakeShell shell;
    FakeProcess process{time};
    FakeLobbyLink lobby;
    FakePluginHost plugins;
    FakeSoundDevice sound;

    FakeHttpClient http;

    Services services = withHttp(http);

    /// The fake services with `client` for the downloads (a real one, against a local server).
    [[nodiscard]] Services withHttp(HttpClient& client) {
        return Services{.time = time,
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
                        .http = client};
    }
};

} // namespace qv::platform::fake
