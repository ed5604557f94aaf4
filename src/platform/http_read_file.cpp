#include "platform/http_read_file.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace quotexa {
namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr long kMaxRedirects = 10;

// libcurl's global state is set up on the first fetch and kept until the
// process ends; fetches may come from any thread.
void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct BodySink {
    std::string bytes;
    std::size_t maxBytes = 0;
};

// Keeps what fits under the limit; a short count makes libcurl stop the
// transfer, and what was kept is the result.
std::size_t AppendToBody(char* data, std::size_t size, std::size_t count, void* sinkAddress) {
    auto* sink = static_cast<BodySink*>(sinkAddress);
    const std::size_t received = size * count;
    const std::size_t room = sink->maxBytes - sink->bytes.size();
    const std::size_t kept = std::min(received, room);
    sink->bytes.append(data, kept);
    return kept;
}

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

std::string HttpReadFile(std::string_view url) {
    return HttpReadFile(url, HttpFetchLimits{});
}

std::string HttpReadFile(std::string_view url, const HttpFetchLimits& limits) {
    // libcurl reads the address as a C string: one with a NUL inside cannot be
    // what the caller meant.
    if (url.find('\0') != std::string_view::npos) return {};

    InitialiseCurlOnce();
    std::unique_ptr<CURL, EasyHandleDeleter> handle(curl_easy_init());
    if (!handle) return {};

    // Every cache on the way is bypassed so that a picture is always fetched anew.
    curl_slist* headerLines = nullptr;
    for (const char* line : {"Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"}) {
        curl_slist* extended = curl_slist_append(headerLines, line);
        if (!extended) {
            curl_slist_free_all(headerLines);
            return {};
        }
        headerLines = extended;
    }
    std::unique_ptr<curl_slist, HeaderListDeleter> headers(headerLines);

    // Spaces are allowed in the address and sent as %20, as a browser would:
    // a picture name with a space in it still finds its file.
    std::unique_ptr<CURLU, UrlDeleter> address(curl_url());
    if (!address || curl_url_set(address.get(), CURLUPART_URL, std::string(url).c_str(),
                                 CURLU_ALLOW_SPACE) != CURLUE_OK) {
        return {};
    }
    BodySink body{.bytes = {}, .maxBytes = limits.maxBodyBytes};
    CURL* easy = handle.get();
    curl_easy_setopt(easy, CURLOPT_CURLU, address.get());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    // A direct connection even when http_proxy or ALL_PROXY is set: the empty
    // proxy turns the environment off, the "*" exempts every host.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "*");
    // Worker threads fetch too: libcurl must not use signals for its time-outs.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &AppendToBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);

    // The status code is not looked at, and neither is the transfer's result:
    // whatever reached the sink before an error (a body cut short, a time-out,
    // the size limit) is the answer, and nothing at all when no connection was made.
    static_cast<void>(curl_easy_perform(easy));
    return std::move(body.bytes);
}

std::string PictureAddress(std::string_view webHost, std::string_view pictureName) {
    std::string address = "http://";
    address.append(webHost).append("/tp/").append(pictureName);
    return address;
}

}  // namespace quotexa
