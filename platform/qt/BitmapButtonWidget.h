#pragma once
// An owner-drawn button that paints the framework button's image for its
// state at the image's own size, and nothing else: no face, no focus frame.

#include <QAbstractButton>
#include <QPixmap>
#include <map>

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
    const QPixmap& PixmapFor(const unsigned char* bytes, std::size_t size);

    const CBitmapButton* m_pButton = nullptr;
    std::map<const unsigned char*, QPixmap> m_pixmaps;
};
