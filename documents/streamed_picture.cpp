#include "streamed_picture.h"

#include <algorithm>
#include <vector>

#include "picture_stream.h"
#include "supersample.h"

namespace zarvo {

namespace {

// The scan's side of a streamed picture: keeps the work picture's band on
// the rows being drawn, and hands every finished band to the file. Every
// hook is passed on to the caller's hooks as well.
class BandWriter : public ScanHooks {
public:
    BandWriter(ParameterSet& ps, const StreamedPicture& picture, PictureFileWriter& out)
        : ps_(ps), picture_(picture), out_(out), average_(picture.supersample), n_(average_.factor()) {
        ps_.workBitmap.resetBand(ps_.pictureWidth, ps_.pictureHeight, picture.firstRow * n_, n_);
        if (n_ > 1) reduced_.resize(static_cast<size_t>(picture.width) * 3u);
    }

    const std::string& error() const { return error_; }

    void prepareScan() override {
        pass([](ScanHooks& h) { h.prepareScan(); });
    }
    void scanStarted() override {
        pass([](ScanHooks& h) { h.scanStarted(); });
    }
    void processEvents() override {
        pass([](ScanHooks& h) { h.processEvents(); });
    }
    void showPicture() override {
        pass([](ScanHooks& h) { h.showPicture(); });
    }

    void pixelComputed(int column, int row) override {
        lastColumn_ = column;
        lastRow_ = row;
        bandDrawn_ = true;
        pass([&](ScanHooks& h) { h.pixelComputed(column, row); });
    }

    // The pixel is coloured now; the band is written once its last pixel is.
    void afterPixel() override {
        const RgbImage& band = ps_.workBitmap;
        if (lastColumn_ == band.width - 1 && lastRow_ == band.top + band.rows - 1) writeBand();
        pass([](ScanHooks& h) { h.afterPixel(); });
        if (picture_.cancel && picture_.cancel->load(std::memory_order_relaxed)) ps_.stopFlag = flagOn;
    }

    // A scan ended by a fault leaves a band drawn in part.
    void scanFinished(const std::string& fault) override {
        if (!fault.empty() && bandDrawn_ && error_.empty()) writeBand();
        pass([&](ScanHooks& h) { h.scanFinished(fault); });
    }

private:
    template <typename Call>
    void pass(Call call) {
        if (picture_.hooks) call(*picture_.hooks);
    }

    void writeBand() {
        RgbImage& band = ps_.workBitmap;
        if (lastRow_ < band.top) return;  // a fault in the rows above the band
        const uint8_t* row = band.pixels.data();
        if (n_ > 1) {
            average_.reduce(band.pixels.data(), static_cast<size_t>(band.width) * 3u, picture_.width, reduced_.data());
            row = reduced_.data();
        }
        if (!out_.writeRow(row, &error_)) {
            ps_.stopFlag = flagOn;  // nothing more can be written
            return;
        }
        band.resetBand(band.width, band.height, band.top + n_, n_);
        bandDrawn_ = false;
        if (picture_.progress) picture_.progress(out_.rowsWritten(), picture_.height);
    }

    ParameterSet& ps_;
    const StreamedPicture& picture_;
    PictureFileWriter& out_;
    BlockAverage average_;
    const int n_;
    std::vector<uint8_t> reduced_;
    int lastColumn_ = -1;
    int lastRow_ = -1;
    bool bandDrawn_ = false;  // a pixel of the band was computed
    std::string error_;
};

}  // namespace

StreamedPictureResult DrawPictureToFile(FractalView& view, const StreamedPicture& picture, const std::string& path) {
    StreamedPictureResult result;
    PictureFileOptions options = picture.file;
    if (static_cast<long long>(picture.width) * picture.height > progressiveJpegPixelLimit) options.progressive = false;
    StreamedPicture band = picture;
    band.firstRow = std::clamp(picture.firstRow, 0, picture.height - 1);
    band.endRow = picture.endRow > 0 ? std::clamp(picture.endRow, band.firstRow + 1, picture.height) : picture.height;
    PictureFileWriter out;
    if (!out.open(path, picture.width, band.endRow - band.firstRow, options, &result.error)) return result;

    ParameterSet& ps = view.ps;
    const int n = std::clamp(picture.supersample, 1, largestSupersample);
    ps.pictureWidth = picture.width * n;
    ps.pictureHeight = picture.height * n;
    ScanRows rows{band.firstRow * n, band.endRow * n};
    if (view.RowsDependOnRowsAbove()) rows.first = 0;
    BandWriter bands(ps, band, out);
    // A picture on its way to a file keeps no planes: only its band is held.
    const size_t planeLimit = view.planePixelLimit;
    view.planePixelLimit = 0;
    result.scan = view.UpdateFractal(bands, picture.threads, rows);
    view.planePixelLimit = planeLimit;
    result.error = bands.error();
    if (!result.error.empty()) return result;
    if (!result.scan.completed && result.scan.fault.empty()) {
        result.cancelled = true;
        return result;
    }
    result.written = out.finish(&result.error, picture.textsAtEnd ? picture.textsAtEnd(result.scan) : PictureTexts());
    return result;
}

}  // namespace zarvo
