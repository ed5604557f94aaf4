// Edit boxes: a single-line box, or a multi-line one with an optional
// vertical scroll bar. Typing reports TextChanged; the logic's own SetText
// does not (nothing relies on it either way).
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <string_view>

#include "ui/control_model.h"

namespace quotexa {

class LineEditBox final : public QLineEdit {
public:
    LineEditBox(const ControlDef& def, QWidget* parent);
    void SetTextChangedHandler(std::function<void()> handler);
};

// Its text is read and written with CR LF line ends, as the program's texts
// hold them; it shows them as plain line breaks.
class MultiLineEditBox final : public QPlainTextEdit {
public:
    MultiLineEditBox(const ControlDef& def, QWidget* parent);
    void SetTextChangedHandler(std::function<void()> handler) {
        onTextChanged_ = std::move(handler);
    }
    void SetText(std::string_view text);
    std::string Text() const;

private:
    bool settingText_ = false;
    std::function<void()> onTextChanged_;
};

// Text of either kind of edit box; false when the widget is neither.
bool ReadEditBox(const QWidget& widget, std::string& text);
bool WriteEditBox(QWidget& widget, std::string_view text);

}  // namespace quotexa
