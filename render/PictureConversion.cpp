#include "PictureConversion.h"

#include "BitmapImport.h"
#include "PictureConversionLuma.h"

namespace zozavud {

BitmapSample ConvertPicture(const QImage& picture, const PictureOptions& options, int slotLineCount) {
    const PicturePlacement place = PlacePicture(picture.size(), options.Fit, slotLineCount);
    BitmapSample sample;
    sample.Reset(place.Sample.width(), place.Sample.height());
    for (int32_t& color : sample.Colors) color = ColorBlank;
    if (place.Window.isEmpty()) return sample;

    // Unscaled, only the corner that lands in the layer is worth converting.
    const LumaPlane luma =
        options.Fit == PictureFit::None
            ? LinearLuma(picture.copy(place.Window))
            : ResampleWindow(LinearLuma(picture), place.Scaled.width(), place.Scaled.height(), place.Window);
    // Only the picture itself is dithered, so no stray dots leak into the margins.
    const std::vector<uint8_t> black = ToBlackAndWhite(luma, options.Dither, options.Threshold);
    const int left = place.Offset.x() + place.Window.x(), top = place.Offset.y() + place.Window.y();
    for (int y = 0; y < luma.Height; ++y)
        for (int x = 0; x < luma.Width; ++x) {
            const bool dot = (black[static_cast<std::size_t>(y) * luma.Width + x] != 0) != options.Invert;
            sample.Set(left + x, top + y, dot ? MakeColorRef(0, 0, 0) : ColorBlank);
        }
    return sample;
}

bool ImportPicture(const QString& path, ImageRecord& record, int slotLineCount, const PictureOptions& options,
                   QString* error) {
    QImage picture;
    if (!ReadPictureFile(path, picture, error)) return false;
    StoreBitmapSample(ConvertPicture(picture, options, slotLineCount), record, slotLineCount);
    return true;
}

}  // namespace zozavud
