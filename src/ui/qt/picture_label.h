// A label: a caption and, behind it, a picture decoded from image bytes and
// scaled to fit its area with its aspect ratio kept. Bytes that are no image
// leave it without a picture. A left double click is reported.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>
#include <string_view>

#include "ui/control_model.h"

namespace quotexa {

class PictureLabel final : public QLabel {
public:
    PictureLabel(const ControlDef& def, QWidget* parent);

    // Empty bytes, or bytes Qt cannot decode, remove the picture.
    void SetPicture(std::string_view bytes);
    // The decoded picture at its own size; null when there is none.
    const QPixmap& Picture() const { return picture_; }

    void SetDoubleClickHandler(std::function<void()> handler) {
        onDoubleClick_ = std::move(handler);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    std::function<void()> onDoubleClick_;
};

}  // namespace quotexa
