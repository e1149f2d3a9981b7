#include "app/pictures.h"

#include <array>

#include "rules/game.h"

namespace vudeve::window {
namespace {

struct PictureFile {
  int code;
  const char* name;
};

constexpr std::array<PictureFile, 35> PictureFiles = {{
    {Empty, "KARA_MASU"},
    {ManPawn, "SITA_HU_0"},       {ManTokin, "SITA_HU_1"},
    {ManLance, "SITA_KYOU_0"},    {ManPromLance, "SITA_KYOU_1"},
    {ManKnight, "SITA_KEI_0"},    {ManPromKnight, "SITA_KEI_1"},
    {ManSilver, "SITA_GIN_0"},    {ManPromSilver, "SITA_GIN_1"},
    {ManGold, "SITA_KIN"},
    {ManBishop, "SITA_KAKU_0"},   {ManHorse, "SITA_KAKU_1"},
    {ManRook, "SITA_SYA_0"},      {ManDragon, "SITA_SYA_1"},
    {ManKing, "SITA_OU"},
    {ComPawn, "UE_HU_0"},         {ComTokin, "UE_HU_1"},
    {ComLance, "UE_KYOU_0"},      {ComPromLance, "UE_KYOU_1"},
    {ComKnight, "UE_KEI_0"},      {ComPromKnight, "UE_KEI_1"},
    {ComSilver, "UE_GIN_0"},      {ComPromSilver, "UE_GIN_1"},
    {ComGold, "UE_KIN"},
    {ComBishop, "UE_KAKU_0"},     {ComHorse, "UE_KAKU_1"},
    {ComRook, "UE_SYA_0"},        {ComDragon, "UE_SYA_1"},
    {ComKing, "UE_OU"},
    {TitleCode, "RADEZURU"},
    {MidoriCode, "HAIKEI_MIDORI"}, {TatamiCode, "HAIKEI_TATAMI"}, {TakeCode, "HAIKEI_TAKE"},
    {UchuCode, "HAIKEI_UCHU"},    {RengaCode, "HAIKEI_RENGA"},
}};

// The title is 186 x 39 pixels of a 96 dpi screen; everything else one cell.
constexpr double TwipsPerPixel = 15;
constexpr double TitleWidthTwips = 186 * TwipsPerPixel;
constexpr double TitleHeightTwips = 39 * TwipsPerPixel;

const QImage NoPicture;

}  // namespace

QString Pictures::resourcePath(int pictureCode) {
  for (const PictureFile& file : PictureFiles)
    if (file.code == pictureCode) return QStringLiteral(":/pictures/%1.png").arg(QLatin1String(file.name));
  return {};
}

QSizeF Pictures::naturalTwips(int pictureCode) {
  if (pictureCode == TitleCode) return {TitleWidthTwips, TitleHeightTwips};
  return {static_cast<double>(CellWidth), static_cast<double>(CellHeight)};
}

const QImage& Pictures::original(int pictureCode) {
  auto found = originals_.find(pictureCode);
  if (found == originals_.end()) {
    const QString path = resourcePath(pictureCode);
    QImage image;
    if (!path.isEmpty() && image.load(path)) image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    found = originals_.emplace(pictureCode, image).first;
  }
  return found->second;
}

const QImage& Pictures::scaled(int pictureCode, QSize pixels) {
  const QImage& source = original(pictureCode);
  if (source.isNull() || pixels.isEmpty()) return NoPicture;
  if (source.size() == pixels) return source;
  const auto key = std::make_pair(pictureCode, std::make_pair(pixels.width(), pixels.height()));
  auto found = scaled_.find(key);
  if (found == scaled_.end())
    found = scaled_.emplace(key, source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)).first;
  return found->second;
}

}  // namespace vudeve::window
