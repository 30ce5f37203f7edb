// The machine's device: OpenGL core on a surfaceless EGL context (EglContext.h).
//
// How recorded commands map onto GL (see Types.h for the slot rule): a pass renders into an
// offscreen framebuffer with the drawable's texture attached; at each draw the bytes bound to the
// vertex slots are uploaded to shader storage buffers of the same binding, those of the fragment
// slots to uniform buffers of the same binding, and fragment textures go to the texture units of
// their index. A uniform block is given at least its own data size: bytes shorter than the block
// (a float where std140 rounds the block up to 16 bytes, six packed floats read as two vec4s) are
// padded with zeros, so the shader never reads past what was uploaded. Before each draw the range
// the driver reports bound at every uploaded block's binding is checked against the block's data
// size (a read past a short range is undefined in GL, even where a driver happens to read zeros);
// a draw that would read past it is skipped and said once on standard error. Buffers keep their storage
// from draw to draw and grow only when a bigger block comes. Metal-style pixel rows run top-down, GL's
// bottom-up; readImage() flips the rows in a small resolve pass, encodes linear light to sRGB when asked,
// premultiplies, and reads the result back as ARGB32 words in one glReadPixels. A half-float target of
// opaque pixels in extended linear sRGB (what the shader views draw) is read back as halves instead
// and resolved on the CPU through a table the resolve pass made once (OpaqueResolve.h): same bytes,
// a fraction of the time on a software rasteriser.

#include "platform/gpu/Device.h"
#include "platform/gpu/Error.h"
#include "platform/gpu/RenderCommandEncoder.h"
#include "platform/gpu/gl/EglContext.h"
#include "platform/gpu/gl/OpaqueResolve.h"
#include "platform/tk/base/MainThread.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace gpu {

namespace {

constexpr std::size_t kSlots = 16;

struct GlFormat {
    GLenum internalFormat;
    GLenum format;
    GLenum type;
};

std::optional<GlFormat> glFormat(PixelFormat format) {
    switch (format) {
    case PixelFormat::rgba8Unorm:
        return GlFormat{GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE};
    case PixelFormat::bgra8Unorm:
        return GlFormat{GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE};
    case PixelFormat::rgba16Float:
        return GlFormat{GL_RGBA16F, GL_RGBA, GL_HALF_FLOAT};
    case PixelFormat::rgba32Float:
        return GlFormat{GL_RGBA32F, GL_RGBA, GL_FLOAT};
    case PixelFormat::invalid:
        break;
    }
    return std::nullopt;
}

GLenum glPrimitive(PrimitiveType type) {
    switch (type) {
    case PrimitiveType::point:
        return GL_POINTS;
    case PrimitiveType::line:
        return GL_LINES;
    case PrimitiveType::lineStrip:
        return GL_LINE_STRIP;
    case PrimitiveType::triangle:
        return GL_TRIANGLES;
    case PrimitiveType::triangleStrip:
        break;
    }
    return GL_TRIANGLE_STRIP;
}

class GlTexture final : public TextureBackend {
public:
    GlTexture(std::shared_ptr<gl::EglContext> context, GLuint name)
        : context_(std::move(context)), name_(name) {}
    ~GlTexture() override {
        if (const auto current = context_->makeCurrent())
            glDeleteTextures(1, &name_);
    }
    GLuint name() const { return name_; }

private:
    std::shared_ptr<gl::EglContext> context_;
    GLuint name_;
};

class GlProgram final : public PipelineBackend {
public:
    GlProgram(std::shared_ptr<gl::EglContext> context, GLuint program)
        : context_(std::move(context)), program_(program) {
        GLint blocks = 0;
        glGetProgramiv(program_, GL_ACTIVE_UNIFORM_BLOCKS, &blocks);
        for (GLuint block = 0; block < static_cast<GLuint>(blocks); ++block) {
            GLint binding = 0, size = 0;
            glGetActiveUniformBlockiv(program_, block, GL_UNIFORM_BLOCK_BINDING, &binding);
            glGetActiveUniformBlockiv(program_, block, GL_UNIFORM_BLOCK_DATA_SIZE, &size);
            if (binding >= 0 && static_cast<std::size_t>(binding) < kSlots)
                uniformBlockSizes_[static_cast<std::size_t>(binding)] = static_cast<std::size_t>(size);
        }
    }
    ~GlProgram() override {
        if (const auto current = context_->makeCurrent())
            glDeleteProgram(program_);
    }
    GLuint program() const { return program_; }
    // Data size of the uniform block at `binding`; 0 when the program has none there.
    std::size_t uniformBlockSize(std::size_t binding) const { return uniformBlockSizes_[binding]; }
    // True the first time only: a short upload is said once per program, not at every frame.
    bool firstShortUpload() const { return !std::exchange(shortUploadSaid_, true); }

private:
    std::shared_ptr<gl::EglContext> context_;
    GLuint program_;
    std::array<std::size_t, kSlots> uniformBlockSizes_{};
    mutable bool shortUploadSaid_ = false;
};

// The info log of a shader (glGetShaderiv, glGetShaderInfoLog) or a program (glGetProgramiv,
// glGetProgramInfoLog), without its trailing NULs and newlines.
std::string infoLog(GLuint object, PFNGLGETSHADERIVPROC getParameter, PFNGLGETSHADERINFOLOGPROC getLog) {
    GLint length = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    getLog(object, length, nullptr, log.data());
    while (!log.empty() && (log.back() == '\0' || log.back() == '\n'))
        log.pop_back();
    return log;
}

GLuint compile(GLenum stage, const std::string& source, const std::string& name) {
    const GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        const auto log = infoLog(shader, glGetShaderiv, glGetShaderInfoLog);
        glDeleteShader(shader);
        throw Error("Compiling " + name + " failed: " + log);
    }
    return shader;
}

