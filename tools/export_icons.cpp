// Build tool: writes the application icon as the PNG files of the desktop's
// icon theme (korinde-<size>.png) and as a Windows icon (korinde.ico), all
// from the window icon's own pixels, enlarged without smoothing.
#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#include "ui/pictures.h"

namespace {

struct Size {
    int pixels;
    int drawn_at;  // the picture it is enlarged from
};

constexpr std::array<Size, 6> theme_sizes = {{{16, 16}, {32, 32}, {48, 16}, {64, 32}, {128, 32}, {256, 32}}};

QPixmap picture_at(const QIcon& icon, Size size) {
    const QPixmap drawn = icon.pixmap(QSize(size.drawn_at, size.drawn_at));
    return size.pixels == size.drawn_at ? drawn : korinde::enlarged(drawn, size.pixels / size.drawn_at);
}

// The picture as a PNG file's bytes; empty when it cannot be encoded.
QByteArray png_of(const QPixmap& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.toImage().save(&buffer, "PNG")) return {};
    return bytes;
}

void append_le16(QByteArray& out, int value) {
    const quint16 le = qToLittleEndian(static_cast<quint16>(value));
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void append_le32(QByteArray& out, qsizetype value) {
    const quint32 le = qToLittleEndian(static_cast<quint32>(value));
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// An icon file whose entries hold PNG images: a header, a directory entry for
// each picture, then the pictures.
QByteArray ico_of(const std::vector<QByteArray>& pngs, const std::vector<int>& sizes) {
    QByteArray out;
    append_le16(out, 0);  // reserved
    append_le16(out, 1);  // an icon, not a cursor
    append_le16(out, static_cast<int>(pngs.size()));
    qsizetype offset = 6 + 16 * static_cast<qsizetype>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        out.append(static_cast<char>(sizes[i]));  // width
        out.append(static_cast<char>(sizes[i]));  // height
        out.append('\0');                         // no palette: the PNGs are 32-bit
        out.append('\0');
        append_le16(out, 1);   // colour planes
        append_le16(out, 32);  // bits per pixel of the stored PNG
        append_le32(out, pngs[i].size());
        append_le32(out, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) out.append(png);
    return out;
}

// Nothing is written of a picture that could not be encoded.
bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: export_icons output-folder\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QIcon icon = korinde::window_icon();
    for (const Size size : theme_sizes) {
        const QString path = folder.filePath(QString("korinde-%1.png").arg(size.pixels));
        if (!write_file(path, png_of(picture_at(icon, size)))) {
            std::cerr << "export_icons: cannot write " << path.toStdString() << '\n';
            return 1;
        }
    }
    const std::vector<QByteArray> pngs = {png_of(icon.pixmap(QSize(32, 32))), png_of(icon.pixmap(QSize(16, 16)))};
    const bool encoded = std::ranges::none_of(pngs, &QByteArray::isEmpty);
    if (!encoded || !write_file(folder.filePath("korinde.ico"), ico_of(pngs, {32, 16}))) {
        std::cerr << "export_icons: cannot write korinde.ico\n";
        return 1;
    }
    return 0;
}
