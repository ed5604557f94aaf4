// The browser box: an embedded web view that loads and shows the page at an
// address. Whether the page loads is nobody's concern: a failed load shows
// whatever the engine shows.
#pragma once

#include <QWebEngineView>
#include <string>
#include <string_view>

#include "ui/control_model.h"

namespace quotexa {

class BrowserBox final : public QWebEngineView {
public:
    // Opens the definition's start address, if it has one.
    BrowserBox(const ControlDef& def, QWidget* parent);

    void Navigate(std::string_view address);
    // The address last asked for, whatever the engine made of it.
    const std::string& Address() const { return address_; }

private:
    std::string address_;
};

}  // namespace quotexa
