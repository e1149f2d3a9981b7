// The five background tiles and the title picture. Every continuous pattern
// in a tile is periodic in the tile's width and height, so the tiles join
// without seams in both directions.
#include "generator.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace gen {
namespace {

constexpr int W = CellW;
constexpr int H = CellH;

// Fractal noise over the tile with `cellsX` x `cellsY` lattice cells, so it
// repeats exactly once per tile.
double tileNoise(double x, double y, int cellsX, int cellsY, std::uint32_t seed, int octaves) {
    return fbm(x * cellsX / W, y * cellsY / H, seed, octaves, cellsX, cellsY);
}

template <class ColourAt>
QImage paint(ColourAt colourAt) {
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) line[x] = colourAt(x, y).rgb();
    }
    return img;
}

// Calls draw(dx, dy) for the tile's own position and its eight neighbours,
// so anything crossing an edge comes back in on the other side.
template <class Draw>
void wrapped(Draw draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) draw(dx * W, dy * H);
}

QImage mud() {
    const QColor wet(40, 40, 22), earth(82, 70, 42), ridge(112, 96, 62);
    // Churned mud: a height field lit from the upper left, wet and greenish
    // in the hollows, drier on the ridges.
    auto height = [](int x, int y) {
        return 0.65 * tileNoise(x, y, 3, 4, 21u, 4) + 0.35 * tileNoise(x, y, 7, 8, 22u, 2);
    };
    QImage img = paint([&](int x, int y) {
        const double h = height(x, y);
        const double slope = height(x - 1, y - 1) - height(x + 1, y + 1);
        const double tint = tileNoise(x, y, 2, 3, 23u, 3);
        QColor c = mixColor(wet, earth, smoothstep(0.3, 0.55, h));
        c = mixColor(c, ridge, 0.6 * smoothstep(0.55, 0.75, h));
        c = mixColor(c, QColor(70, 82, 40), 0.35 * tint);
        c = scaled(c, 0.92 + 3.5 * slope);
        // A wet sheen in the deepest hollows.
        c = mixColor(c, QColor(120, 130, 100), 0.5 * smoothstep(0.75, 1.0, 1.0 - h) * clamp01(slope * 30));
        return scaled(c, 0.93 + 0.14 * lattice(x, y, 24u));
    });
    // Grit and small stones.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Random rnd(25u);
    for (int i = 0; i < 18; ++i) {
        const double x = rnd.range(0, W), y = rnd.range(0, H), r = rnd.range(0.8, 2.2);
        const int tone = static_cast<int>(rnd.range(80, 135));
        wrapped([&](int dx, int dy) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 16, 8, 90));
            p.drawEllipse(QPointF(x + dx + 0.6, y + dy + 0.8), r, r * 0.8);
            p.setBrush(QColor(tone, tone - 8, tone - 30, 200));
            p.drawEllipse(QPointF(x + dx, y + dy), r, r * 0.8);
        });
    }
    p.end();
    return img;
}

QImage tatami() {
    // Rush strands run top to bottom, nine pixels wide; the binding threads
    // cross every 41 pixels, three per tile, and the strands pass over and
    // under them in turn.
    constexpr int strand = 9;
    constexpr int threadGap = 41;
    const QColor straw(194, 194, 120), shade(112, 120, 58), gold(196, 178, 104);
    return paint([&](int x, int y) {
        const int i = x / strand;
        const double across = (x % strand + 0.5) / strand;
        const int yy = y + threadGap / 2;
        const int segment = yy / threadGap;
        const double along = (yy % threadGap + 0.5) / threadGap;
        // Each strand is two or three round stalks side by side.
        const double stalks = 0.6 + 0.4 * std::abs(std::sin(M_PI * across * 2.0));
        double light = (0.55 + 0.45 * std::sin(M_PI * across)) * stalks;
        light *= ((i + segment) % 2 == 0) ? 1.0 : 0.84;
        // The strands dip where the thread binds them.
        const double pinch = std::min(along, 1.0 - along);
        light *= 0.8 + 0.2 * smoothstep(0.0, 0.15, pinch);
        const double fibre = tileNoise(x, y, 11, 4, 31u, 3);
        light *= 0.85 + 0.3 * fibre;
        QColor c = mixColor(shade, straw, clamp01(light));
        c = mixColor(c, gold, 0.5 * lattice(i, segment, 32u));
        if (pinch * threadGap < 1.0) c = mixColor(c, QColor(96, 96, 56), 0.45);
        return scaled(c, 0.96 + 0.08 * lattice(x, y, 33u));
    });
}

