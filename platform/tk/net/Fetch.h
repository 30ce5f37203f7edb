#pragma once

#include "platform/tk/base/Clock.h"

#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>

// Fetching a document over the network, behind an interface that tests replace.
//
//   - Fetcher::fetch(request, stop)  [any, blocking]  one GET; meant for a worker thread
//   - CurlFetcher                    the real one (libcurl), CurlFetcher.h
//   - BackgroundFetch                runs a fetch on a worker thread and hands the result to the main
//                                    queue, BackgroundFetch.h
//
// A fetch succeeds only with a complete body and a 2xx status. Everything else (no such host, refused,
// timed out, cancelled, a non-2xx status, a body over the size cap, too many redirects) is a
// FetchError; nothing is printed.

namespace tk {

struct FetchRequest {
    std::string url;
    // The body may have at most this many bytes (after any content decoding); more is an error.
    std::size_t maximumBytes = std::size_t{1} << 20;
    // The whole transfer, connecting included, must end within this.
    Clock::Duration timeout = seconds(15.0);
    // Redirects followed before giving up.
    int maximumRedirects = 5;
};

struct FetchError {
    enum class Kind {
        invalidRequest, // the URL or the request cannot be used
        transport,      // resolving, connecting, TLS, reading, timing out, too many redirects
        httpStatus,     // the server answered with a status outside 200...299
        tooLarge,       // the body is over the request's maximumBytes
        cancelled,      // the stop token asked for it
    };
    Kind kind = Kind::transport;
    long status = 0;     // the HTTP status, when there was one
    std::string message; // for a log or a test; never shown to the user as is
};

struct FetchResult {
    std::string body;                // the complete body; empty on error
    long status = 0;                 // the final HTTP status (0 when none arrived)
    std::optional<FetchError> error; // empty on success

    bool ok() const { return !error.has_value(); }

    static FetchResult success(std::string body, long status) {
        return {std::move(body), status, std::nullopt};
    }
    static FetchResult failure(FetchError::Kind kind, std::string message, long status = 0) {
        return {{}, status, FetchError{kind, status, std::move(message)}};
    }
};

class Fetcher {
public:
    virtual ~Fetcher() = default;
    // [any] Fetches `request.url` and returns when done, failed or stopped (`stop` requested: the
    // fetch ends promptly with a `cancelled` error). May be called from several threads at once.
    virtual FetchResult fetch(const FetchRequest& request, std::stop_token stop) = 0;
};

} // namespace tk
