#pragma once

#include "match/match_context.h"
#include "match/match_messages.h"
#include "platform/http_client.h"

#include <QString>

#include <functional>

namespace qv::platform {
struct Services;
}

namespace qv::match {

/// The tournament configuration kept in step with the server's: command 80 names its address and
/// digest; a file of that name in the program's folder with that digest is loaded at once,
/// anything else is downloaded (into `tmp.xml`), checked and loaded when the download ends. A
/// second command 80 during a download starts it again.
class ConfigDownload {
public:
    /// `table` gives the tournament model on the table window while the window is there.
    ConfigDownload(platform::Services& services, std::function<MatchContext*()> table)
        : services_(services), table_(std::move(table)) {}
    ConfigDownload(const ConfigDownload&) = delete;
    ConfigDownload& operator=(const ConfigDownload&) = delete;
    ~ConfigDownload();

    /// Command 80.
    void MsgMatchConfig(MatchContext& ctx, const MatchConfig& config);

private:
    void start(const QString& url);
    void cancel();
    void completed(const QByteArray& body);
    void failed();

    platform::Services& services_;
    std::function<MatchContext*()> table_;
    platform::HttpClient::RequestId request_ = 0;
};

/// The configuration's file name: the address's last path segment without query or fragment.
/// Empty unless it is a plain name of a file of its own: no folder, drive or control character,
/// no "." or ".." on the way, not the download's `tmp.xml` and not one of the client's own files.
[[nodiscard]] QString GetMatchFileName(const QString& url);
/// Whether the file `MatchFileName` of `folder` is there with the digest `Md5_Server`.
[[nodiscard]] bool checkMd5(MatchState& state, const QString& folder);

} // namespace qv::match
