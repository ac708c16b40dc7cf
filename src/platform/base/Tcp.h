#pragma once
// A TCP client connection over POSIX sockets. Every wait (connect, send,
// receive) is bounded: by the connect time, by the time a single wait may take
// without progress, by an overall deadline, and by an abort flag that another
// thread may set. Integers travel as 4 bytes, most significant first.
#include <atomic>
#include <cstdint>
#include <string>

// Socket error codes of a connect that found no server; the update client tells these apart.
inline constexpr int Tcp_Zeitueberschreitung = 10060;
inline constexpr int Tcp_abgewiesen = 10061;
inline constexpr int Tcp_nicht_erreichbar = 10065;

// The code of the last connect that found no server (see above); the update client keeps it.
extern int Verbindungsfehler;

// Milliseconds of a steady clock, the time base of Frist_ms.
std::uint64_t Tcp_Uhr_ms();

class TCPClient {
public:
    std::string Host;
    int Port = 8096;
    int Verbindungszeit_ms = 5000;
    // The longest a single wait may last without any byte moving.
    int Empfangszeit_ms = 10000;
    // Tcp_Uhr_ms() by which every operation must be done; 0 none.
    std::uint64_t Frist_ms = 0;
    // Set (by any thread) to end a waiting operation within a few milliseconds.
    const std::atomic<bool>* Abbruch = nullptr;

    TCPClient() = default;
    TCPClient(const TCPClient&) = delete;
    TCPClient& operator=(const TCPClient&) = delete;
    ~TCPClient() { Trennen(); }

    // Connects to Host:Port. A time-out, refusal, unreachable host or unknown host name stores its code in
    // Kein_Server() and answers true without a connection; any other failure answers
    // false (the reason in Fehler()).
    bool Verbinden();
    void Trennen();
    bool Verbunden() const { return sock_ >= 0; }
    int Kein_Server() const { return kein_server_; }

    bool Integer_senden(std::int32_t wert);
    bool Integer_empfangen(std::int32_t& wert);
    // Receives exactly n bytes and appends them to ziel.
    bool Bytes_empfangen(std::size_t n, std::string& ziel);

    // What went wrong last, for the error reporter.
    const std::string& Fehler() const { return fehler_; }

private:
    // Waits until the socket is ready for the poll events; false (with the reason) when
    // a limit passes or the abort flag is set first.
    bool warten(int sock, short ereignisse, int max_ms);
    bool alles_senden(const void* daten, std::size_t n);
    bool alles_empfangen(void* daten, std::size_t n);
    int sock_ = -1;
    int kein_server_ = 0;
    std::string fehler_;
};
