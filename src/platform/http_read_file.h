// Fetching a file over plain HTTP: the product pictures come from the vendor's
// web server this way. The caller gets the response body as bytes, whatever
// the status code; failures are not reported, they only shorten the result.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace quotexa {

// Bounds on one fetch, so that a dead or misbehaving server can neither hold
// the window-system thread for long nor fill the memory.
struct HttpFetchLimits {
    std::chrono::milliseconds connectTimeout{5000};  // until the connection stands
    std::chrono::milliseconds totalTimeout{15000};   // for the whole fetch, redirects included
    std::size_t maxBodyBytes = 32 * 1024 * 1024;     // longer bodies are cut to this length
};

// GETs `url` (HTTP/1.0, no proxy, no cache, redirects followed) and returns the
// body. An address that does not parse or a connection that cannot be made
// gives the empty string; a transfer that breaks off, times out or exceeds the
// size limit gives the bytes received until then.
std::string HttpReadFile(std::string_view url);
std::string HttpReadFile(std::string_view url, const HttpFetchLimits& limits);

// The address of a product picture in the vendor's picture folder. The name is
// appended as the catalogue holds it, without escaping.
std::string PictureAddress(std::string_view webHost, std::string_view pictureName);

}  // namespace quotexa
