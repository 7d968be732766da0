// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

namespace ravello::tmdb {

// Why a retrieval gave no usable answer.
enum class FetchProblem
{
    None,       // a 2xx answer, complete (and JSON where JSON was asked for)
    Session,    // the transfer could not be set up or run by the library
    Transport,  // no answer: connection, TLS, time-out, broken transfer, refused redirect
    HttpStatus, // an answer with a status outside 200-299
    NotJson,    // a 2xx answer that should be a JSON document and is not
    TooLarge,   // the answer passed the fetcher's size cap
    File,       // the answer could not be written to its file
    Cancelled,  // the caller ended the wait before the answer was complete
    Busy,       // started while another retrieval of the same fetcher ran: nothing was sent
};

struct TransportError
{
    int code = 0;     // the transfer library's error code
    std::string text; // its description of the error
};

// What one retrieval gave: the facts only, so that each interface words them its own way.
// `body` holds the answer of a JSON fetch, or the start of an error answer;
// `tmdbStatusMessage` is the "status_message" of TMDb's error document when the answer
// carried one; `timeLimit` is, for a transfer given up for taking too long, the limit it
// passed (the connect, low-speed or total time-out), and zero otherwise.
struct FetchResult
{
    FetchProblem problem = FetchProblem::None;
    long httpStatus = 0;
    std::string body;
    std::string tmdbStatusMessage;
    TransportError transportError;
    std::chrono::milliseconds timeLimit{0};

    bool ok() const { return problem == FetchProblem::None; }
    bool timedOut() const { return timeLimit.count() > 0; }
};

// One line of technical detail for logs and diagnostics, never shown as a message: the
// library's error code and text, or the status and TMDb's message, or the problem's name.
std::string failureDetail(const FetchResult& result);

// A time limit in seconds as the messages give it: "30", or "1.5" for a limit that is no
// whole number of seconds.
std::string timeLimitText(std::chrono::milliseconds limit);

} // namespace ravello::tmdb
