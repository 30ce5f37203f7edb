#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/cairo/CairoInternal.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <system_error>

namespace tk {

namespace detail {

Image ImageAccess::make(Size size, std::vector<ImageRepresentation> representations, bool isTemplate,
                        EdgeInsets capInsets, std::string name) {
    std::stable_sort(
        representations.begin(), representations.end(),
        [](const ImageRepresentation& a, const ImageRepresentation& b) { return a.scale < b.scale; });
    auto impl = std::make_shared<Image::Impl>();
    impl->size = size;
    impl->representations = std::move(representations);
    impl->isTemplate = isTemplate;
    impl->capInsets = capInsets;
    impl->name = std::move(name);
    return Image(std::move(impl));
}

const std::vector<ImageRepresentation>& ImageAccess::representations(const Image& image) {
    static const std::vector<ImageRepresentation> kNone;
    return image.impl_ ? image.impl_->representations : kNone;
}

const ImageRepresentation* ImageAccess::representationFor(const Image& image, double deviceScale) {
    const auto& reps = representations(image);
    if (reps.empty())
        return nullptr;
    // Representations of the image's own size first; any when it has none of that size.
    const Size size = image.size();
    auto ofImageSize = [&](const ImageRepresentation& r) { return r.size.isEmpty() || r.size == size; };
    const bool anyOfSize = std::any_of(reps.begin(), reps.end(), ofImageSize);
    const ImageRepresentation* last = nullptr;
    for (const ImageRepresentation& r : reps) {
        if (anyOfSize && !ofImageSize(r))
            continue;
        if (r.scale >= deviceScale - 1e-6)
            return &r;
        last = &r;
    }
    return last ? last : &reps.back();
}

const std::shared_ptr<NinePartCopies>& ImageAccess::ninePartCopies(const Image& image) {
    return image.impl_->ninePartCopies;
}

std::optional<Image> NinePartCopies::find(const Key& key) {
    std::lock_guard lock(mutex_);
    const auto it =
        std::find_if(copies_.begin(), copies_.end(), [&](const auto& c) { return c.first == key; });
    if (it == copies_.end())
        return std::nullopt;
    std::rotate(it, it + 1, copies_.end());
    return copies_.back().second;
}

void NinePartCopies::keep(const Key& key, Image copy) {
    std::lock_guard lock(mutex_);
    if (copies_.size() >= kKept)
        copies_.erase(copies_.begin());
    copies_.emplace_back(key, std::move(copy));
}

void NinePartCopies::clear() {
    std::lock_guard lock(mutex_);
    copies_.clear();
}

std::optional<Image> TintedCopy::find(const Color& color) {
    std::lock_guard lock(mutex_);
    if (copy_ && copy_->first == color)
        return copy_->second;
    return std::nullopt;
}

void TintedCopy::keep(const Color& color, Image copy) {
    std::lock_guard lock(mutex_);
    copy_.emplace(color, std::move(copy));
}

void TintedCopy::clear() {
    std::lock_guard lock(mutex_);
    copy_.reset();
}

} // namespace detail

namespace {

using detail::ImageAccess;
using detail::ImageRepresentation;
using detail::SurfacePtr;

std::optional<SurfacePtr> readPNG(const std::filesystem::path& file) {
    SurfacePtr s = detail::adoptSurface(cairo_image_surface_create_from_png(file.c_str()));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
        return std::nullopt;
    return detail::copySurface(s.get());
}

Size pointSizeOf(cairo_surface_t* s, double scale) {
    return {cairo_image_surface_get_width(s) / scale, cairo_image_surface_get_height(s) / scale};
}

std::filesystem::path withPNGExtension(std::filesystem::path path) {
    if (path.extension().empty())
        path += ".png";
    return path;
}

std::filesystem::path twoXPath(const std::filesystem::path& onePath) {
    std::filesystem::path p = onePath;
    p.replace_filename(onePath.stem().string() + "@2x" + onePath.extension().string());
    return p;
}

bool isFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

double normalisedScale(double scale) {
    return scale > 0 && std::isfinite(scale) ? scale : 1;
}

cairo_status_t appendToVector(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

struct ReadCursor {
    std::span<const std::uint8_t> data;
    std::size_t offset = 0;
};

cairo_status_t readFromSpan(void* closure, unsigned char* data, unsigned int length) {
    auto* cursor = static_cast<ReadCursor*>(closure);
    if (cursor->data.size() - cursor->offset < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, cursor->data.data() + cursor->offset, length);
    cursor->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

Image::Image() = default;

Image::Image(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}

std::optional<Image> Image::fromPNGFile(const std::filesystem::path& file, double scale) {
    scale = normalisedScale(scale);
    auto s = readPNG(file);
    if (!s)
        return std::nullopt;
    const Size size = pointSizeOf(s->get(), scale);
    return ImageAccess::make(size, {ImageRepresentation{scale, *s}});
}

std::optional<Image> Image::fromPNGData(std::span<const std::uint8_t> png, double scale) {
    scale = normalisedScale(scale);
    ReadCursor cursor{png};
    SurfacePtr s = detail::adoptSurface(cairo_image_surface_create_from_png_stream(readFromSpan, &cursor));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
        return std::nullopt;
    SurfacePtr copy = detail::copySurface(s.get());
    const Size size = pointSizeOf(copy.get(), scale);
    return ImageAccess::make(size, {ImageRepresentation{scale, copy}});
}

namespace {

bool fitsPixels(std::span<const std::uint8_t> data, int width, int height, int stride) {
    if (width <= 0 || height <= 0 || width > (1 << 15) || height > (1 << 15) || stride < 4 * width)
        return false;
    return data.size() >=
           static_cast<std::size_t>(stride) * (height - 1) + 4 * static_cast<std::size_t>(width);
}

// Copies raw pixels into an ARGB32 surface of the same pixel size.
void writePixels(cairo_surface_t* surface, std::span<const std::uint8_t> data, int width, int height,
                 int stride, PixelFormat format, bool bottomUp) {
    cairo_surface_flush(surface);
    unsigned char* out = cairo_image_surface_get_data(surface);
    const int outStride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in =
            data.data() + static_cast<std::size_t>(stride) * (bottomUp ? height - 1 - y : y);
        auto* row = reinterpret_cast<std::uint32_t*>(out + static_cast<std::size_t>(outStride) * y);
        if (format == PixelFormat::argb32Premultiplied) {
            std::memcpy(row, in, 4 * static_cast<std::size_t>(width));
            continue;
        }
        for (int x = 0; x < width; ++x) {
            std::uint32_t r = in[4 * x], g = in[4 * x + 1], b = in[4 * x + 2];
            const std::uint32_t a = in[4 * x + 3];
            if (format == PixelFormat::rgba8) {
                r = (r * a + 127) / 255;
                g = (g * a + 127) / 255;
                b = (b * a + 127) / 255;
            }
            row[x] = (a << 24) | (std::min(r, a) << 16) | (std::min(g, a) << 8) | std::min(b, a);
        }
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace

std::optional<Image> Image::fromPixels(std::span<const std::uint8_t> data, int width, int height, int stride,
                                       PixelFormat format, double scale, bool bottomUp) {
    scale = normalisedScale(scale);
    if (!fitsPixels(data, width, height, stride))
        return std::nullopt;
    SurfacePtr s = detail::makeSurface(width, height, 1);
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
        return std::nullopt;
    writePixels(s.get(), data, width, height, stride, format, bottomUp);
    return ImageAccess::make(Size{width / scale, height / scale}, {ImageRepresentation{scale, s}});
}

bool Image::overwritePixels(std::span<const std::uint8_t> data, int width, int height, int stride,
                            PixelFormat format, bool bottomUp) {
    if (!impl_ || impl_.use_count() != 1 || impl_->representations.size() != 1 ||
        !fitsPixels(data, width, height, stride))
        return false;
    const SurfacePtr& s = impl_->representations.front().surface;
    // Nothing else may see the change: no other owner of the surface, no Cairo pattern holding it.
    if (!s || s.use_count() != 1 || cairo_surface_get_reference_count(s.get()) != 1 ||
        cairo_image_surface_get_width(s.get()) != width || cairo_image_surface_get_height(s.get()) != height)
        return false;
    writePixels(s.get(), data, width, height, stride, format, bottomUp);
    impl_->ninePartCopies->clear();
    impl_->tintedCopy->clear();
    return true;
}

std::optional<Image> Image::load(const std::filesystem::path& path, double scale) {
    const std::filesystem::path one = withPNGExtension(path);
    if (scale > 1.5) {
        const std::filesystem::path two = twoXPath(one);
        if (isFile(two))
            if (auto image = fromPNGFile(two, 2))
                return image;
    }
    return fromPNGFile(one, 1);
}

std::optional<Image> Image::loadAllScales(const std::filesystem::path& path) {
    const std::filesystem::path one = withPNGExtension(path);
    std::vector<ImageRepresentation> reps;
    std::optional<Size> size;
    if (isFile(one))
        if (auto s = readPNG(one)) {
            size = pointSizeOf(s->get(), 1);
            reps.push_back({1, *s});
        }
    const std::filesystem::path two = twoXPath(one);
    if (isFile(two))
        if (auto s = readPNG(two)) {
            if (!size)
                size = pointSizeOf(s->get(), 2);
            reps.push_back({2, *s});
        }
    if (reps.empty())
        return std::nullopt;
    return ImageAccess::make(*size, std::move(reps));
}

Image Image::draw(Size size, double scale, const std::function<void(GraphicsContext&)>& draw) {
    BitmapContext context(size, scale);
    if (draw)
        draw(context);
    return context.makeImage();
}

bool Image::isEmpty() const {
    return !impl_ || impl_->representations.empty();
}

Size Image::size() const {
    return impl_ ? impl_->size : Size{};
}

double Image::scale() const {
    return isEmpty() ? 1 : impl_->representations.back().scale;
}

Size Image::pixelSize() const {
    if (isEmpty())
        return {};
    cairo_surface_t* s = impl_->representations.back().surface.get();
    return {static_cast<double>(cairo_image_surface_get_width(s)),
            static_cast<double>(cairo_image_surface_get_height(s))};
}

std::vector<double> Image::scales() const {
    std::vector<double> out;
    if (impl_)
        for (const auto& r : impl_->representations)
            out.push_back(r.scale);
    return out;
}

std::vector<Image::Representation> Image::representations() const {
    std::vector<Representation> out;
    if (!impl_)
        return out;
    for (const ImageRepresentation& r : impl_->representations) {
        cairo_surface_t* s = r.surface.get();
        const Size pixels{double(cairo_image_surface_get_width(s)),
                          double(cairo_image_surface_get_height(s))};
        out.push_back({r.size.isEmpty() ? impl_->size : r.size, r.scale, pixels});
    }
    return out;
}

Image Image::filteringRepresentations(const std::function<bool(const Representation&)>& keep) const {
    if (!impl_)
        return Image();
    std::vector<ImageRepresentation> kept;
    const std::vector<Representation> infos = representations();
    for (std::size_t i = 0; i < infos.size(); ++i)
        if (keep(infos[i])) {
            ImageRepresentation r = impl_->representations[i];
            r.size = infos[i].size;
            kept.push_back(std::move(r));
        }
    if (kept.empty())
        return Image();
    const Size size = kept.front().size;
    return ImageAccess::make(size, std::move(kept), impl_->isTemplate, impl_->capInsets, impl_->name);
}

Image Image::combining(const std::vector<Image>& images) {
    std::vector<ImageRepresentation> reps;
    Size size;
    bool isTemplate = false;
    for (const Image& image : images) {
        if (image.isEmpty())
            continue;
        if (reps.empty()) {
            size = image.size();
            isTemplate = image.isTemplate();
        }
        for (ImageRepresentation r : image.impl_->representations) {
            if (r.size.isEmpty())
                r.size = image.size();
            reps.push_back(std::move(r));
        }
    }
    if (reps.empty())
        return Image();
    return ImageAccess::make(size, std::move(reps), isTemplate);
}

bool Image::isTemplate() const {
    return impl_ && impl_->isTemplate;
}

EdgeInsets Image::capInsets() const {
    return impl_ ? impl_->capInsets : EdgeInsets{};
}

const std::string& Image::name() const {
    static const std::string kEmpty;
    return impl_ ? impl_->name : kEmpty;
}

Image Image::withTemplate(bool isTemplate) const {
    if (!impl_)
        return *this;
    auto impl = std::make_shared<Impl>(*impl_);
    impl->tintedCopy = std::make_shared<detail::TintedCopy>(); // the kept copy has the old value
    impl->isTemplate = isTemplate;
    return Image(std::move(impl));
}

Image Image::withCapInsets(EdgeInsets insets) const {
    if (!impl_)
        return *this;
    auto impl = std::make_shared<Impl>(*impl_);
    impl->tintedCopy = std::make_shared<detail::TintedCopy>(); // the kept copy has the old value
    impl->capInsets = insets;
    return Image(std::move(impl));
}

ImageResizingMode Image::resizingMode() const {
    return impl_ ? impl_->resizingMode : ImageResizingMode::stretch;
}

Image Image::withResizingMode(ImageResizingMode mode) const {
    if (!impl_)
        return *this;
    auto impl = std::make_shared<Impl>(*impl_);
    impl->tintedCopy = std::make_shared<detail::TintedCopy>(); // the kept copy has the old value
    impl->resizingMode = mode;
    return Image(std::move(impl));
}

Image Image::withName(std::string name) const {
    if (!impl_)
        return *this;
    auto impl = std::make_shared<Impl>(*impl_);
    impl->tintedCopy = std::make_shared<detail::TintedCopy>(); // the kept copy has the old value
    impl->name = std::move(name);
    return Image(std::move(impl));
}

Image Image::addingRepresentations(const Image& other) const {
    if (other.isEmpty())
        return *this;
    if (isEmpty())
        return other;
    auto impl = std::make_shared<Impl>(*impl_);
    impl->ninePartCopies = std::make_shared<detail::NinePartCopies>();
    impl->tintedCopy = std::make_shared<detail::TintedCopy>();
    for (const ImageRepresentation& r : other.impl_->representations) {
        auto& reps = impl->representations;
        reps.erase(std::remove_if(reps.begin(), reps.end(),
                                  [&](const ImageRepresentation& x) { return x.scale == r.scale; }),
                   reps.end());
        reps.push_back(r);
    }
    std::sort(impl->representations.begin(), impl->representations.end(),
              [](const ImageRepresentation& a, const ImageRepresentation& b) { return a.scale < b.scale; });
    return Image(std::move(impl));
}

Image Image::tinted(const Color& color) const {
    if (!isTemplate())
        return *this;
    if (auto kept = impl_->tintedCopy->find(color))
        return *kept;
    std::vector<ImageRepresentation> reps;
    for (const ImageRepresentation& r : impl_->representations) {
        SurfacePtr copy = detail::copySurface(r.surface.get());
        cairo_t* cr = cairo_create(copy.get());
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        detail::setSourceColor(cr, color, 1);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(copy.get());
        reps.push_back({r.scale, copy, r.size});
    }
    Image result = ImageAccess::make(impl_->size, std::move(reps), false, impl_->capInsets, impl_->name)
                       .withResizingMode(impl_->resizingMode);
    impl_->tintedCopy->keep(color, result);
    return result;
}

Image Image::subImage(const Rect& rect) const {
    if (isEmpty())
        return *this;
    const Rect r = rect.standardized().intersection(Rect{Point{}, impl_->size});
    if (r.isEmpty())
        return Image();
    std::vector<ImageRepresentation> reps;
    for (const ImageRepresentation& rep : impl_->representations) {
        const Rect px =
            Rect{r.x() * rep.scale, r.y() * rep.scale, r.width() * rep.scale, r.height() * rep.scale}
                .integral();
        SurfacePtr s = detail::makeSurface(static_cast<int>(px.width()), static_cast<int>(px.height()), 1);
        cairo_t* cr = cairo_create(s.get());
        double sx = 1, sy = 1;
        cairo_surface_get_device_scale(rep.surface.get(), &sx, &sy);
        cairo_scale(cr, 1 / sx, 1 / sy);
        cairo_set_source_surface(cr, rep.surface.get(), -px.x(), -px.y());
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(s.get());
        reps.push_back({rep.scale, s});
    }
    return ImageAccess::make(r.size, std::move(reps), impl_->isTemplate, {}, impl_->name);
}

namespace {
const ImageRepresentation* representationAt(const Image& image, double scale) {
    const auto& reps = ImageAccess::representations(image);
    if (reps.empty())
        return nullptr;
    if (scale <= 0)
        return &reps.back();
    for (const auto& r : reps)
        if (std::abs(r.scale - scale) < 1e-6)
            return &r;
    return nullptr;
}
} // namespace

Color Image::pixelColor(int px, int py, double scale) const {
    const ImageRepresentation* r = representationAt(*this, scale);
    return r ? detail::unpremultipliedPixel(r->surface.get(), px, py) : Color::clear();
}

bool Image::writePNG(const std::filesystem::path& file, double scale) const {
    const ImageRepresentation* r = representationAt(*this, scale);
    if (!r)
        return false;
    return cairo_surface_write_to_png(r->surface.get(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

std::vector<std::uint8_t> Image::pngData(double scale) const {
    std::vector<std::uint8_t> out;
    const ImageRepresentation* r = representationAt(*this, scale);
    if (r &&
        cairo_surface_write_to_png_stream(r->surface.get(), appendToVector, &out) != CAIRO_STATUS_SUCCESS)
        out.clear();
    return out;
}

} // namespace tk
