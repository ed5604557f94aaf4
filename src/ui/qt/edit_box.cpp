#include "ui/qt/edit_box.h"

#include "ui/qt/control_style.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

LineEditBox::LineEditBox(const ControlDef& def, QWidget* parent) : QLineEdit(parent) {
    ApplyControlStyle(*this, def);
    setFrame(def.border);
    setAlignment(TextAlignment(def));
    setReadOnly(def.readOnly);
    // Tab walks the tab stops only; every other box still takes a click.
    setFocusPolicy(def.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    setText(ToQString(def.text));
    setCursorPosition(0);
}

void LineEditBox::SetTextChangedHandler(std::function<void()> handler) {
    // textEdited: the user's typing only, not the logic's setText.
    connect(this, &QLineEdit::textEdited, this, [handler = std::move(handler)] { handler(); });
}

MultiLineEditBox::MultiLineEditBox(const ControlDef& def, QWidget* parent)
    : QPlainTextEdit(parent) {
    ApplyControlStyle(*this, def);
    setFrameStyle(def.border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setReadOnly(def.readOnly);
    setVerticalScrollBarPolicy(def.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetText(def.text);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_ && onTextChanged_) onTextChanged_();
    });
}

void MultiLineEditBox::SetText(std::string_view text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    settingText_ = true;
    setPlainText(shown);
    settingText_ = false;
}

std::string MultiLineEditBox::Text() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

bool ReadEditBox(const QWidget& widget, std::string& text) {
    if (const auto* line = dynamic_cast<const QLineEdit*>(&widget)) {
        text = ToUtf8(line->text());
        return true;
    }
    if (const auto* multi = dynamic_cast<const MultiLineEditBox*>(&widget)) {
        text = multi->Text();
        return true;
    }
    return false;
}

bool WriteEditBox(QWidget& widget, std::string_view text) {
    if (auto* line = dynamic_cast<QLineEdit*>(&widget)) {
        line->setText(ToQString(text));
        line->setCursorPosition(0);
        return true;
    }
    if (auto* multi = dynamic_cast<MultiLineEditBox*>(&widget)) {
        multi->SetText(text);
        return true;
    }
    return false;
}

}  // namespace quotexa
