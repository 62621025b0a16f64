#include "png_file.h"

#include <QImage>

#include "common/errors.h"

namespace quill {

void WritePng(const Bitmap& rgb24, const std::string& path) {
  if (rgb24.Format() != PixelFormat::Rgb24) throw UserError("only 24-bit pictures are written as PNG");
  // The bitmap's rows are blue, green, red bytes padded to 32 bits: Qt's BGR888 with
  // the bitmap's stride.
  const QImage image(rgb24.Bits(), rgb24.Width(), rgb24.Height(), rgb24.Stride(), QImage::Format_BGR888);
  if (!image.save(QString::fromStdString(path), "PNG")) throw UserError("File " + path + " could not be written");
}

}  // namespace quill
