#pragma once
// The main menu's pictures, our own drawings: its six buttons, its background
// and the program icon. They are drawn from vector shapes and the
// NanumGothicCoding face, so they can be drawn at any zoom: the bitmaps that
// the program carries are these at the device's size (tools/drawres writes
// them), and the screen draws them again at its zoom, sharp, instead of
// enlarging those.

#include <QImage>
#include <QString>
#include <vector>

class MenuArt {
public:
    struct Picture {
        QString resource;  // the bitmap resource it stands for
        const char* file;  // its file under res/bitmaps, without ".bmp"
    };
    // Every picture, in the order drawres writes them.
    static const std::vector<Picture>& Pictures();

    // The picture for that resource at `zoom` pixels per device pixel; a
    // null image for a resource that is not one of these drawings.
    static QImage Draw(const QString& resource, int zoom);
    // The faces to draw the words with (drawres loads them from their files,
    // so that the files it writes never depend on the desktop's fonts).
    static void UseFaces(const QString& regular, const QString& bold);
    // The preview of the whole menu: the buttons on the background.
    static QImage Menu(int zoom);

private:
    static inline QString s_regularFamily = QStringLiteral("NanumGothicCoding");
    static inline QString s_boldFamily = QStringLiteral("NanumGothicCoding");
    friend struct MenuArtFaces;
};