GLuint link(const std::string& vertexSource, const std::string& vertexName, const std::string& fragmentSource,
            const std::string& fragmentName) {
    const GLuint vs = compile(GL_VERTEX_SHADER, vertexSource, vertexName);
    GLuint fs = 0;
    try {
        fs = compile(GL_FRAGMENT_SHADER, fragmentSource, fragmentName);
    } catch (...) {
        glDeleteShader(vs);
        throw;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    glDetachShader(program, vs);
    glDetachShader(program, fs);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        const auto log = infoLog(program, glGetProgramiv, glGetProgramInfoLog);
        glDeleteProgram(program);
        throw Error("Linking " + vertexName + " with " + fragmentName + " failed: " + log);
    }
    return program;
}

// Full-view triangle that copies a texture with its rows flipped, optionally encoding linear light
// as sRGB, premultiplied and clamped for an 8-bit target. Colours are premultiplied: the transfer
// applies to the colour, not to the colour times alpha. GLSL 3.30 so that it runs everywhere.
constexpr const char* kResolveVertex = R"(#version 330 core
void main() {
    vec2 p = vec2(float((gl_VertexID << 1) & 2), float(gl_VertexID & 2));
    gl_Position = vec4(p * 2.0 - 1.0, 0.0, 1.0);
}
)";
constexpr const char* kResolveFragment = R"(#version 330 core
uniform sampler2D source;
uniform int encodeSRGB;
out vec4 color;
vec3 toSRGB(vec3 c) {
    c = clamp(c, 0.0, 1.0);
    return mix(c * 12.92, 1.055 * pow(c, vec3(1.0 / 2.4)) - 0.055, step(vec3(0.0031308), c));
}
void main() {
    ivec2 size = textureSize(source, 0);
    ivec2 p = ivec2(gl_FragCoord.xy);
    vec4 c = texelFetch(source, ivec2(p.x, size.y - 1 - p.y), 0);
    float a = clamp(c.a, 0.0, 1.0);
    vec3 rgb = clamp(c.rgb, 0.0, 1.0);
    if (encodeSRGB != 0)
        rgb = c.a > 0.0 ? toSRGB(c.rgb / c.a) * a : vec3(0.0);
    color = vec4(min(rgb, vec3(a)), a);
}
)";

