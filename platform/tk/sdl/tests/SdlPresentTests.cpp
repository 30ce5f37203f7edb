// Windows are presented through plain window surfaces: the backend loads no OpenGL, so the main
// thread stays free for the gpu layer's own context. SDL's offscreen driver stands in for a display.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/sdl/SdlApplication.h"
#include "platform/tk/view/Window.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace tk::sdl {
namespace {

bool loaded(const char* library) {
    void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

SDL_Window* onlySdlWindow() {
    for (Uint32 id = 1; id < 64; ++id)
        if (SDL_Window* window = SDL_GetWindowFromID(id))
            return window;
    return nullptr;
}

TEST(SdlBackend, PresentsThroughTheWindowSurfaceWithoutLoadingOpenGL) {
    TestMainLoop loop;
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "1", 1); // a setting that would put GL behind the surface
    if (!installBackend())
        GTEST_SKIP() << "SDL has no offscreen video driver here";

    auto window = Window::make({{40, 30}, "present", {}, 1, false});
    window->setBackgroundColor(Color(1, 0.5, 0, 1));
    window->orderFront();
    window->display();

    SDL_Window* native = onlySdlWindow();
    ASSERT_NE(native, nullptr);
    SDL_Surface* surface = SDL_GetWindowSurface(native);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(SDL_LockSurface(surface), 0);
    Uint32 pixel = 0;
    std::memcpy(&pixel, static_cast<const Uint8*>(surface->pixels) + 10 * surface->pitch + 20 * 4, 4);
    SDL_UnlockSurface(surface);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_NEAR(g, 128, 1);
    EXPECT_EQ(b, 0) << "the frame reached the window surface";

    EXPECT_FALSE(loaded("libGLdispatch.so.0")) << "no GL context of the backend's holds the thread";
    EXPECT_FALSE(loaded("libGLX.so.0"));
    EXPECT_FALSE(loaded("libEGL.so.1"));
    window->close();
}

} // namespace
} // namespace tk::sdl
