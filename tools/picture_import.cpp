#include "picture_import.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTransform>
#include <cctype>
#include <cmath>
#include <cstring>

#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "common/translate.h"
#include "game/jigsaw.h"
#include "gift_maker.h"
#include "heif_reader.h"
#include "jpeg_writer.h"

namespace quill {
namespace {

// The progress step that ends an import.
constexpr const char* kPictureReady = TextMark("GiftMaking", "Picture ready");

// Qt's readers refuse images above an allocation limit (256 MB by default); the
// largest picture taken, in 32-bit pixels, must get through.
constexpr int kReaderAllocationLimitMb = static_cast<int>(kMaxJpegPixels * 4 / (1024 * 1024)) + 64;

std::string SizeText(PixelSize size) { return std::to_string(size.Width) + " \u00D7 " + std::to_string(size.Height); }

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

void Report(const ImportProgress& progress, double fraction, const char* step) {
  if (progress) progress(fraction, Tr("GiftMaking", step));
}

// The EXIF orientation (1..8) that Qt's transformation stands for.
int ExifOrientation(QImageIOHandler::Transformations transformation) {
  switch (static_cast<int>(transformation)) {
    case QImageIOHandler::TransformationMirror: return 2;
    case QImageIOHandler::TransformationRotate180: return 3;
    case QImageIOHandler::TransformationFlip: return 4;
    case QImageIOHandler::TransformationFlipAndRotate90: return 5;
    case QImageIOHandler::TransformationRotate90: return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90: return 7;
    case QImageIOHandler::TransformationRotate270: return 8;
    default: return 1;
  }
}

// Mirrors and flips first, then turns a quarter clockwise, as EXIF orientations
// combine them.
QImage Transformed(const QImage& image, QImageIOHandler::Transformations transformation) {
  if (transformation == QImageIOHandler::TransformationNone) return image;
  if (transformation == QImageIOHandler::TransformationRotate270) return image.transformed(QTransform().rotate(270));
  QImage turned = image.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                 transformation.testFlag(QImageIOHandler::TransformationFlip));
  if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
    turned = turned.transformed(QTransform().rotate(90));
  return turned;
}

// Transparent parts are shown over white, as a picture viewer shows them.
QImage Opaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  painter.end();
  return flat;
}

QImage ToQImage(const Bitmap& bitmap) {
  const QImage wrapped(bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_BGR888);
  return wrapped.convertToFormat(QImage::Format_RGB32);
}

Bitmap ToBitmap(const QImage& image) {
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  Bitmap bitmap(bgr.width(), bgr.height(), PixelFormat::Rgb24);
  for (int y = 0; y < bgr.height(); ++y) std::memcpy(bitmap.ScanLine(y), bgr.constScanLine(y), size_t(bgr.width()) * 3);
  return bitmap;
}

// The formats named to a person: libheif's and those of Qt's readers.
std::string ReadableFormats() {
  return "heic, avif, " + QImageReader::supportedImageFormats().join(", ").toStdString();
}

void RefuseOversized(PixelSize size) {
  if (int64_t{size.Width} * size.Height > kMaxJpegPixels)
    throw UserError(FillArgs(Tr("GiftMaking", "The picture is %1 pixels: more than the %2 million pixels the gift maker reads"),
                             {SizeText(size), std::to_string(kMaxJpegPixels / 1000000)}));
}

// The picture as decoded, before it is turned: JPEGs through the player's own
// decoder, which must read them whole; other files through Qt's readers.
QImage Decode(const std::vector<uint8_t>& file, ImportedPicture& picture) {
  if (LooksLikeJpeg(file)) {
    const JpegInfo info = ReadJpegInfo(file.data(), file.size());
    picture.SourceFormat = "jpeg";
    picture.SourceCmyk = info.Channels == 4;
    picture.SourceSize = {info.Width, info.Height};
    RefuseOversized(picture.SourceSize);
    Bitmap decoded;
    DecodeJpeg(file.data(), file.size(), decoded, JpegCompleteness::Whole);
    return ToQImage(decoded);
  }
  if (LooksLikeHeif(file)) {
    HeifPicture heif = ReadHeif(file, [&picture](int width, int height) {
      picture.SourceSize = {width, height};
      RefuseOversized(picture.SourceSize);
    });
    picture.SourceFormat = heif.Format;
    picture.SourceSize = {heif.Image.width(), heif.Image.height()};
    return Opaque(heif.Image);
  }
  QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  if (!reader.canRead())
    throw UserError(FillArgs(Tr("GiftMaking", "This is not a picture the gift maker can read (it reads %1): save it as "
                                              "JPEG or PNG first"),
                             {ReadableFormats()}));
  picture.SourceFormat = reader.format().toStdString();
  picture.SourceSize = {reader.size().width(), reader.size().height()};
  RefuseOversized(picture.SourceSize);
  QImageReader::setAllocationLimit(kReaderAllocationLimitMb);
  const QImage image = reader.read();
  if (image.isNull())
    throw UserError(FillArgs(Tr("GiftMaking", "The picture could not be read (%1): save it as JPEG or PNG first"),
                             {reader.errorString().toStdString()}));
  picture.SourceSize = {image.width(), image.height()};
  return Opaque(image);
}

