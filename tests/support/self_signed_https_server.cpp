// SPDX-License-Identifier: MIT
#include "tests/support/self_signed_https_server.h"

#include <httplib.h>

#include "tests/support/temporary_folder.h"

namespace ravello::testing {

SelfSignedHttpsServer::SelfSignedHttpsServer(std::string redirectTarget)
    : m_server(std::make_unique<httplib::SSLServer>(
          certificateFile().c_str(), fixturePath("tls/self_signed_key.pem").string().c_str()))
{
    if (!m_server->is_valid())
        return;
    m_server->Get(".*", [redirectTarget](const httplib::Request&, httplib::Response& response) {
        if (redirectTarget.empty())
            response.set_content("{}", "application/json");
        else
            response.set_redirect(redirectTarget);
    });
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        return;
    // Bound already: connections wait in the backlog until the thread accepts them.
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
}

SelfSignedHttpsServer::~SelfSignedHttpsServer()
{
    m_server->stop();
    if (m_thread.joinable())
        m_thread.join();
}

std::string SelfSignedHttpsServer::certificateFile()
{
    return fixturePath("tls/self_signed_cert.pem").string();
}

std::string SelfSignedHttpsServer::url() const
{
    return "https://127.0.0.1:" + std::to_string(m_port);
}

} // namespace ravello::testing
