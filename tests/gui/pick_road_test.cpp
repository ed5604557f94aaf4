// The road of a pick through real widgets, against the run's catalogue and a
// loopback picture server: platform, brand, product, then the quote row, the
// picture, the totals and the notice.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/product_selection.h"
#include "db/catalogue_test_server.h"
#include "gui/qt_main_window.h"
#include "gui/user_input.h"
#include "support/http_test_server.h"
#include "ui/qt/picture_label.h"

namespace quotexa::gui_test {
namespace {

std::string Png(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x20, 0x60, 0xC0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

class PickRoadTest : public test_support::CatalogueServerTest {
protected:
    void SetUp() override {
        CatalogueServerTest::SetUp();
        if (HasFatalFailure()) return;
        web_ = std::make_unique<test_support::HttpTestServer>();
        Vendor vendor = GuiTestVendor();
        vendor.webHost = web_->HostAndPort();
        main_ = std::make_unique<QtMainWindow>(vendor);
        main_->SetCatalogue(server().host, server().port);
        main_->RunStartUp();
        ASSERT_TRUE(main_->WaitForWorkers()) << "the start-up loaders did not end";
        tabs_ = main_->Get<TabControl>(main_window::kTabControl);
    }

    void TearDown() override {
        main_.reset();
        web_.reset();
    }

    // The user clicks the item with this text in column 0, then the test
    // waits for the worker the pick started.
    void Pick(std::string_view list, std::string_view text) {
        ListView* view = main_->Get<ListView>(list);
        ASSERT_NE(view, nullptr) << list;
        int item = 0;
        while (item < view->ItemCount() && view->GetItemText(item, 0) != text) ++item;
        ASSERT_LT(item, view->ItemCount()) << text << " is not in " << list;
        ASSERT_TRUE(view->isVisible()) << list << " is not on show";
        ClickItem(view, item);
        ASSERT_TRUE(main_->WaitForWorkers());
    }

    void ShowPage(int page) {
        ClickTab(tabs_, page);
        ASSERT_EQ(tabs_->currentIndex(), page);
    }

    std::string Text(std::string_view control) {
        return main_->windows().GetText(MainControl(control));
    }
    QtMainWindow& main() { return *main_; }
    test_support::HttpTestServer& web() { return *web_; }

    TabControl* tabs_ = nullptr;

private:
    std::unique_ptr<test_support::HttpTestServer> web_;
    std::unique_ptr<QtMainWindow> main_;
};

TEST_F(PickRoadTest, PlatformBrandAndProductFillTheRowPictureTotalsAndNotice) {
    web().AddFile("tp/zb_0001.jpg", Png({300, 200}));  // the name is no promise of the format
    web().AddFile("tp/cpu_0002.jpg", Png({64, 64}));

    // Only the platform page can be chosen at first.
    ClickTab(tabs_, 1);
    EXPECT_EQ(tabs_->currentIndex(), 0) << "the motherboard page was unlocked too early";
    Pick(main_window::kPlatformList, "Intel LGA1700");
    EXPECT_EQ(Text(main_window::kPlatformDescriptionBox),
              "英特尔第12至14代酷睿处理器，支持DDR4/DDR5内存");

    ShowPage(1);
    Pick("主板品牌列表框", "华硕");
    Pick("主板列表框", "899.00");
    EXPECT_EQ(Text("主板价格"), "899.00");
    EXPECT_EQ(Text("主板型号"), "PRIME B760M-A D4");
    EXPECT_EQ(Text("主板保修"), "三年");
    const QPixmap& board = main().Get<PictureLabel>("标签1")->Picture();
    EXPECT_FALSE(board.isNull());
    EXPECT_EQ(board.size(), QSize(300, 200));
    EXPECT_EQ(Text("合计"), "899");
    EXPECT_EQ(Text("金额大写"), "捌佰玖拾玖元整");
    EXPECT_EQ(Text("主板标签1"), kBoardIntegratedGraphicsNotice);

    ShowPage(2);
    Pick("cpu列表框", "1299.00");
    EXPECT_EQ(Text("cpu型号"), "酷睿 i5-13400 盒装");
    EXPECT_FALSE(main().Get<PictureLabel>("标签2")->Picture().isNull());
    EXPECT_EQ(Text("CPU标签"), kCpuIntegratedGraphicsNotice);
    EXPECT_EQ(Text("合计"), "2198");

    // The user types a quantity and retail prices; the totals follow.
    TypeOver(main().Get<QWidget>("cpu数量"), "2");
    TypeOver(main().Get<QWidget>("主板价格1"), "950");
    TypeOver(main().Get<QWidget>("cpu价格1"), "1400");
    EXPECT_EQ(Text("合计"), "3497");
    EXPECT_EQ(Text("合计1"), "3750");
    EXPECT_EQ(Text("利润"), "253");

    // A double click on the model empties the row and recomputes.
    DoubleClick(main().Get<QWidget>("主板型号"));
    EXPECT_EQ(Text("主板型号"), "");
    EXPECT_EQ(Text("主板价格"), "");
    EXPECT_EQ(Text("合计"), "2598");
}

TEST_F(PickRoadTest, PictureThatIsNoImageShowsNothing) {
    web().AddFile("tp/nc_0001.jpg", "\x89PNG but not a picture");
    ShowPage(5);
    Pick("内存品牌列表框", "金士顿");
    Pick("内存列表框", "399.00");
    EXPECT_EQ(Text("内存型号"), "FURY Beast DDR5 6000 16G");
    EXPECT_TRUE(main().Get<PictureLabel>("标签5")->Picture().isNull());
    EXPECT_EQ(Text("合计"), "399");
}

}  // namespace
}  // namespace quotexa::gui_test
