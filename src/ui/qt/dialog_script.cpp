#include "ui/qt/dialog_script.h"

namespace quotexa {

void DialogScript::QueueSaveDialogAnswer(std::optional<std::string> path) {
    saveDialogAnswers_.push_back(std::move(path));
}

void DialogScript::QueueMessageBoxAnswer() {
    ++queuedMessageBoxAnswers_;
}

std::optional<std::optional<std::string>> DialogScript::TakeSaveDialogAnswer(
    const SaveDialogSettings& settings) {
    lastSaveDialog_ = settings;
    if (saveDialogAnswers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(saveDialogAnswers_.front());
    saveDialogAnswers_.pop_front();
    return std::optional<std::optional<std::string>>(std::in_place, std::move(answer));
}

bool DialogScript::TakeMessageBoxAnswer(std::string_view text, std::string_view title) {
    messageBoxes_.push_back({std::string(text), std::string(title)});
    if (queuedMessageBoxAnswers_ == 0) return false;
    --queuedMessageBoxAnswers_;
    return true;
}

}  // namespace quotexa