class GlDevice final : public Device {
public:
    explicit GlDevice(std::shared_ptr<gl::EglContext> context);
    ~GlDevice() override;

    std::string name() const override { return context_->description(); }
    std::shared_ptr<RenderPipelineState>
    makeRenderPipelineState(const RenderPipelineDescriptor& descriptor) override;
    std::shared_ptr<Texture> makeTexture(const TextureDescriptor& descriptor,
                                         std::span<const std::uint8_t> pixels) override;
    void execute(const CommandBuffer& commandBuffer) override;
    std::optional<tk::Image> readImage(const Texture& texture, ColorSpace colorSpace, double scale) override;
    bool readImage(const Texture& texture, ColorSpace colorSpace, double scale, tk::Image& image) override;

private:
    struct Slot {
        const std::byte* data = nullptr;
        std::size_t size = 0;
    };
    struct Bindings {
        std::array<Slot, kSlots> vertex{};
        std::array<Slot, kSlots> fragment{};
        std::array<GLuint, kSlots> textures{};
    };

    struct BufferStorage {
        GLuint name = 0;
        std::size_t capacity = 0;
    };

    void run(const RenderCommandEncoder& encoder);
    void draw(const GlProgram& program, const Bindings& bindings, const DrawPrimitives& draw);
    // Whether every uniform block given bytes for this draw is backed in full by the range the
    // driver has bound for it; false (said once per program) when one is short.
    bool uniformBlocksBacked(const GlProgram& program, const Bindings& bindings) const;
    // Puts `slot` into `buffer` (growing it when needed), zero-padded to `size`, bound at `index`.
    void upload(GLenum target, BufferStorage& buffer, const Slot& slot, std::size_t size, std::size_t index);
    // Puts the texture's resolve into readBack_ (top row first); false when it cannot.
    bool resolve(const Texture& texture, ColorSpace colorSpace);
    // Renders the resolve pass into readBack_ with the context current; false when it cannot.
    bool resolveOnGpu(const Texture& texture, ColorSpace colorSpace);
    // Reads an opaque half-float texture back as halves and resolves it through the table; false
    // when the texture has other pixels (readBack_ must then be made on the GPU).
    bool resolveOpaqueOnCpu(const Texture& texture, const gl::OpaqueEncodeTable& table);
    // The resolve pass's bytes for opaque halves, made on first use; null when it cannot be made.
    const gl::OpaqueEncodeTable* opaqueEncodeTable();
    std::span<const std::uint8_t> readBackBytes() const {
        return {reinterpret_cast<const std::uint8_t*>(readBack_.data()), readBack_.size() * 4};
    }

    std::shared_ptr<gl::EglContext> context_;
    GLuint framebuffer_ = 0;
    GLuint resolveFramebuffer_ = 0;
    GLuint sourceFramebuffer_ = 0;
    GLuint resolveTexture_ = 0;
    PixelSize resolveSize_;
    GLuint resolveProgram_ = 0;
    GLint resolveEncodeLocation_ = -1;
    GLuint vertexArray_ = 0;
    GLuint sampler_ = 0;
    std::array<BufferStorage, kSlots> vertexBuffers_{};
    std::array<BufferStorage, kSlots> fragmentBuffers_{};
    std::vector<std::byte> padded_;
    std::vector<std::uint32_t> readBack_;
    std::vector<std::uint16_t> halves_;
    std::unique_ptr<gl::OpaqueEncodeTable> opaqueTable_;
    bool opaqueTableTried_ = false;
};

