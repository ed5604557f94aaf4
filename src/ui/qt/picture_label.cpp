#include "ui/qt/picture_label.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/control_style.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

PictureLabel::PictureLabel(const ControlDef& def, QWidget* parent) : QLabel(parent) {
    ApplyControlStyle(*this, def);
    // Captions come from the catalogue too: never read them as markup.
    setTextFormat(Qt::PlainText);
    setAlignment(TextAlignment(def));
    setText(ToQString(def.text));
    if (def.border) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    // A transparent label shows what lies under it; the others fill their
    // area with their background colour when they have one.
    setAutoFillBackground(def.kind == ControlKind::Label && def.backColor.has_value());
}

void PictureLabel::SetPicture(std::string_view bytes) {
    QPixmap decoded;
    if (!bytes.empty()) {
        decoded.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                             static_cast<uint>(bytes.size()));
    }
    picture_ = decoded;  // null when the bytes are no image
    update();
}

void PictureLabel::paintEvent(QPaintEvent* event) {
    if (!picture_.isNull()) {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QPixmap scaled =
            picture_.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint origin(area.left() + (area.width() - scaled.width()) / 2,
                            area.top() + (area.height() - scaled.height()) / 2);
        painter.drawPixmap(origin, scaled);
    }
    QLabel::paintEvent(event);  // frame and caption over the picture
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && onDoubleClick_) onDoubleClick_();
}

}  // namespace quotexa
