#include "cli/image_files.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "cli/cli_error.h"

void writeFileAtomically(const std::string& path, const std::function<void(const std::string&)>& write) {
    std::string pattern = path + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw CliError("cannot write " + path + ": " + std::strerror(errno));
    // mkstemp makes the file private; give it the mode a new file would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    try {
        write(pattern);
    } catch (...) {
        std::remove(pattern.c_str());
        throw;
    }
    std::error_code error;
    std::filesystem::rename(pattern, path, error);
    if (error) {
        std::remove(pattern.c_str());
        throw CliError("cannot write " + path + ": " + error.message());
    }
}

void writeWorldPng(const HostWorld& world, const std::string& path) {
    const int w = world.width();
    const int h = world.height();
    if (w == 0 || h == 0) throw CliError("cannot write " + path + ": a PNG needs at least one pixel");
    std::vector<std::uint8_t> rgba(std::size_t(w) * std::size_t(h) * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const PF_Pixel& p = world.at(x, y);
            std::uint8_t* out = &rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            out[0] = p.red, out[1] = p.green, out[2] = p.blue, out[3] = p.alpha;
        }
    }
    writeFileAtomically(path, [&](const std::string& temporary) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = static_cast<png_uint_32>(w);
        image.height = static_cast<png_uint_32>(h);
        // 8-bit sRGB RGBA: libpng stores the bytes as given, not premultiplied.
        image.format = PNG_FORMAT_RGBA;
        if (!png_image_write_to_file(&image, temporary.c_str(), 0, rgba.data(), 0, nullptr)) {
            const std::string message = image.message;
            png_image_free(&image);
            throw CliError("cannot write " + path + ": " + message);
        }
    });
}

std::unique_ptr<HostWorld> readWorldPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        throw CliError("cannot read " + path + ": " + image.message);
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw CliError("cannot read " + path + ": " + message);
    }
    const int w = static_cast<int>(image.width);
    const int h = static_cast<int>(image.height);
    if (w > 32767 || h > 32767) throw CliError("cannot use " + path + ": larger than 32767 pixels");
    auto world = std::make_unique<HostWorld>(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* in = &rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            world->at(x, y) = PF_Pixel{in[3], in[0], in[1], in[2]};
        }
    }
    return world;
}