QImage bamboo() {
    struct Stalk {
        int left, width;
        int nodes[2];
        int nodeCount;
        double age;
    };
    const Stalk stalks[] = {{0, 30, {25, 87}, 2, 0.1}, {30, 37, {58, 0}, 1, 0.35}, {67, 32, {8, 70}, 2, 0.0}};
    const QColor gap(30, 26, 14), dark(42, 78, 26), green(100, 140, 50), pale(180, 200, 120);
    return paint([&](int x, int y) {
        for (int s = 0; s < 3; ++s) {
            const Stalk& st = stalks[s];
            if (x < st.left || x >= st.left + st.width) continue;
            const double across = (x - st.left + 0.5) / st.width;
            if (across < 0.04 || across > 0.96) return gap;
            // Round stalk lit from the left, with a glossy strip.
            const double round = std::sin(M_PI * (across - 0.04) / 0.92);
            QColor c = mixColor(dark, green, std::pow(round, 0.7));
            c = mixColor(c, pale, 0.55 * std::exp(-std::pow((across - 0.3) / 0.07, 2)));
            const double streak = tileNoise(x, y, 33, 2, 41u + s, 3);
            c = scaled(c, 0.86 + 0.28 * streak);
            // Older stalks turn yellow.
            c = mixColor(c, QColor(170, 160, 70), st.age * std::pow(round, 0.5));
            for (int n = 0; n < st.nodeCount; ++n) {
                int d = y - st.nodes[n];
                if (d > H / 2) d -= H;
                if (d < -H / 2) d += H;
                // A node: a dark groove with a raised pale ring below it.
                if (d >= -1 && d <= 0) c = mixColor(c, gap, 0.75);
                else if (d >= 1 && d <= 3) c = mixColor(c, pale, 0.45 * round);
                else if (d >= -5 && d < -1) c = scaled(c, 0.82 + 0.04 * (d + 5));
                else if (d > 3 && d <= 8) c = scaled(c, 0.92 + 0.01 * d);
            }
            return c;
        }
        return gap;
    });
}

QImage space() {
    const QColor night(5, 6, 22), indigo(24, 22, 70), violet(70, 30, 90), teal(20, 70, 90);
    QImage img = paint([&](int x, int y) {
        const double cloud = tileNoise(x, y, 3, 3, 51u, 5);
        const double hue = tileNoise(x, y, 2, 2, 52u, 3);
        QColor c = mixColor(night, indigo, smoothstep(0.35, 0.8, cloud));
        c = mixColor(c, hue > 0.5 ? violet : teal, 0.45 * smoothstep(0.55, 0.85, cloud) * std::abs(hue - 0.5) * 2);
        return c;
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Random rnd(53u);
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.range(0, W), y = rnd.range(0, H);
        const double b = rnd.next();
        const double r = b > 0.97 ? 2.2 : (b > 0.75 ? 1.4 : 0.85);
        const QColor tint = rnd.next() < 0.3 ? QColor(255, 220, 180) : QColor(210, 225, 255);
        wrapped([&](int dx, int dy) {
            const QPointF at(x + dx, y + dy);
            QRadialGradient glow(at, r * 3);
            glow.setColorAt(0, QColor(tint.red(), tint.green(), tint.blue(), 120));
            glow.setColorAt(1, QColor(tint.red(), tint.green(), tint.blue(), 0));
            p.setBrush(glow);
            p.drawEllipse(at, r * 3, r * 3);
            p.setBrush(QColor(255, 255, 255, static_cast<int>(160 + 95 * b)));
            p.drawEllipse(at, r * 0.6, r * 0.6);
            if (r > 2) {
                p.setPen(QPen(QColor(230, 240, 255, 110), 0.7));
                p.drawLine(at - QPointF(r * 2.6, 0), at + QPointF(r * 2.6, 0));
                p.drawLine(at - QPointF(0, r * 2.6), at + QPointF(0, r * 2.6));
                p.setPen(Qt::NoPen);
            }
        });
    }
    p.end();
    return img;
}

QImage brick() {
    // Six courses of 21 and 20 pixels; each course two bricks, the odd
    // courses shifted by half a brick for a running bond.
    constexpr int courses[6] = {21, 20, 21, 20, 21, 20};
    constexpr int mortar = 3;
    const QColor mortarLight(176, 166, 146), mortarDark(120, 112, 98);
    const QColor clayDark(110, 40, 26), clay(160, 66, 42), clayLight(190, 100, 64);
    return paint([&](int x, int y) {
        int course = 0, top = 0;
        while (y >= top + courses[course]) top += courses[course++];
        const int height = courses[course];
        const int shifted = wrap(x - (course % 2 ? 25 : 0), W);
        const int index = shifted < 50 ? 0 : 1;
        const int left = index == 0 ? 0 : 50, width = index == 0 ? 50 : 49;
        const int lx = shifted - left, ly = y - top;
        const double grit = tileNoise(x, y, 9, 11, 61u, 3);
        if (lx < mortar || ly < mortar)
            return mixColor(mortarDark, mortarLight, grit + 0.2 * lattice(x, y, 62u));
        const double tone = lattice(course, index, 63u);
        QColor c = mixColor(clayDark, clay, 0.55 + 0.45 * tone);
        c = mixColor(c, clayLight, 0.4 * smoothstep(0.55, 0.8, tileNoise(x, y, 6, 6, 64u, 4)));
        c = scaled(c, 0.85 + 0.3 * grit);
        // Slight bevel: lit upper-left edges, shaded lower-right ones.
        const int bx = lx - mortar, by = ly - mortar;
        const int bw = width - mortar, bh = height - mortar;
        if (bx < 2 || by < 2) c = scaled(c, 1.15);
        else if (bx >= bw - 2 || by >= bh - 2) c = scaled(c, 0.78);
        return scaled(c, 0.94 + 0.12 * lattice(x, y, 65u));
    });
}

}  // namespace

