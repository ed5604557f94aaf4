// The copy and save buttons through real widgets: the clipboard, the GBK
// file, the save dialog and the messages.
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "export/export_commands.h"
#include "gui/qt_main_window.h"
#include "gui/user_input.h"
#include "platform/output_file.h"
#include "support/file_bytes.h"

namespace quotexa::gui_test {
namespace {

namespace fs = std::filesystem;

// The expected text's GBK bytes as iconv makes them; every character of
// these texts exists in GBK.
std::string IconvToGbk(const std::string& utf8) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string in = utf8;
    std::string out(utf8.size() * 2 + 16, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    EXPECT_NE(converted, static_cast<std::size_t>(-1)) << "errno " << errno;
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::string> FileBytes(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    return test_support::ReadFileBytes(path);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string kFooter =
    "---------------------------------\r\n"
    "Marrowind\r\n"
    "电话:020-38881234\r\n"
    "传真:020-38881235\r\n"
    "http://127.0.0.1:9\r\n"
    "地址:广州市天河区科韵路88号\r\n"
    "------------------------------------------------------------";

// The file form of the quote the fixture enters, for one column.
std::string ExpectedFile(const std::string& price, const std::string& total) {
    return "2*" + price +
           "\t三年\t主  板：ABC-1\r\n"
           "1*\t\tC P U ：\r\n"
           "1*\t\t硬  盘：\r\n"
           "1*\t\t内  存：\r\n"
           "1*\t\t显  卡：\r\n"
           "1*\t\t光  驱：\r\n"
           "1*\t\t机  箱：\r\n"
           "1*\t\t电  源：\r\n"
           "1*\t\t显示器：\r\n"
           "1*\t\t键  鼠：\r\n"
           "1*\t\t音  箱：\r\n"
           "1*\t\t散热器：C-3\r\n"
           "---------------------------------\r\n"
           "以上价格合计：￥" +
           total + "该报价不含税\r\n" + kFooter;
}

class ExportTest : public ::testing::Test {
protected:
    ExportTest() {
        char pattern[] = "/tmp/quotexa-gui-export-XXXXXX";
        folder_ = mkdtemp(pattern);
        // A motherboard and a cooler as a pick leaves them; quantity and
        // retail price typed by the user, which recomputes the totals.
        windows.SetText(MainControl("主板价格"), "599");
        windows.SetText(MainControl("主板型号"), "ABC-1");
        windows.SetText(MainControl("主板保修"), "三年");
        windows.SetText(MainControl("散热器型号"), "C-3");
        TypeOver(main.Get<QWidget>("主板数量"), "2");
        TypeOver(main.Get<QWidget>("主板价格1"), "650");
    }
    ~ExportTest() override { fs::remove_all(folder_); }

    void Press(const char* button) { Click(main.Get<QWidget>(button)); }
    const std::vector<RecordedMessageBox>& Messages() { return windows.Dialogs().MessageBoxes(); }
    fs::path Path(const std::string& name) const { return folder_ / name; }

    QtMainWindow main;
    QtWindowSystem& windows = main.windows();

private:
    fs::path folder_;
};

TEST_F(ExportTest, CopyPutsExactlyTheClipboardFormThereAndSaysSo) {
    ASSERT_EQ(windows.GetText(MainControl("合计")), "1198");
    windows.Dialogs().QueueMessageBoxAnswer();
    Press("复制渠道价");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "主  板：2X 599\tABC-1\r\n"
              "C P U ：1X \t\r\n"
              "硬  盘：1X \t\r\n"
              "内  存：1X \t\r\n"
              "显  卡：1X \t\r\n"
              "光  驱：1X \t\r\n"
              "机  箱：1X \t\r\n"
              "电  源：1X \t\r\n"
              "显示器：1X \t\r\n"
              "键  鼠：1X \t\r\n"
              "散热器：1X \tC-3\r\n"
              "音  箱：1X \t\r\n"
              "以上清单总价：1198");
    EXPECT_EQ(Messages(),
              (std::vector<RecordedMessageBox>{{"复制成功，可将清单粘贴到记事本。", "复制成功"}}));

    windows.Dialogs().QueueMessageBoxAnswer();
    Press("复制零售价");
    const std::string retail = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_TRUE(retail.starts_with("主  板：2X 650\tABC-1\r\nC P U ：1X \t\r\n")) << retail;
    EXPECT_TRUE(retail.ends_with("\r\n以上清单总价：1300")) << retail;
    EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(ExportTest, CopyMessageIsARealMessageBoxWithOneOkButton) {
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "复制成功");
        EXPECT_EQ(box->text(), "复制成功，可将清单粘贴到记事本。");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        checked = true;
        box->button(QMessageBox::Ok)->click();
    });
    Press("复制渠道价");
    EXPECT_TRUE(checked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ExportTest, SaveWritesTheGbkBytesOfTheFileFormAndASecondSaveReplacesTheFirst) {
    const fs::path path = Path("电脑配置单.txt");
    WriteFile(path, std::string(5000, 'x'));  // longer than what replaces it
    windows.Dialogs().QueueSaveDialogAnswer(path.string());
    Press("保存零售价");
    EXPECT_EQ(FileBytes(path), IconvToGbk(ExpectedFile("650", "1300")));

    windows.Dialogs().QueueSaveDialogAnswer(path.string());
    Press("保存渠道价");
    EXPECT_EQ(FileBytes(path), IconvToGbk(ExpectedFile("599", "1198")));
    EXPECT_TRUE(Messages().empty());

    const std::optional<SaveDialogSettings> shown = windows.Dialogs().LastSaveDialogSettings();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, "请选择保存位置及路径");
    ASSERT_EQ(shown->filters.size(), 2u);
    EXPECT_EQ(shown->filters[0].description, "文本文件(*.txt)");
    EXPECT_EQ(shown->defaultExtension, "txt");
    EXPECT_EQ(shown->initialFolder, SaveDialogInitialFolder());
    EXPECT_EQ(shown->proposedName, "电脑配置单");
}

TEST_F(ExportTest, CancelWritesNothingAndSaysNothing) {
    windows.Dialogs().QueueSaveDialogAnswer(std::nullopt);
    Press("保存渠道价");
    EXPECT_TRUE(fs::is_empty(Path("")));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ExportTest, SaveThatCannotOpenOrWriteShowsTheFailureAndLeavesFilesAlone) {
    // Root is not stopped by permission bits: these fail for anyone.
    const fs::path existing = Path("报价.txt");
    WriteFile(existing, "已有的内容");
    fs::create_directory(Path("文件夹.txt"));
    const std::vector<std::pair<const char*, std::string>> failing = {
        {"a folder of that name", Path("文件夹.txt").string()},
        {"a missing folder", Path("没有/电脑配置单.txt").string()},
        {"an existing file taken for a folder", (existing / "电脑配置单.txt").string()},
        {"a disk that is full", "/dev/full"},
    };
    std::vector<RecordedMessageBox> expected;
    for (const auto& [what, path] : failing) {
        SCOPED_TRACE(what);
        windows.Dialogs().QueueSaveDialogAnswer(path);
        windows.Dialogs().QueueMessageBoxAnswer();
        Press("保存渠道价");
        expected.push_back({"文件保存失败,请检查是否对目标磁盘的写权限!", "信息："});
        EXPECT_EQ(Messages(), expected);
    }
    EXPECT_EQ(FileBytes(existing), "已有的内容");
    EXPECT_TRUE(fs::is_directory(Path("文件夹.txt")));
    EXPECT_TRUE(fs::is_empty(Path("文件夹.txt")));
}

// The real dialog, answered as a user would: the proposed name confirmed in
// a folder of the test's; the second time the dialog asks before replacing.
TEST_F(ExportTest, RealSaveDialogProposesTheNameAndConfirmsReplacing) {
    int replaceQuestions = 0;
    const auto answerDialog = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "请选择保存位置及路径");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"文本文件(*.txt)", "所有文件(*.*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), "文本文件(*.txt)");
        EXPECT_EQ(dialog->defaultSuffix(), "txt");
        EXPECT_EQ(dialog->directory().absolutePath(),
                  QDir(QString::fromStdString(SaveDialogInitialFolder())).absolutePath());
        EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).completeBaseName(), "电脑配置单");
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        // Should the dialog ask about replacing, the user says yes.
        QTimer::singleShot(0, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (question == nullptr) return;
            ++replaceQuestions;
            question->button(QMessageBox::Yes)->click();
        });
        dialog->setDirectory(QString::fromStdString(Path("").string()));
        dialog->selectFile("电脑配置单");
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's Save button does
    };
    const fs::path chosen = Path("电脑配置单.txt");

    QTimer::singleShot(0, answerDialog);
    Press("保存零售价");
    EXPECT_EQ(FileBytes(chosen), IconvToGbk(ExpectedFile("650", "1300")));
    EXPECT_EQ(replaceQuestions, 0);

    QTimer::singleShot(0, answerDialog);
    Press("保存渠道价");
    EXPECT_EQ(FileBytes(chosen), IconvToGbk(ExpectedFile("599", "1198")));
    EXPECT_EQ(replaceQuestions, 1);
    EXPECT_TRUE(Messages().empty());
}

// A folder that does not exist is refused by the dialog itself: it says so
// and stays open; cancelling it then writes nothing.
TEST_F(ExportTest, RealSaveDialogRefusesAFolderThatDoesNotExist) {
    QString refusal;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTimer::singleShot(0, [&] {
            auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (warning == nullptr) return;
            refusal = warning->text();
            warning->button(QMessageBox::Ok)->click();
        });
        dialog->setDirectory(QString::fromStdString(Path("").string()));
        dialog->selectFile("没有/电脑配置单");
        static_cast<QDialog*>(dialog)->accept();
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    Press("保存渠道价");
    EXPECT_TRUE(refusal.contains("路径不存在")) << refusal.toStdString();
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(fs::is_empty(Path("")));
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace quotexa::gui_test
