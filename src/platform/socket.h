#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace qv::platform {

/// The TCP client socket control the game talks to its server through, with the control's own
/// member names and state numbers. Events arrive on the UI thread.
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

    [[nodiscard]] virtual QString RemoteHost() const = 0;
    virtual void setRemoteHost(const QString& host) = 0;
    [[nodiscard]] virtual int RemotePort() const = 0;
    virtual void setRemotePort(int port) = 0;

    /// Starts connecting to RemoteHost:RemotePort; the outcome comes as a Connect or Error event.
    /// Returns false and does nothing unless the socket is closed.
    virtual bool Connect() = 0;
    /// Closes the connection at once and drops what was received; the state becomes `sckClosed`.
    virtual void Close() = 0;
    [[nodiscard]] virtual int State() const = 0;

    /// Queues bytes for sending. Returns false and sends nothing unless connected.
    virtual bool SendData(const QByteArray& data) = 0;
    /// Takes up to `maxLen` received bytes (all of them when `maxLen` is negative).
    virtual QByteArray GetData(int maxLen = -1) = 0;
    /// How many received bytes `GetData` has not taken yet.
    [[nodiscard]] virtual int BytesReceived() const = 0;

    Events events;

protected:
    void raiseDataArrival(int bytesTotal) const {
        if (events.DataArrival) {
            events.DataArrival(bytesTotal);
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
};

} // namespace qv::platform
