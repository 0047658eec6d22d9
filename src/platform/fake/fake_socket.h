#pragma once

#include "platform/fake/fake_time_service.h"
#include "platform/socket.h"

#include <functional>
#include <optional>

namespace qv::platform::fake {

/// A socket whose peer is the test: it decides how a connect ends, injects received bytes, reads
/// what was sent and closes from the far side. Injected happenings run their event at once.
class FakeSocket final : public Socket {
public:
    explicit FakeSocket(FakeTimeService& time) : time_(time) {}

    bool Connect() override;
    void Close() override;
    bool SendData(const QByteArray& data) override;

    /// How the next connects end, delivered as a posted event; unset leaves them pending until
    /// `acceptConnection` or `failConnection`. An error number of 0 accepts.
    void scriptConnect(std::optional<int> errorNumber) { connectOutcome_ = errorNumber; }
    void acceptConnection();
    void failConnection(int number = sckConnectionRefused);
    void receive(const QByteArray& bytes);
    void closeByPeer();

    /// Everything sent since the last `takeSent`.
    QByteArray takeSent();
    [[nodiscard]] const QByteArray& sent() const { return sent_; }
    [[nodiscard]] int connects() const { return connects_; }
    /// Called with every accepted `SendData`: the test's server answers through it.
    std::function<void(const QByteArray&)> onSend;

private:
    FakeTimeService& time_;
    int connects_ = 0;
    std::optional<int> connectOutcome_;
    QByteArray sent_;
};

} // namespace qv::platform::fake
