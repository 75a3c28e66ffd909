// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "widgets/picture_file.h"

#include <QImage>
#include <QPainter>
#include <QResource>
#include <QWidget>
#include <cstring>

namespace vora::shell {

namespace {

// The pixels of a pre-rendered picture, read in place from the program's
// resources (null if the resource is missing or not a picture).
QImage MappedPicture(const QString& path, qreal scale) {
    const QResource resource(path);
    const auto* data = resource.data();
    widgets::PictureFileHeader header{};
    if (!data || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < qint64(sizeof header))
        return {};
    std::memcpy(&header, data, sizeof header);
    if (std::memcmp(header.magic, "VPIC", 4) != 0 ||
        resource.size() < qint64(sizeof header) + qint64(header.bytesPerLine) * header.height)
        return {};
    QImage image(data + sizeof header, header.width, header.height, header.bytesPerLine,
                 static_cast<QImage::Format>(header.format));
    image.setDevicePixelRatio(scale);
    return image;
}

// A picture rendered from our SVG at build time at scale 1 (name.pic) and 2
// (name@2x.pic): painting it is a copy, where an SVG would be parsed, its
// fonts loaded and its text shaped at every paint.
class RenderedPicture : public QWidget {
public:
    RenderedPicture(const QString& resource, QWidget* parent)
        : QWidget(parent)
        , resource_(resource) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal wanted = devicePixelRatioF() > 1 ? 2 : 1;
        if (image_.isNull() || image_.devicePixelRatio() != wanted) {
            QString path = resource_;
            if (wanted == 2) path.insert(path.lastIndexOf('.'), "@2x");
            image_ = MappedPicture(path, wanted);
        }
        QPainter painter(this);
        // At scales other than 1 and 2 the picture is scaled, smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image_);
    }

private:
    QString resource_;
    QImage image_;
};

} // namespace

QWidget* Picture(const QString& name, const QString& resource, int width, int height,
                 const QString& description, QWidget* parent) {
    auto* picture = new RenderedPicture(resource, parent);
    picture->setObjectName(name);
    picture->setFixedSize(width, height);
    picture->setAccessibleName(description);
    picture->setToolTip(description);
    return picture;
}

} // namespace vora::shell
