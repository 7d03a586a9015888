#include "platform/qt/widgets/MenuArt.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <map>

struct MenuArtFaces {
    static const QString& Regular() { return MenuArt::s_regularFamily; }
    static const QString& Bold() { return MenuArt::s_boldFamily; }
};

namespace {

struct ButtonLook {
    const char* resource;  // UTF-8
    const char* file;
    const char* words;     // UTF-8
    QColor hue;            // the face's tint
    int row;               // place on the menu, from the top
};

const ButtonLook kButtons[] = {
    {"종료U", "exit", "종료", QColor(0xe0, 0x8a, 0x80), 5},
    {"기본정보U", "basic_info", "기본정보", QColor(0x8c, 0xb4, 0xd8), 0},
    {"쇼핑계획U", "plan", "쇼핑계획", QColor(0x8f, 0xc9, 0x9a), 1},
    {"쇼핑하기U", "shopping", "쇼핑하기", QColor(0xe8, 0xbc, 0x6a), 2},
    {"쇼핑검색U", "search", "쇼핑검색", QColor(0xa9, 0x9c, 0xd6), 3},
    {"통계보기U", "stats", "통계보기", QColor(0x7e, 0xc4, 0xc0), 4},
};
const char* const kBackground = "136";
const char* const kIcon = "128";

// Where the menu puts the buttons: 1.5 pixels a dialog unit, from x 81 and
// y 48 in steps of 13 units.
QPoint PlaceOf(int row) {
    return QPoint(121, static_cast<int>(72 + 19.5 * row));
}

QFont Face(bool bold, int pixelSize)
{
    QFont font(bold ? MenuArtFaces::Bold() : MenuArtFaces::Regular());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Full hinting would snap the strokes differently from one FreeType
    // build to the next; the images are small enough that smoothness wins.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage NewImage(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void PreparePainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// ---------------------------------------------------------------- buttons


const QColor kPaper(0xfb, 0xf7, 0xec);

// `under` is the patch of background the button covers on the menu, so that
// the rounded corners show the background instead of square notches.
QImage DrawButton(const ButtonLook& look, const QImage& under, int zoom)
{
    const int w = 83, h = 20;
    QImage image = under.copy(0, 0, w * zoom, h * zoom).convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    PreparePainter(p);
    p.scale(zoom, zoom);

    const QRectF face(0.5, 0.5, w - 1.0, h - 1.0);
    const qreal radius = 5.0;

    // A soft shadow one pixel down gives the face a little lift.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(face.translated(0, 0.8), radius, radius);

    QLinearGradient gradient(0, 0, 0, h);
    gradient.setColorAt(0.0, look.hue.lighter(175));
    gradient.setColorAt(0.48, look.hue.lighter(145));
    gradient.setColorAt(0.52, look.hue.lighter(128));
    gradient.setColorAt(1.0, look.hue.lighter(112));
    p.setBrush(gradient);
    p.setPen(QPen(look.hue.darker(150), 1.0));
    p.drawRoundedRect(face.adjusted(0, 0, 0, -0.8), radius, radius);

    // A thin highlight under the top edge.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(radius, 1.7), QPointF(w - radius, 1.7));

    p.setFont(Face(true, 12));
    const QRectF textArea(0, 0, w, h - 1);
    p.setPen(QColor(255, 255, 255, 140));
    p.drawText(textArea.translated(0, 0.8), Qt::AlignCenter, QString::fromUtf8(look.words));
    p.setPen(look.hue.darker(330));
    p.drawText(textArea, Qt::AlignCenter, QString::fromUtf8(look.words));
    p.end();
    return image;
}

// ------------------------------------------------------------- the cart

// A shopping cart drawn in a unit box: the basket spans x 0.18..1.0 and
// y 0.10..0.62, the wheels sit at the bottom. `scale` is the box's size.
void DrawCart(QPainter& p, QPointF origin, qreal scale, const QColor& frame,
              const QColor& basket, qreal lineWidth)
{
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    const qreal lw = lineWidth / scale;

    // Basket: a trapezoid, wider at the top.
    QPainterPath body;
    body.moveTo(0.20, 0.18);
    body.lineTo(0.98, 0.18);
    body.lineTo(0.86, 0.60);
    body.lineTo(0.32, 0.60);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(basket);
    p.drawPath(body);

    QPen pen(frame, lw, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // The basket's wire grid.
    QPen thin(frame, lw * 0.55, Qt::SolidLine, Qt::RoundCap);
    p.setPen(thin);
    for (int i = 1; i < 4; ++i) {
        const qreal t = i / 4.0;
        p.drawLine(QPointF(0.20 + t * 0.78, 0.18), QPointF(0.32 + t * 0.54, 0.60));
    }
    p.drawLine(QPointF(0.26, 0.39), QPointF(0.92, 0.39));

    // Handle and the frame down to the wheels.
    p.setPen(pen);
    QPainterPath handle;
    handle.moveTo(0.02, 0.08);
    handle.lineTo(0.13, 0.08);
    handle.lineTo(0.32, 0.60);
    handle.lineTo(0.36, 0.72);
    handle.lineTo(0.90, 0.72);
    p.drawPath(handle);

    // Wheels.
    p.setBrush(frame);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0.42, 0.84), 0.075, 0.075);
    p.drawEllipse(QPointF(0.82, 0.84), 0.075, 0.075);
    p.restore();
}

// ------------------------------------------------------------ background

// The menu's size, and the places that several parts of its picture share.
const int kMenuWidth = 243, kMenuHeight = 272;
// The ruled lines stop short of the button column so the buttons stand on
// quiet paper; the floor under the cart stops with them.
const int kRuleRight = 112;
const QPointF kCartOrigin(22, 170);
const qreal kCartSize = 84;

// Warm paper fading to a faint mint at the bottom.
void DrawPaper(QPainter& p)
{
    QLinearGradient paper(0, 0, 0, kMenuHeight);
    paper.setColorAt(0.0, QColor(0xfd, 0xfa, 0xf1));
    paper.setColorAt(1.0, QColor(0xec, 0xf5, 0xee));
    p.fillRect(QRect(0, 0, kMenuWidth, kMenuHeight), paper);
}

void DrawTitleBand(QPainter& p)
{
    QLinearGradient band(0, 0, 0, 52);
    band.setColorAt(0.0, QColor(0x3f, 0x8f, 0x7a));
    band.setColorAt(1.0, QColor(0x2f, 0x76, 0x66));
    p.fillRect(QRect(0, 0, kMenuWidth, 50), band);
    p.fillRect(QRect(0, 50, kMenuWidth, 2), QColor(0xf2, 0xb1, 0x4c));
}

// The notebook: ruled lines and a red margin.
void DrawRuledLines(QPainter& p)
{
    p.setPen(QPen(QColor(0xa9, 0xc8, 0xde), 1.0));
    for (int y = 78; y < kMenuHeight - 6; y += 14)
        p.drawLine(QPointF(6, y + 0.5), QPointF(kRuleRight, y + 0.5));
    p.setPen(QPen(QColor(0xe3, 0x8d, 0x8d), 1.0));
    p.drawLine(QPointF(24.5, 60), QPointF(24.5, kMenuHeight - 4));
}

// Binder holes along the left edge.
void DrawBinderHoles(QPainter& p)
{
    p.setPen(QPen(QColor(0xc9, 0xc0, 0xa8), 1.0));
    p.setBrush(QColor(0xf1, 0xec, 0xdd));
    for (int y = 84; y < kMenuHeight - 10; y += 42) p.drawEllipse(QPointF(12.5, y), 3.5, 3.5);
}

void DrawTick(QPainter& p, const QRectF& box)
{
    QPen tick(QColor(0x2f, 0x8f, 0x5a), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(tick);
    p.setBrush(Qt::NoBrush);
    QPainterPath check;
    check.moveTo(box.left() + 1.5, box.center().y());
    check.lineTo(box.left() + 3.5, box.bottom() - 1.5);
    check.lineTo(box.right() + 1.0, box.top() - 1.0);
    p.drawPath(check);
}

// One line of the list: its box, ticked when `done`, and its words, on the
// ruled line below row `row`.
void DrawListEntry(QPainter& p, const char* text, bool done, int row)
{
    const int base = 78 + 14 * (row + 1);
    const QRectF box(30, base - 10, 8, 8);
    p.setPen(QPen(QColor(0x5b, 0x7d, 0x93), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(box, 1.5, 1.5);
    if (done) DrawTick(p, box);
    p.setPen(QColor(0x3b, 0x4a, 0x5c));
    p.drawText(QPointF(42, base - 2.5), QString::fromUtf8(text));
}

// A short handwritten-looking list on the ruled lines.
void DrawShoppingList(QPainter& p)
{
    struct Entry { const char* text; bool done; };
    const Entry entries[] = {
        {"우유", true}, {"달걀", true}, {"사과", false}, {"빵", false}, {"세제", false},
    };
    p.setFont(Face(false, 11));
    int row = 0;
    for (const Entry& e : entries) DrawListEntry(p, e.text, e.done, row++);
}

// A point of the big cart's box, in the menu's units.
QPointF InCart(qreal x, qreal y)
{
    return QPointF(kCartOrigin.x() + x * kCartSize, kCartOrigin.y() + y * kCartSize);
}

// A few goods in the big cart, drawn before it so that they stand inside
// its see-through basket.
void DrawGoods(QPainter& p)
{
    const QPointF apple = InCart(0.44, 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0x8c, 0x6b));
    p.drawEllipse(apple, 8, 8);
    p.setBrush(QColor(0x7c, 0xb8, 0xe6));     // a milk carton
    p.drawRect(QRectF(InCart(0.56, -0.06), QSizeF(13, 22)));
    p.setBrush(QColor(0xf6, 0xd0, 0x6e));     // a loaf
    p.drawRoundedRect(QRectF(InCart(0.70, 0.04), QSizeF(18, 12)), 5, 5);
    // The apple's stalk.
    p.setPen(QPen(QColor(0x4c, 0x9a, 0x4c), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(apple.x(), apple.y() - 8), QPointF(apple.x() + 3, apple.y() - 12));
}

// The cart below the list, with its goods, and a faint floor line under the
// wheels.
void DrawBigCart(QPainter& p)
{
    DrawGoods(p);
    DrawCart(p, kCartOrigin, kCartSize, QColor(0x2f, 0x5f, 0x80), QColor(0xd6, 0xe9, 0xf5, 200), 2.4);
    const qreal floor = kCartOrigin.y() + 0.93 * kCartSize + 0.5;
    p.setPen(QPen(QColor(0x9c, 0xc4, 0xb0), 1.0));
    p.drawLine(QPointF(14, floor), QPointF(kRuleRight, floor));
}

// The product name in the band, with a small cart beside it.
void DrawTitle(QPainter& p)
{
    DrawCart(p, QPointF(40, 10), 30, QColor(0xff, 0xff, 0xff), QColor(255, 255, 255, 60), 2.0);
    QFont title = Face(true, 26);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 60));
    const QRectF titleArea(76, 0, kMenuWidth - 80, 50);
    p.drawText(titleArea.translated(1, 1.2), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Cartavel"));
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(titleArea, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Cartavel"));
}

// A subtitle under the band, to the right, above the button column.
void DrawSubtitle(QPainter& p)
{
    p.setFont(Face(false, 11));
    p.setPen(QColor(0x4a, 0x6e, 0x64));
    p.drawText(QRectF(112, 54, 124, 14), Qt::AlignVCenter | Qt::AlignRight,
               QString::fromUtf8("알뜰 쇼핑 수첩"));
}

// A soft card behind the button column keeps it calm and lets the six
// buttons read as one group.
void DrawButtonCard(QPainter& p)
{
    p.setPen(QPen(QColor(0xd8, 0xe6, 0xdc), 1.0));
    p.setBrush(QColor(0xff, 0xff, 0xff, 110));
    p.drawRoundedRect(QRectF(115.5, 67.5, 95, 129), 8, 8);
}

void DrawFooter(QPainter& p)
{
    p.setFont(Face(false, 10));
    p.setPen(QColor(0x84, 0x9c, 0x92));
    p.drawText(QRectF(112, kMenuHeight - 22, 124, 16), Qt::AlignVCenter | Qt::AlignRight,
               QString::fromUtf8("오늘도 알뜰하게"));
}

// Each part sets the pen, brush and font it draws with; the order is the
// order of the layers, from the paper up.
QImage DrawBackground(int zoom)
{
    QImage image = NewImage(kMenuWidth * zoom, kMenuHeight * zoom, kPaper);
    QPainter p(&image);
    PreparePainter(p);
    p.scale(zoom, zoom);
    DrawPaper(p);
    DrawTitleBand(p);
    DrawRuledLines(p);
    DrawBinderHoles(p);
    DrawShoppingList(p);
    DrawBigCart(p);
    DrawTitle(p);
    DrawSubtitle(p);
    DrawButtonCard(p);
    DrawFooter(p);
    p.end();
    return image;
}

// ------------------------------------------------------------------ icon

QImage DrawIcon(int zoom)
{
    const int s = 32;
    QImage image = NewImage(s * zoom, s * zoom, QColor(0xff, 0xff, 0xff));
    QPainter p(&image);
    PreparePainter(p);
    p.scale(zoom, zoom);

    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0.0, QColor(0x4f, 0xa8, 0x90));
    tile.setColorAt(1.0, QColor(0x2c, 0x73, 0x63));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0, 0, s, s), 6, 6);

    p.setBrush(QColor(0xf2, 0xb1, 0x4c));   // something peeking out of the basket
    p.drawEllipse(QPointF(17.0, 8.0), 3.8, 3.8);
    DrawCart(p, QPointF(2.5, 4), 27, QColor(0xff, 0xff, 0xff), QColor(255, 255, 255, 70), 2.2);
    p.end();
    return image;
}

// The buttons stand on the background: each is drawn on its patch of it,
// which is drawn once per zoom.
const QImage& BackgroundAt(int zoom)
{
    static std::map<int, QImage> drawn;
    auto found = drawn.find(zoom);
    if (found == drawn.end()) found = drawn.emplace(zoom, DrawBackground(zoom)).first;
    return found->second;
}

QImage DrawButtonOnMenu(const ButtonLook& look, int zoom)
{
    const QImage& background = BackgroundAt(zoom);
    QRect under(PlaceOf(look.row) * zoom, QSize(83, 20) * zoom);
    return DrawButton(look, background.copy(under), zoom);
}

} // namespace

