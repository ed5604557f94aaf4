// Start-up: the Created handler of MainWindow and the eleven loaders it
// starts, against real catalogue servers.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "catalogue/browsing_fixture.h"
#include "catalogue/startup_loaders.h"
#include "support/private_catalogue_server.h"

namespace quotexa::test_support {
namespace {

using main_window::kPlatformList;

// Polls until the condition holds or the time-out has passed.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The brand list of each category loaded at start, with its fixture brands
// in paixu order.
const std::vector<std::pair<ComponentCategory, std::vector<std::string>>> kFixtureBrands = {
    {ComponentCategory::GraphicsCard, {"七彩虹", "影驰", "华硕"}},
    {ComponentCategory::HardDisk, {"希捷", "西部数据", "K\\Disk"}},
    {ComponentCategory::Memory, {"金士顿", "威刚", "O'Neil"}},
    {ComponentCategory::OpticalDrive, {"先锋", "华硕"}},
    {ComponentCategory::Case, {"酷冷至尊", "先马"}},
    {ComponentCategory::PowerSupply, {"航嘉", "长城"}},
    {ComponentCategory::Monitor, {"戴尔", "AOC"}},
    {ComponentCategory::KeyboardMouse, {"罗技", "雷柏"}},
    {ComponentCategory::Speakers, {"漫步者", "惠威"}},
    {ComponentCategory::Cooler, {"利民", "九州风神"}},
};

using StartUpTest = BrowsingTest;

TEST_F(StartUpTest, FillsThePlatformAndBrandListsAndShowsTheSettingsTexts) {
    ASSERT_EQ(windows().GetText(WindowRef(WindowId::MainWindow)), "") << "caption before start-up";
    StartUp();

    const std::string statusText = Text(main_window::kStatusTextBox);
    const std::string title = Text(main_window::kProgramTitleBox);
    EXPECT_EQ(title, "Quotexa V2.1大众版 [Marrowind]");
    EXPECT_EQ(driver().StatusText(MainControl(main_window::kStatusBar), 0), statusText);
    EXPECT_EQ(windows().GetText(WindowRef(WindowId::MainWindow)), title);
    EXPECT_EQ(program().texts.statusBarText, statusText);
    EXPECT_EQ(program().texts.programTitle, title);
    EXPECT_EQ(program().texts.infoPageAddress, "");

    // Platforms in sort order with their hidden description; NULL and empty
    // descriptions both read as the empty text.
    EXPECT_EQ(Items(kPlatformList, 2),
              (std::vector<std::vector<std::string>>{
                  {"Intel LGA1700", "英特尔第12至14代酷睿处理器，支持DDR4/DDR5内存"},
                  {"AMD AM5", "AMD锐龙7000/9000系列处理器，仅支持DDR5内存"},
                  {"AMD AM4", ""},
                  {"Intel LGA1200", ""},
                  {"双平台", "重名平台之一"},
                  {"双平台", "重名平台之二"},
                  {"无产品平台", "这个平台没有任何产品"}}));
    for (const auto& [category, brands] : kFixtureBrands) {
        EXPECT_EQ(Column0(Info(category).brandList), brands) << Info(category).pageTitle;
        EXPECT_TRUE(PageEnabled(Info(category).pageIndex)) << Info(category).pageTitle;
    }
    // The motherboard and CPU pages wait for a platform; nothing else loaded.
    EXPECT_FALSE(PageEnabled(1));
    EXPECT_FALSE(PageEnabled(2));
    EXPECT_EQ(windows().GetItemCount(MainControl("主板品牌列表框")), 0);
    EXPECT_EQ(windows().GetItemCount(MainControl("cpu列表框")), 0);
}

TEST(RetryPause, StartsAtAQuarterSecondAndDoublesUpToTwoSeconds) {
    const std::vector<long> expected = {250, 500, 1000, 2000, 2000, 2000};
    for (std::size_t pass = 0; pass < expected.size(); ++pass) {
        EXPECT_EQ(RetryPause(static_cast<int>(pass + 1)).count(), expected[pass]) << pass + 1;
    }
}

TEST(StartupLoaderOrder, PlatformsFirstThenTheBrandListsInTabPageOrder) {
    std::vector<int> pages;
    for (const StartupLoader& loader : StartupLoaderOrder()) {
        pages.push_back(loader.category ? Info(*loader.category).pageIndex : 0);
    }
    EXPECT_EQ(pages, (std::vector<int>{0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

// A catalogue without cooler brands: only page 12 stays disabled, and its
// loader keeps asking until a brand appears.
TEST_F(StartUpTest, ALoaderWhoseListStaysEmptyKeepsTryingWhileTheOthersFill) {
    PrivateCatalogueServer catalogue({"catalogue.sql", "no_cooler_brands.sql"});
    ASSERT_NE(catalogue.Port(), 0);
    PointAtPort(catalogue.Port());
    BeginStartUp();
    const CategoryInfo& cooler = Info(ComponentCategory::Cooler);
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (const auto& [category, brands] : kFixtureBrands) {
                if (category != ComponentCategory::Cooler && !PageEnabled(Info(category).pageIndex))
                    return false;
            }
            return windows().GetItemCount(MainControl(kPlatformList)) == 7;
        },
        30s));
    EXPECT_FALSE(PageEnabled(cooler.pageIndex));
    EXPECT_EQ(windows().GetItemCount(MainControl(cooler.brandList)), 0);
    EXPECT_FALSE(driver().WaitForWorkers(0ms)) << "the cooler loader gave up";

    ASSERT_TRUE(
        catalogue.Load("INSERT INTO zov_brand_b (brand, sort, paixu) VALUES ('利民', 'srq', 1);"));
    ASSERT_TRUE(driver().WaitForWorkers(30s));
    EXPECT_EQ(Column0(cooler.brandList), std::vector<std::string>{"利民"});
    EXPECT_TRUE(PageEnabled(cooler.pageIndex));
}

// Accepts every connection on a loopback port and closes it at once,
// counting them: to the catalogue client, a server that is not there.
class CountingListener {
public:
    CountingListener() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(listener_, 64) == 0 &&
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            port_ = ntohs(address.sin_port);
        }
        thread_ = std::thread([this] {
            for (;;) {
                const int connection = ::accept(listener_, nullptr, nullptr);
                if (connection < 0) return;
                ++accepted_;
                ::close(connection);
            }
        });
    }
    ~CountingListener() { Stop(); }

