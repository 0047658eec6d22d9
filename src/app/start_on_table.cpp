#include "app/start_on_table.h"

#include "app/client.h"
#include "app/main_form_view.h"
#include "common/sound.h"
#include "connection/player_detail.h"
#include "shop/vip_window.h"
#include "table/main_form.h"

namespace qv::app {
namespace {

/// The background music, as the start-up starts it.
void startSound(Client& client) {
    auto& sound = client.sound;
    if (sound.g_bMusicOn) {
        sound.LoadSoundPaths();
    }
    if (sound.g_bSoundOn) {
        sound.InitSound();
        sound.StopSound();
        sound.PlaySoundFile(sound.SoundFile[common::kBackgroundMusic], true);
        sound.SetSoundVolume(common::kFullVolume);
    }
}

void setIfEmpty(std::function<void()>& hook, std::function<void()> step) {
    if (!hook) {
        hook = std::move(step);
    }
}

} // namespace

void StartOnTable(Client& client, table::MainForm& form, const QString& commandLine) {
    client.conn.view = std::make_unique<MainFormView>(client, form);
    auto& hooks = form.loadHooks;
    const auto chain = [](std::function<void()> first, std::function<void()> then) {
        return [first = std::move(first), then = std::move(then)] {
            if (first) {
                first();
            }
            then();
        };
    };
    hooks.beforeScreenFit = chain(std::move(hooks.beforeScreenFit),
                                  [&client] { connection::BeginStartUp(client.conn); });
    hooks.openConnection = chain(std::move(hooks.openConnection), [&client, commandLine] {
        connection::OpenConnection(client.conn, commandLine);
    });
    hooks.installLobbyLink = chain(std::move(hooks.installLobbyLink),
                                   [&client] { connection::InstallLobbyLink(client.conn); });
    // Opening the sound output loads the whole sound system and asks the sound server, which takes
    // longer than drawing the table: the music starts once the table is on the screen.
    setIfEmpty(hooks.startSound,
               [&client, &form] { form.whenDrawn([&client] { startSound(client); }); });
    setIfEmpty(form.resizeHooks.minimizeLobby,
               [&client] { connection::MinimizeLobby(client.conn); });
    form.seatHooks.detail = [&client](int seat) {
        const connection::PlayerDetail& player =
            client.conn.Detail.at(static_cast<std::size_t>(seat));
        return table::SeatDetail{.username = player.username,
                                 .sex = player.sex,
                                 .location = player.location,
                                 .score = player.score,
                                 .membership = connection::MembershipName(player.memberLevel),
                                 .logins = player.logins,
                                 .disconnects = player.disconnects,
                                 .wins = player.wins,
                                 .losses = player.losses,
                                 .vip = player.vip};
    };
    form.seatHooks.showVip = [&client, &form](int level) {
        shop::FrmVip& vip = client.forms.get<shop::FrmVip>();
        vip.initFrm(static_cast<std::int16_t>(level));
        vip.show(0, &form);
        vip.setVisible(true);
    };
    hooks.startupFailed = [&client](const std::exception&) {
        connection::RestoreLobbyAndEnd(client.conn);
    };
    form.events.unload = [&client, previous = std::move(form.events.unload)](int& cancel) {
        connection::Form_Unload(client.conn);
        shop::unloadShopForms(client.forms);
        if (previous) {
            previous(cancel);
        }
    };
    form.Form_Load();
    client.betweenOnTable();
}

} // namespace qv::app
