#pragma once
// A TCP client connection over POSIX sockets, with time-outs on connect,
// send and receive. Integers travel as 4 bytes, most significant first.
#include <cstdint>
#include <string>

// Socket error codes of a connect that found no server; the update client tells these apart.
inline constexpr int Tcp_Zeitueberschreitung = 10060;
inline constexpr int Tcp_abgewiesen = 10061;
inline constexpr int Tcp_nicht_erreichbar = 10065;

// Stored by a connect that timed out, was refused or found the host unreachable.
extern int Verbindungsfehler;

class TCPClient {
public:
    std::string Host;
    int Port = 8096;
    int Verbindungszeit_ms = 5000;
    int Empfangszeit_ms = 10000;

    TCPClient() = default;
    TCPClient(const TCPClient&) = delete;
    TCPClient& operator=(const TCPClient&) = delete;
    ~TCPClient() { Trennen(); }

    // Connects to Host:Port. A time-out, refusal or unreachable host stores its code in
    // Verbindungsfehler and answers true without a connection; any other failure answers
    // false (the reason in Fehler()).
    bool Verbinden();
    void Trennen();
    bool Verbunden() const { return sock_ >= 0; }

    bool Integer_senden(std::int32_t wert);
    bool Integer_empfangen(std::int32_t& wert);
    // Receives exactly n bytes and appends them to ziel. Besides the time-out of each
    // receive, the whole transfer must keep up at least Mindestrate bytes a second.
    bool Bytes_empfangen(std::size_t n, std::string& ziel);
    static constexpr std::size_t Mindestrate = 64 * 1024;

    // What went wrong last, for the error reporter.
    const std::string& Fehler() const { return fehler_; }

private:
    bool alles_senden(const void* daten, std::size_t n);
    bool alles_empfangen(void* daten, std::size_t n);
    int sock_ = -1;
    std::string fehler_;
    // Tick count by which the running transfer must be done; 0 none.
    std::uint64_t frist_ = 0;
};
