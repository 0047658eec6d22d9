#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <functional>

namespace qv::platform {

/// The TCP client socket control the game talks to its server through, with the control's own
/// member names and state numbers. Events arrive on the UI thread. The properties and the
/// received bytes are kept here; implementations connect, close, send and report arrivals.
class Socket {
public:
    /// The control's state numbers.
    enum State : int {
        sckClosed = 0,
        sckOpen = 1,
        sckListening = 2,
        sckConnectionPending = 3,
        sckResolvingHost = 4,
        sckHostResolved = 5,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };

    /// The control's error numbers the implementations report.
    enum Error : int {
        sckConnectionReset = 10054,
        sckTimedout = 10060,
        sckConnectionRefused = 10061,
        sckHostUnreachable = 10065,
        sckHostNotFound = 11001,
    };

    struct Events {
        /// Bytes arrived; `bytesTotal` is what `GetData` would now return.
        std::function<void(int bytesTotal)> DataArrival;
        /// The connection `Connect` asked for is up.
        std::function<void()> Connect;
        /// The peer closed the connection; the state is `sckClosing` until `Close`.
        std::function<void()> Close;
        /// Connecting or the connection failed; the state is `sckError` until `Close`.
        std::function<void(int number, const QString& description)> Error;
    };

    virtual ~Socket() = default;

    [[nodiscard]] QString RemoteHost() const { return host_; }
    void setRemoteHost(const QString& host) { host_ = host; }
    [[nodiscard]] int RemotePort() const { return port_; }
    void setRemotePort(int port) { port_ = port; }

    /// Starts connecting to RemoteHost:RemotePort; the outcome comes as a Connect or Error event.
    /// Returns false and does nothing unless the socket is closed.
    virtual bool Connect() = 0;
    /// Closes the connection at once and drops what was received; the state becomes `sckClosed`.
    virtual void Close() = 0;
    [[nodiscard]] int State() const { return state_; }

    /// Queues bytes for sending. Returns false and sends nothing unless connected.
    virtual bool SendData(const QByteArray& data) = 0;
    /// Takes up to `maxLen` received bytes (all of them when `maxLen` is negative).
    QByteArray GetData(int maxLen = -1) {
        const qsizetype n =
            maxLen < 0 ? received_.size() : std::min<qsizetype>(maxLen, received_.size());
        QByteArray taken = received_.left(n);
        received_.remove(0, n);
        return taken;
    }
    /// How many received bytes `GetData` has not taken yet.
    [[nodiscard]] int BytesReceived() const { return static_cast<int>(received_.size()); }

    Events events;

protected:
    /// Keeps arrived bytes for `GetData` and raises DataArrival.
    void arrived(const QByteArray& bytes) {
        received_ += bytes;
        if (events.DataArrival) {
            events.DataArrival(BytesReceived());
        }
    }
    void raiseConnect() const {
        if (events.Connect) {
            events.Connect();
        }
    }
    void raiseClose() const {
        if (events.Close) {
            events.Close();
        }
    }
    void raiseError(int number, const QString& description) const {
        if (events.Error) {
            events.Error(number, description);
        }
    }

    int state_ = sckClosed;
    QByteArray received_;

private:
    QString host_;
    int port_ = 0;
};

} // namespace qv::platform