GlDevice::GlDevice(std::shared_ptr<gl::EglContext> context) : context_(std::move(context)) {
    const auto current = context_->makeCurrent();
    if (!current)
        throw Error(current.whyNot());
    glGenFramebuffers(1, &framebuffer_);
    glGenFramebuffers(1, &resolveFramebuffer_);
    glGenFramebuffers(1, &sourceFramebuffer_);
    glGenVertexArrays(1, &vertexArray_);
    glGenSamplers(1, &sampler_);
    glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    for (auto* buffers : {&vertexBuffers_, &fragmentBuffers_})
        for (auto& buffer : *buffers)
            glGenBuffers(1, &buffer.name);
    resolveProgram_ = link(kResolveVertex, "resolve vertex", kResolveFragment, "resolve fragment");
    glUseProgram(resolveProgram_);
    glUniform1i(glGetUniformLocation(resolveProgram_, "source"), 0);
    resolveEncodeLocation_ = glGetUniformLocation(resolveProgram_, "encodeSRGB");
    glUseProgram(0);
}

GlDevice::~GlDevice() {
    const auto current = context_->makeCurrent();
    if (!current)
        return; // the names go with the context
    for (auto* buffers : {&vertexBuffers_, &fragmentBuffers_})
        for (auto& buffer : *buffers)
            glDeleteBuffers(1, &buffer.name);
    glDeleteSamplers(1, &sampler_);
    glDeleteVertexArrays(1, &vertexArray_);
    glDeleteProgram(resolveProgram_);
    if (resolveTexture_)
        glDeleteTextures(1, &resolveTexture_);
    glDeleteFramebuffers(1, &resolveFramebuffer_);
    glDeleteFramebuffers(1, &sourceFramebuffer_);
    glDeleteFramebuffers(1, &framebuffer_);
}

std::shared_ptr<RenderPipelineState>
GlDevice::makeRenderPipelineState(const RenderPipelineDescriptor& descriptor) {
    TK_CHECK_MAIN_THREAD();
    validate(descriptor);
    const auto current = context_->makeCurrent();
    if (!current)
        throw Error(current.whyNot());
    const GLuint program = link(descriptor.vertexFunction->source(), descriptor.vertexFunction->name(),
                                descriptor.fragmentFunction->source(), descriptor.fragmentFunction->name());
    return std::make_shared<RenderPipelineState>(
        descriptor.label, descriptor.vertexFunction->name(), descriptor.fragmentFunction->name(),
        descriptor.colorAttachments[0].pixelFormat, std::make_unique<GlProgram>(context_, program));
}

std::shared_ptr<Texture> GlDevice::makeTexture(const TextureDescriptor& descriptor,
                                               std::span<const std::uint8_t> pixels) {
    TK_CHECK_MAIN_THREAD();
    const auto format = glFormat(descriptor.pixelFormat);
    GLint maxSize = 0;
    const auto current = context_->makeCurrent();
    if (!current)
        return nullptr;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (!format || descriptor.size.isEmpty() || descriptor.size.width > maxSize ||
        descriptor.size.height > maxSize)
        return nullptr;
    if (!pixels.empty() && pixels.size() < byteCount(descriptor))
        return nullptr;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format->internalFormat), descriptor.size.width,
                 descriptor.size.height, 0, format->format, format->type,
                 pixels.empty() ? nullptr : pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        return nullptr;
    }
    return std::make_shared<Texture>(descriptor, std::make_unique<GlTexture>(context_, name));
}

void GlDevice::execute(const CommandBuffer& commandBuffer) {
    TK_CHECK_MAIN_THREAD();
    const auto current = context_->makeCurrent();
    if (!current)
        return;
    for (const auto& encoder : commandBuffer.encoders())
        run(*encoder);
}

