// The board square, the 28 wooden pieces and the program's icon.
#include "generator.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace gen {

QImage woodTexture(int width, int height, const WoodStyle& s) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const double wander = fbm(u * 2.0, v * 1.3, s.seed, 4);
            const double g = u * s.ringsAcross + s.warp * (wander - 0.5) * 2.0 +
                             0.25 * std::sin(v * 2.6 + wander * 5.0);
            const double f = g - std::floor(g);
            // Late wood: a narrow darker band in every ring, softer on one side.
            const double band = std::pow(0.5 + 0.5 * std::cos(2 * M_PI * f), 10.0) +
                                0.35 * std::pow(0.5 + 0.5 * std::cos(2 * M_PI * (f - 0.18)), 24.0);
            // Fibres: noise stretched along the grain.
            const double fibre = fbm(x * 0.45, y * 0.018, s.seed + 7u, 3);
            const double t = 0.18 + s.lineStrength * band + 0.45 * (fibre - 0.5) + 0.35 * (wander - 0.5);
            line[x] = mixColor(s.light, s.dark, t).rgba();
        }
    }
    return img;
}

QImage boardSquare() {
    const WoodStyle kaya{QColor(232, 190, 118), QColor(196, 142, 70), 2.3, 0.35, 0.55, 11u};
    QImage img = woodTexture(CellW, CellH, kaya);
    // A faint edge so neighbouring squares read as separate blocks even where
    // the window's outline is thin.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 80, 30, 70), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, CellW - 2, CellH - 2));
    p.setPen(QPen(QColor(255, 240, 200, 60), 1.5));
    p.drawLine(QPointF(3, 3), QPointF(CellW - 3, 3));
    p.drawLine(QPointF(3, 3), QPointF(3, CellH - 3));
    p.end();
    return img;
}

namespace {

struct PieceKind {
    const char* name;
    QString plain;
    QString promoted;  // empty: the piece does not promote
    double size;       // higher ranks are a little larger, as in real sets
};

const PieceKind kKinds[] = {
    {"HU", QStringLiteral("歩"), QStringLiteral("と"), 0.88},
    {"KYOU", QStringLiteral("香"), QStringLiteral("杏"), 0.905},
    {"KEI", QStringLiteral("桂"), QStringLiteral("圭"), 0.925},
    {"GIN", QStringLiteral("銀"), QStringLiteral("全"), 0.955},
    {"KIN", QStringLiteral("金"), QString(), 0.955},
    {"KAKU", QStringLiteral("角"), QStringLiteral("馬"), 0.98},
    {"SYA", QStringLiteral("飛"), QStringLiteral("龍"), 0.98},
    {"OU", QStringLiteral("王"), QString(), 1.0},
};

// Blurs the alpha-premultiplied image in place with a few box passes.
void boxBlur(QImage& img, int radius, int passes) {
    const int w = img.width(), h = img.height();
    std::vector<int> acc(static_cast<size_t>(std::max(w, h)) * 4);
    for (int pass = 0; pass < passes; ++pass) {
        for (int dir = 0; dir < 2; ++dir) {
            const int outer = dir == 0 ? h : w, inner = dir == 0 ? w : h;
            for (int o = 0; o < outer; ++o) {
                auto px = [&](int i) -> QRgb& {
                    return dir == 0 ? reinterpret_cast<QRgb*>(img.scanLine(o))[i]
                                    : reinterpret_cast<QRgb*>(img.scanLine(i))[o];
                };
                for (int i = 0; i < inner; ++i) {
                    const QRgb c = px(i);
                    acc[i * 4 + 0] = qRed(c);
                    acc[i * 4 + 1] = qGreen(c);
                    acc[i * 4 + 2] = qBlue(c);
                    acc[i * 4 + 3] = qAlpha(c);
                }
                for (int i = 0; i < inner; ++i) {
                    int sum[4] = {0, 0, 0, 0}, n = 0;
                    for (int k = std::max(0, i - radius); k <= std::min(inner - 1, i + radius); ++k, ++n)
                        for (int ch = 0; ch < 4; ++ch) sum[ch] += acc[k * 4 + ch];
                    px(i) = qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
                }
            }
        }
    }
}

// The pentagonal outline of a piece pointing up, centred on the origin,
// with slightly rounded corners.
QPainterPath pieceOutline(double w, double h) {
    const QPointF pts[5] = {
        {0, -h / 2},                  // point
        {0.42 * w, -h / 2 + 0.24 * h},  // right shoulder
        {0.5 * w, h / 2},             // bottom right
        {-0.5 * w, h / 2},            // bottom left
        {-0.42 * w, -h / 2 + 0.24 * h}, // left shoulder
    };
    const double radius = 0.045 * w;
    QPainterPath path;
    for (int i = 0; i < 5; ++i) {
        const QPointF prev = pts[(i + 4) % 5], cur = pts[i], next = pts[(i + 1) % 5];
        auto toward = [&](QPointF to) {
            const QPointF d = to - cur;
            const double len = std::hypot(d.x(), d.y());
            return cur + d * (radius / len);
        };
        const QPointF a = toward(prev), b = toward(next);
        if (i == 0) path.moveTo(a);
        else path.lineTo(a);
        path.quadTo(cur, b);
    }
    path.closeSubpath();
    return path;
}

QPainterPath glyphPath(const QString& text, const QString& family, double pixelSize) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    return QTransform::fromTranslate(-r.center().x(), -r.center().y()).map(path);
}

