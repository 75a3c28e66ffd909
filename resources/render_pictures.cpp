// SPDX-License-Identifier: MIT
// Build step: renders SVG pictures at one and two device pixels per pixel
// (name.pic, name@2x.pic), so that a window shows them without parsing the
// SVG, loading its fonts or even decoding a PNG at run time: a .pic file is a
// PictureFileHeader followed by the pixels as this machine stores them.
//   vora_render_pictures <output folder> <picture.svg>...
#include "widgets/picture_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstring>

namespace {

bool Opaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255) return false;
    }
    return true;
}

bool Write(const QString& path, QImage image) {
    // An opaque picture is copied to the screen rather than blended.
    if (Opaque(image)) image = image.convertToFormat(QImage::Format_RGB32);
    vora::widgets::PictureFileHeader header{};
    std::memcpy(header.magic, "VPIC", 4);
    header.width = image.width();
    header.height = image.height();
    header.format = image.format();
    header.bytesPerLine = static_cast<std::int32_t>(image.bytesPerLine());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(&header), sizeof header) == sizeof header &&
           file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) ==
               image.sizeInBytes();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv); // the fonts of the pictures' texts
    if (argc < 3) {
        std::fputs("usage: vora_render_pictures <output folder> <picture.svg>...\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QString svg = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "vora_render_pictures: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString base = out.filePath(QFileInfo(svg).completeBaseName());
        for (const int scale : {1, 2}) {
            QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            const QString file = base + (scale == 1 ? ".pic" : "@2x.pic");
            if (!Write(file, image)) {
                std::fprintf(stderr, "vora_render_pictures: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
