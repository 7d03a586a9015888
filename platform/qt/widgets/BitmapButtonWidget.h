#pragma once
// An owner-drawn button that paints the framework button's image for its
// state at the image's own size, no face, and a dotted focus frame over the
// image while it has the keyboard.

#include <QAbstractButton>
#include <QPixmap>
#include <map>
#include <utility>

class CBitmap;
class CBitmapButton;

class BitmapButtonWidget : public QAbstractButton {
public:
    explicit BitmapButtonWidget(QWidget* parent);

    // The button whose images are painted; null paints nothing, as an
    // owner-drawn button that nobody draws.
    void SetButton(const CBitmapButton* button);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& PixmapFor(const CBitmap& bitmap, int zoom);

    const CBitmapButton* m_button = nullptr;
    // By the image's bytes and the zoom it was drawn for.
    std::map<std::pair<const unsigned char*, int>, QPixmap> m_pixmaps;
};