std::vector<NamedImage> backgroundImages() {
    return {
        {QStringLiteral("HAIKEI_MIDORI"), mud()},  {QStringLiteral("HAIKEI_TATAMI"), tatami()},
        {QStringLiteral("HAIKEI_TAKE"), bamboo()}, {QStringLiteral("HAIKEI_UCHU"), space()},
        {QStringLiteral("HAIKEI_RENGA"), brick()},
    };
}

QImage titleImage(const QString& kanjiFamily, const QString& latinFamily) {
    QImage img(TitleW, TitleH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A dark lacquer plate with a thin gold rim, so the name reads on every
    // background.
    const QRectF plate(3, 3, TitleW - 6, TitleH - 6);
    QLinearGradient lacquer(plate.topLeft(), plate.bottomLeft());
    lacquer.setColorAt(0, QColor(58, 22, 14, 235));
    lacquer.setColorAt(1, QColor(20, 8, 6, 235));
    p.setPen(QPen(QColor(214, 176, 92), 3.0));
    p.setBrush(lacquer);
    p.drawRoundedRect(plate, 16, 16);
    p.setPen(QPen(QColor(214, 176, 92, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(7, 7, -7, -7), 10, 10);

    // A red seal with 将棋 written top to bottom.
    const QRectF seal(22, 14, 62, TitleH - 28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 30, 24));
    p.drawRoundedRect(seal, 6, 6);
    QFont kanji(kanjiFamily);
    kanji.setPixelSize(36);
    for (int i = 0; i < 2; ++i) {
        QPainterPath ch;
        ch.addText(0, 0, kanji, i == 0 ? QStringLiteral("将") : QStringLiteral("棋"));
        const QRectF r = ch.boundingRect();
        const QPointF at(seal.center().x() - r.center().x(), seal.top() + 22 + i * 40 - r.center().y());
        ch.translate(at);
        p.fillPath(ch, QColor(255, 240, 225));
        p.strokePath(ch, QPen(QColor(255, 240, 225), 2.4));
    }

    // The name in gold with a dark edge and a drop shadow.
    QFont latin(latinFamily);
    latin.setPixelSize(100);
    latin.setBold(true);
    latin.setItalic(true);
    latin.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath name;
    name.addText(0, 0, latin, QStringLiteral("vudeve"));
    const QRectF r = name.boundingRect();
    const QRectF room(seal.right() + 12, 8, TitleW - seal.right() - 30, TitleH - 16);
    name.translate(room.center().x() - r.center().x(), room.center().y() - r.center().y());
    p.fillPath(name.translated(3, 4), QColor(0, 0, 0, 150));
    QLinearGradient gold(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    gold.setColorAt(0.0, QColor(255, 240, 170));
    gold.setColorAt(0.45, QColor(230, 182, 70));
    gold.setColorAt(0.55, QColor(200, 146, 40));
    gold.setColorAt(1.0, QColor(250, 210, 110));
    p.strokePath(name, QPen(QColor(60, 30, 8), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(name, gold);
    p.end();
    return img;
}

}  // namespace gen