void GlDevice::run(const RenderCommandEncoder& encoder) {
    const auto& target = encoder.descriptor().colorAttachments[0];
    const auto* texture =
        target.texture ? dynamic_cast<const GlTexture*>(target.texture->backend()) : nullptr;
    if (!texture)
        return;
    const int width = target.texture->width();
    const int height = target.texture->height();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture->name(), 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr, "gpu: render target of %dx%d cannot be drawn into; pass skipped\n", width,
                     height);
        return;
    }
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_CULL_FACE);
    glViewport(0, 0, width, height);
    if (target.loadAction == LoadAction::clear) {
        const auto& c = target.clearColor;
        glClearColor(static_cast<GLfloat>(c.red), static_cast<GLfloat>(c.green), static_cast<GLfloat>(c.blue),
                     static_cast<GLfloat>(c.alpha));
        glClear(GL_COLOR_BUFFER_BIT);
    }

    Bindings bindings;
    const GlProgram* pipeline = nullptr;
    for (const auto& command : encoder.commands()) {
        std::visit(
            [&](const auto& c) {
                using C = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<C, SetRenderPipelineState>) {
                    pipeline = c.state ? dynamic_cast<const GlProgram*>(c.state->backend()) : nullptr;
                    glUseProgram(pipeline ? pipeline->program() : 0);
                } else if constexpr (std::is_same_v<C, SetViewport>) {
                    // Top-left origin in, bottom-left origin out.
                    const auto& v = c.viewport;
                    glViewport(static_cast<GLint>(std::lround(v.originX)),
                               static_cast<GLint>(std::lround(height - (v.originY + v.height))),
                               static_cast<GLsizei>(std::lround(std::max(0.0, v.width))),
                               static_cast<GLsizei>(std::lround(std::max(0.0, v.height))));
                    glDepthRange(v.znear, v.zfar);
                } else if constexpr (std::is_same_v<C, SetBuffer>) {
                    if (c.index >= kSlots)
                        return;
                    Slot slot;
                    if (c.buffer && c.offset < c.buffer->length()) {
                        const auto bytes = c.buffer->contents().subspan(c.offset);
                        slot = {bytes.data(), bytes.size()};
                    }
                    (c.stage == ShaderStage::vertex ? bindings.vertex : bindings.fragment)[c.index] = slot;
                } else if constexpr (std::is_same_v<C, SetBytes>) {
                    if (c.index >= kSlots)
                        return;
                    (c.stage == ShaderStage::vertex ? bindings.vertex : bindings.fragment)[c.index] =
                        Slot{c.bytes.data(), c.bytes.size()};
                } else if constexpr (std::is_same_v<C, SetTexture>) {
                    if (c.index >= kSlots || c.stage != ShaderStage::fragment)
                        return;
                    const auto* t =
                        c.texture ? dynamic_cast<const GlTexture*>(c.texture->backend()) : nullptr;
                    bindings.textures[c.index] = t ? t->name() : 0;
                } else if constexpr (std::is_same_v<C, DrawPrimitives>) {
                    if (pipeline)
                        draw(*pipeline, bindings, c);
                }
            },
            command);
    }
    glUseProgram(0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void GlDevice::upload(GLenum target, BufferStorage& buffer, const Slot& slot, std::size_t size,
                      std::size_t index) {
    const std::byte* data = slot.data;
    if (size > slot.size) {
        padded_.assign(size, std::byte{0});
        std::copy_n(slot.data, slot.size, padded_.begin());
        data = padded_.data();
    }
    glBindBuffer(target, buffer.name);
    if (size > buffer.capacity) {
        glBufferData(target, static_cast<GLsizeiptr>(size), data, GL_DYNAMIC_DRAW);
        buffer.capacity = size;
    } else {
        glBufferSubData(target, 0, static_cast<GLsizeiptr>(size), data);
    }
    glBindBufferRange(target, static_cast<GLuint>(index), buffer.name, 0, static_cast<GLsizeiptr>(size));
}

void GlDevice::draw(const GlProgram& program, const Bindings& bindings, const DrawPrimitives& draw) {
    const bool storageBuffers = context_->glVersion() >= 43;
    for (std::size_t i = 0; i < kSlots; ++i) {
        const auto& v = bindings.vertex[i];
        if (v.size > 0 && storageBuffers)
            upload(GL_SHADER_STORAGE_BUFFER, vertexBuffers_[i], v, v.size, i);
        const auto& f = bindings.fragment[i];
        if (f.size > 0)
            upload(GL_UNIFORM_BUFFER, fragmentBuffers_[i], f, std::max(f.size, program.uniformBlockSize(i)),
                   i);
        if (bindings.textures[i]) {
            glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(i));
            glBindTexture(GL_TEXTURE_2D, bindings.textures[i]);
            glBindSampler(static_cast<GLuint>(i), sampler_);
        }
    }
    if (!uniformBlocksBacked(program, bindings))
        return;
    glBindVertexArray(vertexArray_);
    glDrawArrays(glPrimitive(draw.type), static_cast<GLint>(draw.vertexStart),
                 static_cast<GLsizei>(draw.vertexCount));
    glBindVertexArray(0);
}