// The EXIF orientation the file carries, read by Qt's handler of its format. A HEIF
// picture comes from libheif already turned.
QImageIOHandler::Transformations StoredOrientation(const std::vector<uint8_t>& file) {
  if (LooksLikeHeif(file)) return QImageIOHandler::TransformationNone;
  QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  return reader.transformation();
}

void RefuseWhatThePlayerCannotCut(PixelSize stored) {
  if (stored.Width > kMaxPictureSide || stored.Height > kMaxPictureSide)
    throw UserError(FillArgs(Tr("GiftMaking", "The picture would be stored at %1 pixels; the player cuts pictures of at "
                                              "most %2 pixels a side, so let it be fitted to a smaller size"),
                             {SizeText(stored), std::to_string(kMaxPictureSide)}));
}

}  // namespace

PixelSize FitWithin(PixelSize source, PixelSize bound) {
  if (source.Width <= bound.Width && source.Height <= bound.Height) return source;
  // Compare the aspect ratios in 64 bits: the side that reaches the bound first.
  const bool widthBinds = int64_t{source.Width} * bound.Height >= int64_t{bound.Width} * source.Height;
  auto scaled = [](int32_t side, int32_t to, int32_t from) {
    return std::max<int32_t>(1, static_cast<int32_t>(std::llround(double(side) * to / from)));
  };
  if (widthBinds) return {bound.Width, scaled(source.Height, bound.Width, source.Width)};
  return {scaled(source.Width, bound.Height, source.Height), bound.Height};
}

ImportedPicture ImportPicture(const std::vector<uint8_t>& file, const PictureFitting& fitting,
                              const ImportProgress& progress) {
  ImportedPicture picture;
  picture.Fitting = fitting;
  if (file.empty()) throw UserError(Tr("GiftMaking", "The picture file is empty"));
  Report(progress, 0.0, TextMark("GiftMaking", "Reading the picture"));
  QImage image = Decode(file, picture);
  const QImageIOHandler::Transformations orientation = StoredOrientation(file);
  picture.Orientation = ExifOrientation(orientation);
  Report(progress, 0.4, TextMark("GiftMaking", "Turning the picture upright"));
  image = Transformed(image, orientation);
  picture.UprightSize = {image.width(), image.height()};
  picture.StoredSize =
      fitting.KeepSize ? picture.UprightSize : FitWithin(picture.UprightSize, {fitting.MaxWidth, fitting.MaxHeight});
  RefuseWhatThePlayerCannotCut(picture.StoredSize);
  const bool scaled = !(picture.StoredSize == picture.UprightSize);
  picture.Reencoded = picture.SourceFormat != "jpeg" || picture.SourceCmyk || picture.Orientation != 1 || scaled;
  if (!picture.Reencoded) {
    picture.Jpeg = file;
    Report(progress, 1.0, kPictureReady);
    return picture;
  }
  if (scaled) {
    Report(progress, 0.5, TextMark("GiftMaking", "Scaling the picture"));
    // Qt's smooth scaling averages every source pixel under each stored one when it
    // shrinks a picture, so fine detail turns to its mean colour instead of aliasing.
    image = image.scaled(picture.StoredSize.Width, picture.StoredSize.Height, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
  }
  Report(progress, 0.8, TextMark("GiftMaking", "Storing the picture as JPEG"));
  WriteJpeg(ToBitmap(image), kStoredJpegQuality, picture.Jpeg);
  Report(progress, 1.0, kPictureReady);
  return picture;
}

std::string DescribeImport(const ImportedPicture& picture) {
  std::string why;
  auto add = [&why](const std::string& part) { why += (why.empty() ? "" : ", ") + part; };
  if (picture.SourceCmyk)
    add(Tr("GiftMaking", "converted from CMYK"));
  else if (picture.SourceFormat != "jpeg")
    add(FillArgs(Tr("GiftMaking", "converted from %1"), {Upper(picture.SourceFormat)}));
  if (picture.Orientation != 1)
    add(FillArgs(Tr("GiftMaking", "turned upright from %1 (EXIF orientation %2)"),
                 {SizeText(picture.SourceSize), std::to_string(picture.Orientation)}));
  const PictureFitting& fitting = picture.Fitting;
  if (!(picture.StoredSize == picture.UprightSize))
    add(FillArgs(Tr("GiftMaking", "scaled from %1 to %2 to fit %3"),
                 {SizeText(picture.UprightSize), SizeText(picture.StoredSize),
                  SizeText({fitting.MaxWidth, fitting.MaxHeight})}));
  else if (fitting.KeepSize)
    add(Tr("GiftMaking", "kept at its own size as asked"));
  else
    add(FillArgs(Tr("GiftMaking", "kept at its own size, within %1"), {SizeText({fitting.MaxWidth, fitting.MaxHeight})}));
  if (!picture.Reencoded) add(Tr("GiftMaking", "the file stored as it is"));
  return SizeText(picture.StoredSize) + ", " + why;
}

}  // namespace quill