struct PieceLook {
    QString text;
    bool promoted;
    bool upsideDown;
    double size;
    std::uint32_t seed;
};

// The piece on the given ground, which may be transparent. Strokes, shadow
// and bevel are tuned for a cell and grow with the ground's height.
QImage drawPiece(const QImage& ground, const PieceLook& look, const QString& family) {
    QImage img = ground.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = img.width(), height = img.height();
    const double k = double(height) / CellH;
    const double w = 0.80 * width * look.size, h = 0.885 * height * look.size;
    const QPointF centre(width / 2.0, height / 2.0 - 1.5 * k);

    QTransform place;
    place.translate(centre.x(), centre.y());
    if (look.upsideDown) place.rotate(180);
    const QPainterPath outline = place.map(pieceOutline(w, h));
    // The character sits below the middle, in the wide part of the piece.
    const double glyphSize = 0.68 * w;
    const QPainterPath glyph = place.map(
        QTransform::fromTranslate(0, 0.085 * h).map(glyphPath(look.text, family, glyphSize)));

    // Soft shadow cast down and to the right.
    QImage shadow(img.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.fillPath(outline.translated(2.5 * k, 4.0 * k), QColor(40, 20, 0, 150));
    }
    boxBlur(shadow, static_cast<int>(std::lround(3 * k)), 2);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, shadow);

    // The near side of the piece, seen a little from the front.
    p.fillPath(outline.translated(0, 3.0 * k), QColor(150, 100, 45));
    p.fillPath(outline.translated(0, 1.5 * k), QColor(185, 135, 70));

    // The face: pale boxwood with its own grain.
    const WoodStyle tsuge{QColor(250, 226, 168), QColor(222, 178, 108), 1.7, 0.3, 0.35, look.seed};
    p.save();
    p.setClipPath(outline);
    p.drawImage(0, 0, woodTexture(width, height, tsuge));
    // Gentle doming: lighter in the middle, darker at the rim.
    QRadialGradient dome(centre + QPointF(-0.1 * w, -0.05 * h), 0.75 * h);
    dome.setColorAt(0.0, QColor(255, 250, 230, 60));
    dome.setColorAt(0.6, QColor(255, 250, 230, 0));
    dome.setColorAt(1.0, QColor(90, 50, 10, 70));
    p.fillRect(img.rect(), dome);
    // Bevelled rim: lit from the upper left.
    QLinearGradient rim(centre - QPointF(w / 2, h / 2), centre + QPointF(w / 2, h / 2));
    rim.setColorAt(0.0, QColor(255, 248, 225, 190));
    rim.setColorAt(0.5, QColor(255, 240, 200, 40));
    rim.setColorAt(1.0, QColor(110, 65, 20, 160));
    p.strokePath(outline, QPen(QBrush(rim), 5.0 * k));
    p.restore();
    p.strokePath(outline, QPen(QColor(95, 58, 20, 200), 1.3 * k));

    // Lacquered ink: a faint light edge below the stroke makes the character
    // look carved in, then the ink itself, thickened for small sizes.
    const QColor ink = look.promoted ? QColor(196, 24, 18) : QColor(22, 14, 8);
    p.save();
    p.setClipPath(outline);
    p.strokePath(glyph.translated(0.9 * k, 1.1 * k), QPen(QColor(255, 245, 215, 110), 3.2 * k, Qt::SolidLine,
                                                          Qt::RoundCap, Qt::RoundJoin));
    p.restore();
    p.fillPath(glyph, ink);
    p.strokePath(glyph, QPen(ink, 2.9 * k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.end();
    return img;
}

// A piece standing on a board square: opaque, like the square.
QImage squarePiece(const QImage& square, const PieceLook& look, const QString& family) {
    return drawPiece(square, look, family).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

std::vector<NamedImage> pieceImages(const QString& family) {
    const QImage square = boardSquare();
    std::vector<NamedImage> out;
    std::uint32_t seed = 500;
    for (int army = 0; army < 2; ++army) {
        const bool top = army == 1;
        const QString prefix = top ? QStringLiteral("UE_") : QStringLiteral("SITA_");
        for (const PieceKind& k : kKinds) {
            // Tradition: the senior player's king reads 王, the other 玉.
            const QString plain = (top && QString(k.name) == QStringLiteral("OU")) ? QStringLiteral("玉") : k.plain;
            if (k.promoted.isEmpty()) {
                out.push_back({prefix + k.name, squarePiece(square, {plain, false, top, k.size, seed++}, family)});
                continue;
            }
            out.push_back({prefix + k.name + "_0", squarePiece(square, {plain, false, top, k.size, seed++}, family)});
            out.push_back(
                {prefix + k.name + "_1", squarePiece(square, {k.promoted, true, top, k.size, seed++}, family)});
        }
    }
    return out;
}

std::vector<NamedImage> iconImages(const QString& family) {
    QImage ground(IconDrawSize, IconDrawSize, QImage::Format_ARGB32_Premultiplied);
    ground.fill(Qt::transparent);
    const QImage large = drawPiece(ground, {QStringLiteral("将"), false, false, 1.0, 700u}, family);
    std::vector<NamedImage> out;
    for (int size : IconSizes)
        out.push_back({QStringLiteral("vudeve-%1").arg(size),
                       large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
    return out;
}

}  // namespace gen