bool GlDevice::uniformBlocksBacked(const GlProgram& program, const Bindings& bindings) const {
    for (std::size_t i = 0; i < kSlots; ++i) {
        const std::size_t blockSize = program.uniformBlockSize(i);
        if (bindings.fragment[i].size == 0 || blockSize == 0)
            continue;
        GLint64 bound = 0;
        glGetInteger64i_v(GL_UNIFORM_BUFFER_SIZE, static_cast<GLuint>(i), &bound);
        if (bound >= static_cast<GLint64>(blockSize))
            continue;
        if (program.firstShortUpload())
            std::fprintf(
                stderr,
                "gpu: the uniform block at binding %zu is %zu bytes but %lld are bound; draw skipped\n", i,
                blockSize, static_cast<long long>(bound));
        return false;
    }
    return true;
}

bool GlDevice::resolve(const Texture& texture, ColorSpace colorSpace) {
    TK_CHECK_MAIN_THREAD();
    if (!dynamic_cast<const GlTexture*>(texture.backend()))
        return false;
    if (colorSpace == ColorSpace::extendedLinearSRGB && texture.pixelFormat() == PixelFormat::rgba16Float)
        if (const auto* table = opaqueEncodeTable()) {
            const auto current = context_->makeCurrent();
            if (current && resolveOpaqueOnCpu(texture, *table))
                return true;
        }
    const auto current = context_->makeCurrent();
    return current && resolveOnGpu(texture, colorSpace);
}

bool GlDevice::resolveOpaqueOnCpu(const Texture& texture, const gl::OpaqueEncodeTable& table) {
    const auto* source = dynamic_cast<const GlTexture*>(texture.backend());
    const PixelSize size = texture.size();
    const auto pixels = static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    halves_.resize(pixels * 4);
    readBack_.resize(pixels);
    glBindFramebuffer(GL_FRAMEBUFFER, sourceFramebuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, source->name(), 0);
    bool read = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (read) {
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, size.width, size.height, GL_RGBA, GL_HALF_FLOAT, halves_.data());
        read = glGetError() == GL_NO_ERROR;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return read && gl::resolveOpaqueHalves(halves_, size.width, size.height, table, readBack_);
}

const gl::OpaqueEncodeTable* GlDevice::opaqueEncodeTable() {
    if (opaqueTableTried_)
        return opaqueTable_.get();
    opaqueTableTried_ = true;
    // Every half value once, as an opaque grey: texel i of a 256 x 256 texture holds (i, i, i, 1).
    constexpr int kSide = 256;
    std::vector<std::uint16_t> texels(std::size_t{kSide} * kSide * 4);
    for (std::size_t i = 0; i < texels.size() / 4; ++i) {
        const auto half = static_cast<std::uint16_t>(i);
        std::copy_n(std::array<std::uint16_t, 4>{half, half, half, 0x3c00}.begin(), 4,
                    texels.begin() + i * 4);
    }
    const auto source = makeTexture(
        {PixelFormat::rgba16Float, {kSide, kSide}, TextureUsage::shaderRead},
        std::span(reinterpret_cast<const std::uint8_t*>(texels.data()), texels.size() * sizeof texels[0]));
    const auto current = context_->makeCurrent();
    if (!source || !current || !resolveOnGpu(*source, ColorSpace::extendedLinearSRGB))
        return nullptr;
    auto table = std::make_unique<gl::OpaqueEncodeTable>();
    for (std::size_t i = 0; i < table->size(); ++i) {
        // The resolve's first row is the texture's last.
        const std::size_t y = i / kSide, x = i % kSide;
        const std::uint32_t word = readBack_[(kSide - 1 - y) * kSide + x];
        const auto red = static_cast<std::uint8_t>(word >> 16);
        // Channels are encoded alike and an opaque pixel stays opaque; anything else means the
        // resolve is not what the table assumes, so it is not used.
        if (word >> 24 != 0xff || static_cast<std::uint8_t>(word >> 8) != red ||
            static_cast<std::uint8_t>(word) != red)
            return nullptr;
        (*table)[i] = red;
    }
    if ((*table)[0] != 0 || (*table)[0x3c00] != 0xff)
        return nullptr;
    opaqueTable_ = std::move(table);
    return opaqueTable_.get();
}

