#include "match/config_download.h"

#include "common/md5.h"
#include "common/vb_text.h"
#include "match/match_file.h"
#include "match/match_screen.h"
#include "platform/services.h"
#include "table/main_form.h"

#include <QFile>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

const QString kTmpName = QStringLiteral("tmp.xml");
constexpr std::uint32_t kDefaultRoomBase = 200;
constexpr std::int16_t kDefaultDirection = 2;

/// The switch-off of command 80: the feature off, its buttons hidden.
void configOff(MatchContext& ctx) {
    ctx.state.g_bMatchOn = false;
    ctx.form.ImgShowMatch.setVisible(false);
    ctx.form.ImgShowSort.setVisible(false);
    ctx.form.ImgShowMatch.setEnabled(false);
}

void downloadOff(MatchState& s) {
    s.g_bMatchOn = false;
    s.g_bMatchDownloading = false;
    s.g_bMatchListShown = false;
}

bool isClientFile(const QString& name) {
    static const QStringList kOwn{kTmpName,
                                  QStringLiteral("userinfo.ini"),
                                  QStringLiteral("rule.ini"),
                                  QStringLiteral("chat.ini"),
                                  QStringLiteral("info.vm"),
                                  QStringLiteral("jadetask.xml")};
    return kOwn.contains(name, Qt::CaseInsensitive);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

ConfigDownload::~ConfigDownload() {
    cancel();
}

QString GetMatchFileName(const QString& url) {
    QString path = url;
    path.truncate(std::min(path.indexOf(u'?') < 0 ? path.size() : path.indexOf(u'?'),
                           path.indexOf(u'#') < 0 ? path.size() : path.indexOf(u'#')));
    // An address that climbs folders names no file of ours.
    const QStringList segments = path.split(u'/');
    if (segments.contains(u"."_s) || segments.contains(u".."_s)) {
        return {};
    }
    const QString name = vbTrim(segments.last());
    const bool plain = std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == u'\\' || c == u':' || c.unicode() < u' ' || c.unicode() == 0x7F;
    });
    if (!plain || name.isEmpty() || name == u"." || name == u".." || isClientFile(name)) {
        return {};
    }
    return name;
}

bool checkMd5(MatchState& state, const QString& folder) {
    if (state.Md5_Server.isEmpty() || state.MatchFileName.isEmpty() ||
        !QFile::exists(folder + u'/' + state.MatchFileName)) {
        state.g_bMatchListShown = false;
        return false;
    }
    return GetFileMd5(folder + u'/' + state.MatchFileName)
               .compare(state.Md5_Server, Qt::CaseInsensitive) == 0;
}

void ConfigDownload::MsgMatchConfig(MatchContext& ctx, const MatchConfig& config) {
    MatchState& s = ctx.state;
    s.g_bMyMatchList = false;
    s.CurMatch.clear();
    s.MatchConfigUrl = config.url;
    if (config.room) {
        s.RoomSession = config.room->session;
        s.RoomDirection = config.room->direction != 0 ? config.room->direction : kDefaultDirection;
        s.RoomVip = config.room->vip;
        s.RoomBase = config.room->base != 0 ? config.room->base : kDefaultRoomBase;
    }
    s.MatchConfigUrl = vbTrim(s.MatchConfigUrl);
    s.Md5_Server = config.md5;
    if (s.MatchConfigUrl.isEmpty() || s.Md5_Server.isEmpty()) {
        configOff(ctx);
        return;
    }
    s.MatchFileName = GetMatchFileName(s.MatchConfigUrl);
    if (s.MatchFileName.isEmpty()) {
        s.g_bMatchListShown = false;
        configOff(ctx);
        return;
    }
    const QString folder = services_.appFolder.path();
    if (checkMd5(s, folder)) {
        cancel();
        s.g_bMatchDownloading = false;
        ctx.panels.initMatchUI();
        if (GetAllMatch(s, folder)) {
            s.g_bMatchOn = true;
            s.g_bMatchLoaded = true;
        } else {
            s.g_bMatchOn = false;
            s.g_bMatchListShown = false;
        }
        return;
    }
    s.g_bMatchDownloading = true;
    start(s.MatchConfigUrl);
}

void ConfigDownload::start(const QString& url) {
    cancel();
    request_ = services_.http.get(url, {[this](const QByteArray& body) { completed(body); },
                                        [this] {
                                            failed();
                                        }});
    if (request_ == 0) {
        services_.time.post([this] { failed(); });
    }
}

void ConfigDownload::cancel() {
    if (request_ != 0) {
        services_.http.cancel(request_);
        request_ = 0;
    }
}

void ConfigDownload::failed() {
    request_ = 0;
    if (MatchContext* ctx = table_()) {
        downloadOff(ctx->state);
    }
}

void ConfigDownload::completed(const QByteArray& body) {
    request_ = 0;
    MatchContext* ctx = table_();
    if (ctx == nullptr) {
        return;
    }
    MatchState& s = ctx->state;
    const QString folder = services_.appFolder.path();
    const QString tmp = folder + u'/' + kTmpName;
    const QString target = folder + u'/' + s.MatchFileName;
    QFile::remove(tmp);
    if (!writeFile(tmp, body) || s.g_bLeavingTable) {
        downloadOff(s);
        return;
    }
    // Only a body with the announced digest replaces the configuration.
    if (GetFileMd5(tmp).compare(s.Md5_Server, Qt::CaseInsensitive) != 0 ||
        (QFile::exists(target) && !QFile::remove(target)) || !QFile::rename(tmp, target)) {
        downloadOff(s);
        return;
    }
    ctx->panels.initMatchUI();
    if (!GetAllMatch(s, folder)) {
        downloadOff(s);
        return;
    }
    s.g_bMatchOn = true;
    s.g_bMatchLoaded = true;
    s.g_bMatchDownloading = false;
    if (!s.g_bMyMatchList) {
        return;
    }
    BuildCurMatchShow(s);
    int page = 1;
    if (!ctx->panels.InitCurMatchShow(page)) {
        downloadOff(s);
        return;
    }
    ShowMatchButtons(*ctx);
    for (const CurMatchRec& r : s.CurMatch) {
        if (!r.StratTime.isEmpty() && r.RunState == 1 && r.CPstate == 1) {
            ShowRankingButton(*ctx, r.CId);
        }
    }
    ctx->panels.ShowMatchDetail(TagNumber(ctx->form.LblMathStart[0]));
}

} // namespace qv::match