const std::vector<MenuArt::Picture>& MenuArt::Pictures() {
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> all;
        for (const ButtonLook& look : kButtons) all.push_back({QString::fromUtf8(look.resource), look.file});
        all.push_back({QString::fromLatin1(kBackground), "background"});
        all.push_back({QString::fromLatin1(kIcon), "icon"});
        return all;
    }();
    return pictures;
}

QImage MenuArt::Draw(const QString& resource, int zoom) {
    if (zoom < 1) return QImage();
    for (const ButtonLook& look : kButtons) {
        if (resource == QString::fromUtf8(look.resource)) return DrawButtonOnMenu(look, zoom);
    }
    if (resource == QLatin1String(kBackground)) return DrawBackground(zoom);
    if (resource == QLatin1String(kIcon)) return DrawIcon(zoom);
    return QImage();
}

void MenuArt::UseFaces(const QString& regular, const QString& bold) {
    s_regularFamily = regular;
    s_boldFamily = bold;
}

QImage MenuArt::Menu(int zoom) {
    QImage menu = DrawBackground(zoom).convertToFormat(QImage::Format_RGB32);
    QPainter p(&menu);
    for (const ButtonLook& look : kButtons) p.drawImage(PlaceOf(look.row) * zoom, DrawButtonOnMenu(look, zoom));
    p.end();
    return menu;
}
