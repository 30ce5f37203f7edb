#include "tools/artgen/BundleArt.h"
namespace artgen {
ImageList tessalyImages() {
    return {};
}
ImageList applicationImages() {
    return {};
}
ImageList shaderImages() {
    return {};
}
} // namespace artgen
