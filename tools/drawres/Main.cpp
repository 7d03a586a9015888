// cartavel-drawres: draws the main menu's button images, its background and
// the program icon, and writes them as 24-bit BMP files.
//
//   cartavel-drawres OUTPUT_DIR [--preview PREVIEW_DIR]
//
// The images are drawn from simple vector shapes and the NanumGothicCoding
// face, so running the tool again gives the same files. --preview also
// writes each image as a PNG at twice its size, for looking at.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include "platform/qt/widgets/MenuArt.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/nanum/";


// The device reads the classic uncompressed layout only: a file header, a
// 40-byte info header and bottom-up rows of blue-green-red, each padded to
// four bytes. Qt's own writer picks its layout by itself, so the file is
// written here byte by byte.
QByteArray EncodeBmp24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes) * static_cast<uint32_t>(height);
    const uint32_t offset = 14 + 40;

    QByteArray out;
    out.reserve(static_cast<int>(offset + pixelBytes));
    auto put16 = [&out](uint16_t v) {
        out.append(static_cast<char>(v & 0xff));
        out.append(static_cast<char>(v >> 8));
    };
    auto put32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };

    // BITMAPFILEHEADER
    out.append('B');
    out.append('M');
    put32(offset + pixelBytes);
    put16(0);
    put16(0);
    put32(offset);
    // BITMAPINFOHEADER; a positive height means the rows run bottom-up.
    put32(40);
    put32(static_cast<uint32_t>(width));
    put32(static_cast<uint32_t>(height));
    put16(1);      // planes
    put16(24);     // bits per pixel
    put32(0);      // BI_RGB, uncompressed
    put32(pixelBytes);
    put32(2835);   // 72 dpi, in pixels per metre
    put32(2835);
    put32(0);      // colours used
    put32(0);      // important colours

    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad) out.append('\0');
    }
    return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cartavel-drawres: cannot write %s: %s\n",
                     qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cartavel-drawres: short write to %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QString LoadFace(const char* fileName)
{
    const QString path = QString::fromLatin1(kFontDir) + QString::fromLatin1(fileName);
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

bool Save(const QString& dir, const char* name, const QImage& image, const QString& previewDir)
{
    if (!WriteFile(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".bmp"),
                   EncodeBmp24(image)))
        return false;
    if (!previewDir.isEmpty()) {
        const QImage zoomed = image.scaled(image.size() * 2);
        const QString path = previewDir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
        if (!zoomed.save(path, "PNG")) {
            std::fprintf(stderr, "cartavel-drawres: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // No screen is needed to draw into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outputDir;
    QString previewDir;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--preview") && i + 1 < args.size()) {
            previewDir = args[++i];
        } else if (outputDir.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            outputDir = args[i];
        } else {
            outputDir.clear();
            break;
        }
    }
    if (outputDir.isEmpty()) {
        std::fprintf(stderr, "usage: cartavel-drawres OUTPUT_DIR [--preview PREVIEW_DIR]\n");
        return 2;
    }

    const QString regular = LoadFace("NanumGothicCoding.ttf");
    const QString bold = LoadFace("NanumGothicCodingBold.ttf");
    if (regular.isEmpty()) {
        std::fprintf(stderr,
                     "cartavel-drawres: the Korean face NanumGothicCoding is missing; expected %s"
                     "NanumGothicCoding.ttf (Debian package fonts-nanum-coding)\n",
                     kFontDir);
        return 1;
    }
    MenuArt::UseFaces(regular, bold.isEmpty() ? regular : bold);

    for (const QString& dir : {outputDir, previewDir}) {
        if (!dir.isEmpty() && !QDir().mkpath(dir)) {
            std::fprintf(stderr, "cartavel-drawres: cannot create %s\n", qPrintable(dir));
            return 1;
        }
    }

    for (const MenuArt::Picture& picture : MenuArt::Pictures()) {
        if (!Save(outputDir, picture.file, MenuArt::Draw(picture.resource, 1), previewDir)) return 1;
    }
    if (!previewDir.isEmpty()) {
        const QString path = previewDir + QStringLiteral("/menu.png");
        if (!MenuArt::Menu(2).save(path, "PNG")) return 1;
    }
    return 0;
}
