#include "platform/http_read_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/http_test_server.h"

namespace quotexa {
namespace {

using test_support::HttpTestServer;
using test_support::NeverConnectingPort;
using test_support::RefusingPort;

// Short bounds for the tests that wait on a silent server.
HttpFetchLimits ShortLimits() {
    return HttpFetchLimits{.connectTimeout = std::chrono::milliseconds(1000),
                           .totalTimeout = std::chrono::milliseconds(1000),
                           .maxBodyBytes = 32 * 1024 * 1024};
}

class HttpReadFileTest : public ::testing::Test {
protected:
    HttpTestServer server;
};

TEST_F(HttpReadFileTest, SendsAPlainHttp10GetThatBypassesCaches) {
    server.AddFile("tp/p4-2.4g.jpg", "picture bytes");

    EXPECT_EQ(HttpReadFile(PictureAddress(server.HostAndPort(), "p4-2.4g.jpg")), "picture bytes");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto& request = requests[0];
    EXPECT_EQ(request.requestLine, "GET /tp/p4-2.4g.jpg HTTP/1.0");
    EXPECT_EQ(request.HeaderNames(),
              (std::vector<std::string>{"Host", "User-Agent", "Accept", "Pragma", "Cache-Control"}))
        << request.head;
    EXPECT_EQ(request.Header("Host"), server.HostAndPort());
    EXPECT_EQ(request.Header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(request.Header("Accept"), "*/*");
    EXPECT_EQ(request.Header("Pragma"), "no-cache");
    EXPECT_EQ(request.Header("Cache-Control"), "no-cache");
}

TEST_F(HttpReadFileTest, ReturnsBinaryBodiesWhole) {
    // Every byte value, NULs included, and more than one read's worth.
    const std::string picture = HttpTestServer::PatternBytes(300'000);
    server.AddFile("tp/big.bmp", picture);

    EXPECT_EQ(HttpReadFile(server.Url("/tp/big.bmp")), picture);
}

TEST_F(HttpReadFileTest, PictureNamesAreAppendedUnescaped) {
    // The name is appended as the catalogue holds it; on the wire spaces and
    // bytes beyond ASCII travel as %xx, which the server decodes back, while a
    // "%" already in the name is left alone.
    server.AddFile("tp/ASUS P5Q+.jpg", "name with a space");
    server.AddFile("tp/华硕.jpg", "chinese name");
    server.AddFile("tp/a%2Bb.jpg", "percent name");

    EXPECT_EQ(PictureAddress("127.0.0.1:8080", "a.jpg"), "http://127.0.0.1:8080/tp/a.jpg");
    EXPECT_EQ(PictureAddress("127.0.0.1:8080", ""), "http://127.0.0.1:8080/tp/");

    EXPECT_EQ(HttpReadFile(PictureAddress(server.HostAndPort(), "华硕.jpg")), "chinese name");
    // "%2B" is not decoded on our side: the server sees it and decodes it to "+",
    // a file that does not exist.
    EXPECT_EQ(HttpReadFile(PictureAddress(server.HostAndPort(), "a%2Bb.jpg")),
              "Not Found: /tp/a+b.jpg\n");

    EXPECT_EQ(HttpReadFile(PictureAddress(server.HostAndPort(), "ASUS P5Q+.jpg")),
              "name with a space");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].requestLine, "GET /tp/a%2Bb.jpg HTTP/1.0");
    EXPECT_EQ(requests[2].requestLine, "GET /tp/ASUS%20P5Q+.jpg HTTP/1.0");
}

TEST_F(HttpReadFileTest, FollowsUpToTenRedirects) {
    server.AddFile("tp/moved.jpg", "the moved picture");

    EXPECT_EQ(HttpReadFile(server.Url("/__redirect/1/tp/moved.jpg")), "the moved picture");
    EXPECT_EQ(HttpReadFile(server.Url("/__redirect/10/tp/moved.jpg")), "the moved picture");

    // Each hop is a request of its own, sent like the first.
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u + 11u);
    EXPECT_EQ(requests[1].requestLine, "GET /tp/moved.jpg HTTP/1.0");
    EXPECT_EQ(requests.back().requestLine, "GET /tp/moved.jpg HTTP/1.0");
    EXPECT_EQ(requests.back().Header("User-Agent"),
              "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(requests.back().Header("Pragma"), "no-cache");

    // An eleventh redirect is not followed.
    server.ClearRequests();
    EXPECT_NE(HttpReadFile(server.Url("/__redirect/11/tp/moved.jpg")), "the moved picture");
    EXPECT_EQ(server.Requests().size(), 11u);
}

TEST_F(HttpReadFileTest, ReturnsTheBodyOfAnErrorAnswer) {
    server.AddFile("tp/present.jpg", "present");
    struct Case {
        const char* path;
        const char* body;
    };
    for (const Case& c :
         {Case{"/tp/missing.jpg", "Not Found: /tp/missing.jpg\n"},
          Case{"/tp/", "Forbidden: /tp/\n"}, Case{"/__status/500", "Status 500\n"}}) {
        EXPECT_EQ(HttpReadFile(server.Url(c.path)), c.body) << c.path;
    }
}

TEST_F(HttpReadFileTest, ABodyCutShortGivesTheBytesReceived) {
    EXPECT_EQ(HttpReadFile(server.Url("/__cut/100000/3000")), HttpTestServer::PatternBytes(3000));
    EXPECT_EQ(HttpReadFile(server.Url("/__cut/10/0")), "");
}

TEST_F(HttpReadFileTest, TheBodyIsCappedAtTheSizeLimit) {
    HttpFetchLimits limits;
    limits.maxBodyBytes = 4096;
    for (std::size_t size : {0u, 4095u, 4096u, 4097u, 100'000u}) {
        const std::string path = "/__bytes/" + std::to_string(size);
        EXPECT_EQ(HttpReadFile(server.Url(path), limits),
                  HttpTestServer::PatternBytes(std::min<std::size_t>(size, 4096)))
            << path;
    }
}

TEST_F(HttpReadFileTest, TheOneArgumentFetchKeepsAtMost32MiB) {
    constexpr std::size_t kLimit = 32 * 1024 * 1024;
    const std::string body = HttpReadFile(server.Url("/__bytes/" + std::to_string(kLimit + 5000)));
    EXPECT_EQ(body.size(), kLimit);
    EXPECT_TRUE(body == HttpTestServer::PatternBytes(kLimit))
        << "the kept bytes are the first ones";
}

TEST_F(HttpReadFileTest, AStalledServerGivesTheBytesSoFarOnceTheTimeOutPasses) {
    struct Case {
        const char* path;
        std::size_t bytesBeforeStall;
    };
    for (const Case& c : {Case{"/__stall", 0}, Case{"/__stall/700", 700}}) {
        const auto start = std::chrono::steady_clock::now();
        const std::string body = HttpReadFile(server.Url(c.path), ShortLimits());
        const auto elapsed = std::chrono::steady_clock::now() - start;

        EXPECT_EQ(body, HttpTestServer::PatternBytes(c.bytesBeforeStall)) << c.path;
        EXPECT_LT(elapsed, std::chrono::seconds(10)) << c.path;
    }
}

TEST(HttpReadFileConnectTest, AConnectionThatNeverCompletesGivesUpAtTheConnectTimeOut) {
    // Only the connect time-out is short: the whole-fetch one would not end it.
    NeverConnectingPort port;
    HttpFetchLimits limits = ShortLimits();
    limits.totalTimeout = std::chrono::minutes(2);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(HttpReadFile(port.Url("/tp/a.jpg"), limits), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(HttpReadFileConnectTest, NoConnectionOrNoAddressGivesNoBytes) {
    RefusingPort refusing;
    const std::string withNul = refusing.Url("/tp/a.jpg") + std::string(1, '\0') + "x";
    for (const std::string& url :
         {refusing.Url("/tp/a.jpg"), std::string(), std::string("tp/a b"), std::string("http://"),
          std::string("http://[::1/tp/a.jpg"), std::string("http://127.0.0.1:99999/tp/a.jpg"),
          std::string("gopher://127.0.0.1/tp/a.jpg"), withNul}) {
        EXPECT_EQ(HttpReadFile(url), "") << url;
    }
}

// Sets the proxy variables libcurl reads for the length of a test.
class ProxyEnvironment {
public:
    explicit ProxyEnvironment(const std::string& proxy) {
        for (const char* name : kNames) {
            const char* old = std::getenv(name);
            saved_.emplace_back(old ? std::optional<std::string>(old) : std::nullopt);
            setenv(name, proxy.c_str(), 1);
        }
    }
    ~ProxyEnvironment() {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (saved_[i])
                setenv(kNames[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }

private:
    static constexpr const char* kNames[] = {"http_proxy",  "HTTP_PROXY", "https_proxy",
                                             "HTTPS_PROXY", "all_proxy",  "ALL_PROXY"};
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(HttpReadFileTest, ProxyVariablesAreIgnored) {
    RefusingPort deadProxy;
    ProxyEnvironment proxy(deadProxy.Url(""));
    server.AddFile("tp/direct.jpg", "fetched directly");

    EXPECT_EQ(HttpReadFile(server.Url("/tp/direct.jpg")), "fetched directly");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    // A request through a proxy would carry the whole address.
    EXPECT_EQ(requests[0].requestLine, "GET /tp/direct.jpg HTTP/1.0");
}

TEST_F(HttpReadFileTest, FetchesFromSeveralThreadsAtOnce) {
    constexpr int kThreads = 4;
    for (int i = 0; i < kThreads; ++i) {
        server.AddFile("tp/" + std::to_string(i) + ".jpg", "picture " + std::to_string(i));
    }
    std::vector<std::string> results(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back(
            [&, i] { results[i] = HttpReadFile(server.Url("/tp/" + std::to_string(i) + ".jpg")); });
    }
    for (std::thread& thread : threads) thread.join();
    for (int i = 0; i < kThreads; ++i) EXPECT_EQ(results[i], "picture " + std::to_string(i));
}

}  // namespace
}  // namespace quotexa
