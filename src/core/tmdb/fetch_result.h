// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ravello::tmdb {

// Why a retrieval gave no usable answer.
enum class FetchProblem
{
    None,       // a 2xx answer, complete (and JSON where JSON was asked for)
    Session,    // the transfer could not even be set up
    Transport,  // no answer: connection, TLS, time-out, broken transfer
    HttpStatus, // an answer with a status outside 200-299
    NotJson,    // a 2xx answer that should be a JSON document and is not
    TooLarge,   // the answer passed the fetcher's size cap
    File,       // the answer could not be written to its file
};

struct TransportError
{
    int code = 0;     // the transfer library's error code
    std::string text; // its description of the error
};

// What one retrieval gave. `body` holds the answer of a JSON fetch, or the start of an error
// answer; `tmdbStatusMessage` is the "status_message" of TMDb's error document when the
// answer carried one.
struct FetchResult
{
    FetchProblem problem = FetchProblem::None;
    long httpStatus = 0;
    std::string body;
    std::string tmdbStatusMessage;
    TransportError transportError;

    bool ok() const { return problem == FetchProblem::None; }
};

// The text of the message box for a failed retrieval (fixed English texts, as every network
// message of the program): "Connection Failed or Syntax error", "Failed to open URL\nError
// No:<code>", or the HTTP status with TMDb's status message.
std::string failureMessage(const FetchResult& result);

// One line of technical detail for logs and the command line: the problem, the library's
// error text, the status and TMDb's message.
std::string failureDetail(const FetchResult& result);

} // namespace ravello::tmdb