    int Port() const { return port_; }
    int Accepted() const { return accepted_; }
    // Stops listening; the port then refuses connections until someone else takes it.
    void Stop() {
        if (!thread_.joinable()) return;
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }

private:
    int listener_ = -1;
    int port_ = 0;
    std::atomic<int> accepted_{0};
    std::thread thread_;
};

// Nothing serving the catalogue at start: the loaders pause between passes
// and the pages stay disabled; once a server listens there, every list fills.
TEST_F(StartUpTest, LoadersWaitBetweenFailedPassesAndFillOnceTheServerListens) {
    CountingListener nothingThere;
    ASSERT_NE(nothingThere.Port(), 0);
    PointAtPort(nothingThere.Port());
    const auto started = std::chrono::steady_clock::now();
    BeginStartUp();
    std::this_thread::sleep_for(2s);
    const int attempts = nothingThere.Accepted();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    // With the pauses each loader tries 4 times in its first two seconds; a
    // loader without them would connect hundreds of times.
    EXPECT_GE(attempts, 11);
    EXPECT_LE(attempts, static_cast<int>(11 * (1 + 4 * seconds)))
        << attempts << " connection attempts in " << seconds << " s";
    std::printf("[ figure ] %d connection attempts of 11 loaders in %.2f s\n", attempts, seconds);
    for (int page = 1; page <= 12; ++page) EXPECT_FALSE(PageEnabled(page)) << page;
    EXPECT_EQ(windows().GetItemCount(MainControl(kPlatformList)), 0);

    nothingThere.Stop();
    PrivateCatalogueServer catalogue({"catalogue.sql"}, nothingThere.Port());
    ASSERT_EQ(catalogue.Port(), nothingThere.Port());
    ASSERT_TRUE(driver().WaitForWorkers(30s));
    EXPECT_EQ(windows().GetItemCount(MainControl(kPlatformList)), 7);
    for (const auto& [category, brands] : kFixtureBrands) {
        EXPECT_EQ(Column0(Info(category).brandList), brands) << Info(category).pageTitle;
        EXPECT_TRUE(PageEnabled(Info(category).pageIndex)) << Info(category).pageTitle;
    }
}

}  // namespace
}  // namespace quotexa::test_support
