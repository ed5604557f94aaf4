// Scripted answers for the save dialog and message boxes, and a record of
// what they were shown with: tests queue the user's answers instead of
// running a modal loop. A dialog with a queued answer takes it and is not
// shown; one without is shown for the user to answer. Used on the GUI thread.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/window_system.h"

namespace quotexa {

struct RecordedMessageBox {
    std::string text;
    std::string title;

    friend bool operator==(const RecordedMessageBox&, const RecordedMessageBox&) = default;
};

class DialogScript {
public:
    // The answer of the next save dialog: a path, or nullopt for a cancel.
    void QueueSaveDialogAnswer(std::optional<std::string> path);
    // The OK of the next message box.
    void QueueMessageBoxAnswer();
    int QueuedMessageBoxAnswers() const { return queuedMessageBoxAnswers_; }

    // Every message box shown, oldest first, scripted or not.
    const std::vector<RecordedMessageBox>& MessageBoxes() const { return messageBoxes_; }
    // The settings of the last save dialog shown, scripted or not.
    const std::optional<SaveDialogSettings>& LastSaveDialogSettings() const {
        return lastSaveDialog_;
    }

    // For the window system: records a dialog and hands out its queued
    // answer, if there is one.
    std::optional<std::optional<std::string>> TakeSaveDialogAnswer(
        const SaveDialogSettings& settings);
    bool TakeMessageBoxAnswer(std::string_view text, std::string_view title);

private:
    std::deque<std::optional<std::string>> saveDialogAnswers_;
    int queuedMessageBoxAnswers_ = 0;
    std::vector<RecordedMessageBox> messageBoxes_;
    std::optional<SaveDialogSettings> lastSaveDialog_;
};

}  // namespace quotexa
