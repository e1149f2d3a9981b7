// Writes the game's pictures, icons and sounds:
//   vudeve-assets <assets folder>
// The pictures go to <folder>/pictures, the icons to <folder>/icons, the
// waves to <folder>/sounds. The output depends only on this program and the
// fonts it loads, never on the time or a random source.
#include "generator.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Loads a font file and answers its family, or `fallback` when the file is
// not there.
QString loadFont(const char* path, const QString& fallback) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    if (families.isEmpty()) {
        std::fprintf(stderr, "vudeve-assets: %s not found, using %s\n", path, qPrintable(fallback));
        return fallback;
    }
    return families.first();
}

bool savePicture(const QDir& dir, const QString& name, const QImage& image) {
    const QString path = dir.filePath(name + ".png");
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "vudeve-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, std::uint32_t v) {
    put16(b, int(v & 0xffff));
    put16(b, int(v >> 16));
}

// RIFF PCM, 16-bit, mono.
bool saveWave(const QDir& dir, const gen::NamedWave& wave) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(wave.samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, static_cast<std::uint32_t>(wave.sampleRate));
    put32(b, static_cast<std::uint32_t>(wave.sampleRate * 2));
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, dataBytes);
    for (double v : wave.samples) {
        const long s = std::lround(gen::clamp01(0.5 + 0.5 * v) * 65534.0) - 32767;
        put16(b, static_cast<int>(s));
    }
    const QString path = dir.filePath(wave.name + ".wav");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size()) {
        std::fprintf(stderr, "vudeve-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vudeve-assets <assets folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath("pictures") || !root.mkpath("icons") || !root.mkpath("sounds")) {
        std::fprintf(stderr, "vudeve-assets: cannot create folders in %s\n", argv[1]);
        return 1;
    }
    const QDir pictures(root.filePath("pictures")), icons(root.filePath("icons")), sounds(root.filePath("sounds"));

    const QString kanji = loadFont("/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf", QStringLiteral("serif"));
    const QString latin = loadFont("/usr/share/fonts/opentype/urw-base35/P052-BoldItalic.otf", kanji);

    bool ok = savePicture(pictures, QStringLiteral("KARA_MASU"), gen::boardSquare());
    for (const gen::NamedImage& piece : gen::pieceImages(kanji)) ok &= savePicture(pictures, piece.name, piece.image);
    for (const gen::NamedImage& tile : gen::backgroundImages()) ok &= savePicture(pictures, tile.name, tile.image);
    ok &= savePicture(pictures, QStringLiteral("RADEZURU"), gen::titleImage(kanji, latin));
    for (const gen::NamedImage& icon : gen::iconImages(kanji)) ok &= savePicture(icons, icon.name, icon.image);
    for (const gen::NamedWave& wave : gen::soundWaves()) ok &= saveWave(sounds, wave);
    return ok ? 0 : 1;
}
