// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <thread>

namespace httplib {
class SSLServer;
} // namespace httplib

namespace ravello::testing {

// An HTTPS server on 127.0.0.1 with a self-signed certificate for that address (the fixture
// tls/self_signed_cert.pem), answering every GET with "{}", or with a redirect to
// `redirectTarget` when one is given. A client that checks certificates must refuse it unless
// it trusts that certificate.
class SelfSignedHttpsServer
{
public:
    explicit SelfSignedHttpsServer(std::string redirectTarget = {});
    ~SelfSignedHttpsServer();
    SelfSignedHttpsServer(const SelfSignedHttpsServer&) = delete;
    SelfSignedHttpsServer& operator=(const SelfSignedHttpsServer&) = delete;

    bool isListening() const { return m_port > 0; }
    // "https://127.0.0.1:PORT"
    std::string url() const;
    static std::string certificateFile();

private:
    std::unique_ptr<httplib::SSLServer> m_server;
    std::thread m_thread;
    int m_port = 0;
};

} // namespace ravello::testing