bool GlDevice::resolveOnGpu(const Texture& texture, ColorSpace colorSpace) {
    const auto* source = dynamic_cast<const GlTexture*>(texture.backend());
    const PixelSize size = texture.size();
    if (!resolveTexture_ || resolveSize_ != size) {
        if (resolveTexture_)
            glDeleteTextures(1, &resolveTexture_);
        glGenTextures(1, &resolveTexture_);
        glBindTexture(GL_TEXTURE_2D, resolveTexture_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size.width, size.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        glBindTexture(GL_TEXTURE_2D, 0);
        resolveSize_ = size;
        glBindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer_);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, resolveTexture_, 0);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer_);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return false;
    }
    glDisable(GL_BLEND);
    glViewport(0, 0, size.width, size.height);
    glUseProgram(resolveProgram_);
    glUniform1i(resolveEncodeLocation_, colorSpace == ColorSpace::extendedLinearSRGB ? 1 : 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, source->name());
    glBindSampler(0, 0);
    glBindVertexArray(vertexArray_);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(0);
    glUseProgram(0);

    readBack_.resize(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // 32-bit words 0xAARRGGBB in native order: the toolkit's premultiplied ARGB32.
    glReadPixels(0, 0, size.width, size.height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, readBack_.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return glGetError() == GL_NO_ERROR;
}

std::optional<tk::Image> GlDevice::readImage(const Texture& texture, ColorSpace colorSpace, double scale) {
    if (!resolve(texture, colorSpace))
        return std::nullopt;
    return tk::Image::fromPixels(readBackBytes(), texture.width(), texture.height(), texture.width() * 4,
                                 tk::PixelFormat::argb32Premultiplied, scale > 0 ? scale : 1.0);
}

bool GlDevice::readImage(const Texture& texture, ColorSpace colorSpace, double scale, tk::Image& image) {
    if (!resolve(texture, colorSpace))
        return false;
    scale = scale > 0 ? scale : 1.0;
    if (image.scale() == scale &&
        image.overwritePixels(readBackBytes(), texture.width(), texture.height(), texture.width() * 4,
                              tk::PixelFormat::argb32Premultiplied))
        return true;
    auto read = tk::Image::fromPixels(readBackBytes(), texture.width(), texture.height(), texture.width() * 4,
                                      tk::PixelFormat::argb32Premultiplied, scale);
    if (!read)
        return false;
    image = std::move(*read);
    return true;
}

} // namespace

std::shared_ptr<Device> createSystemDefaultDevice() {
    TK_CHECK_MAIN_THREAD();
    static std::weak_ptr<Device> shared;
    static bool reported = false;
    if (auto device = shared.lock())
        return device;
    std::string whyNot;
    auto context = gl::EglContext::create(whyNot);
    if (!context) {
        if (!reported)
            std::fprintf(stderr, "gpu: no device: %s\n", whyNot.c_str());
        reported = true;
        return nullptr;
    }
    try {
        auto device = std::make_shared<GlDevice>(std::move(context));
        shared = device;
        return device;
    } catch (const Error& error) {
        if (!reported)
            std::fprintf(stderr, "gpu: no device: %s\n", error.what());
        reported = true;
        return nullptr;
    }
}

} // namespace gpu
