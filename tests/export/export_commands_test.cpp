// The copy and save commands on the headless window system: what reaches the
// clipboard, the file's GBK bytes, and the messages the user sees.
#include "export/export_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/gbk.h"
#include "support/file_bytes.h"
#include "support/main_window_harness.h"

namespace quotexa {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    return test_support::ReadFileBytes(path);
}

class ExportCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("quotexa-export-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        windows().SetText(MainControl("主板型号"), "华硕 PRIME B760M-A D4");
        windows().SetText(MainControl("主板价格"), "899");
        windows().SetText(MainControl("主板价格1"), "950");
        windows().SetText(MainControl("主板保修"), "三年");
        // A character GBK has no code for.
        windows().SetText(MainControl("音箱型号"), "Edifier 🎵 R101V");
        windows().SetText(MainControl("合计"), "899");
        windows().SetText(MainControl("合计1"), "950");
    }
    void TearDown() override { fs::remove_all(folder_); }

    HeadlessWindowSystem& windows() { return harness_.windows(); }
    HeadlessDriver& driver() { return harness_.driver(); }
    std::string ExpectedFileBytes(PriceColumn column) {
        return Utf8ToGbk(BuildFileList(windows(), column, harness_.program().vendor));
    }

    MainWindowHarness harness_;
    fs::path folder_;
};

TEST_F(ExportCommandsTest, CopyPutsTheClipboardFormThereAndSaysSo) {
    for (auto [button, column] : {std::pair{main_window::kCopyChannelButton, PriceColumn::Channel},
                                  std::pair{main_window::kCopyRetailButton, PriceColumn::Retail}}) {
        driver().Click(MainControl(button));
        EXPECT_EQ(driver().Clipboard(), BuildClipboardList(windows(), column)) << button;
    }
    EXPECT_TRUE(driver().Clipboard().starts_with("主  板：1X 950\t华硕 PRIME B760M-A D4\r\n"));
    const auto shown = driver().MessageBoxes();
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& box : shown) {
        EXPECT_EQ(box.text, "复制成功，可将清单粘贴到记事本。");
        EXPECT_EQ(box.title, "复制成功");
    }
}

TEST_F(ExportCommandsTest, SaveWritesTheFileFormAsGbkAndReplacesAnEarlierFile) {
    const fs::path file = folder_ / "电脑配置单.txt";
    driver().QueueSaveDialogAnswer(file.string());
    driver().Click(MainControl(main_window::kSaveChannelButton));
    const std::string channelBytes = ReadFile(file);
    EXPECT_EQ(channelBytes, ExpectedFileBytes(PriceColumn::Channel));
    // GBK, not UTF-8: 主 is D6 F7; the note symbol became "?".
    EXPECT_EQ(channelBytes.substr(0, 5), "1*899");
    EXPECT_NE(channelBytes.find("\xD6\xF7  \xB0\xE5\xA3\xBA"), std::string::npos);
    EXPECT_NE(channelBytes.find("Edifier ? R101V"), std::string::npos);
    EXPECT_TRUE(channelBytes.ends_with(std::string(60, '-')));

    const std::optional<SaveDialogSettings> dialog = driver().LastSaveDialogSettings();
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->title, "请选择保存位置及路径");
    ASSERT_EQ(dialog->filters.size(), 2u);
    EXPECT_EQ(dialog->filters[0].description, "文本文件(*.txt)");
    EXPECT_EQ(dialog->filters[1].description, "所有文件(*.*)");
    EXPECT_EQ(dialog->defaultExtension, "txt");
    EXPECT_EQ(dialog->proposedName, "电脑配置单");
    EXPECT_TRUE(fs::is_directory(dialog->initialFolder));

    // The retail list to the same path replaces the first file completely.
    driver().QueueSaveDialogAnswer(file.string());
    driver().Click(MainControl(main_window::kSaveRetailButton));
    EXPECT_EQ(ReadFile(file), ExpectedFileBytes(PriceColumn::Retail));
    EXPECT_TRUE(driver().MessageBoxes().empty()) << "a save that works shows nothing";
}

TEST_F(ExportCommandsTest, CancelledDialogWritesAndShowsNothing) {
    driver().QueueSaveDialogAnswer(std::nullopt);
    driver().Click(MainControl(main_window::kSaveChannelButton));
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_TRUE(driver().MessageBoxes().empty());
}

TEST_F(ExportCommandsTest, FailedOpenOrWriteShowsTheFailureMessage) {
    fs::create_directories(folder_ / "a folder.txt");
    const std::vector<std::string> failing = {
        (folder_ / "a folder.txt").string(),       // a folder of that name
        (folder_ / "missing" / "x.txt").string(),  // a folder that does not exist
        "/dev/full",                               // opens, but every write fails
    };
    for (const std::string& path : failing) {
        driver().QueueSaveDialogAnswer(path);
        driver().Click(MainControl(main_window::kSaveRetailButton));
    }
    const auto shown = driver().MessageBoxes();
    ASSERT_EQ(shown.size(), failing.size());
    for (const auto& box : shown) {
        EXPECT_EQ(box.text, "文件保存失败,请检查是否对目标磁盘的写权限!");
        EXPECT_EQ(box.title, "信息：");
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "a folder.txt"));
}

TEST(Utf8ToGbk, ConvertsWhatGbkHoldsAndMarksTheRest) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"abc\r\n", "abc\r\n"},
        {"主板", "\xD6\xF7\xB0\xE5"},
        {"：￥", "\xA3\xBA\xA3\xA4"},
        {"€", "\x80"},
        {"a🎵b", "a?b"},
        {"a\xFF"
         "b",
         "a?b"},              // not UTF-8
        {"x\xE4\xB8", "x?"},  // a character cut off at the end
    };
    for (const auto& [utf8, gbk] : cases) EXPECT_EQ(Utf8ToGbk(utf8), gbk) << utf8;
}

}  // namespace
}  // namespace quotexa
