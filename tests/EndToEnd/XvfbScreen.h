// A private X server for a test: Xvfb on a display number it reports itself, xdotool to move the
// pointer, click and type on it, and a grab of its screen as RGB pixels, written and read as PNG.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace endtoend {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // row by row, three bytes a pixel
};

inline bool OnPath(const char* tool) {
    const std::string command = std::string("command -v ") + tool + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

inline bool WritePng(const std::string& path, const Picture& picture) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
        png_write_row(png, &picture.rgb[size_t(y) * size_t(picture.width) * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

inline Picture ReadPng(const std::string& path) {
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_RGB;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) return {};
    picture.width = int(image.width);
    picture.height = int(image.height);
    return picture;
}

class XvfbScreen {
  public:
    // Xvfb picks a display number it can listen on itself and reports it, so a number that
    // another server holds (seen or not through this /tmp) is never taken; and the server that
    // answers must be the one started here.
    XvfbScreen() {
        int report[2];
        if (pipe(report) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(report[0]);
            std::freopen("/dev/null", "w", stderr);
            const std::string fd = std::to_string(report[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(report[1]);
        const std::string number = ReadReport(report[0]);
        close(report[0]);
        if (pid_ > 0 && !number.empty()) {
            display_ = ":" + number;
            connection_ = XOpenDisplay(display_.c_str());
        }
        if (!connection_ || ServerPid() != pid_) Stop();
    }
    ~XvfbScreen() { Stop(); }
    XvfbScreen(const XvfbScreen&) = delete;
    XvfbScreen& operator=(const XvfbScreen&) = delete;

    bool Running() const { return connection_ != nullptr; }
    const std::string& Display() const { return display_; }

    // xdotool with these arguments (shell words) on this server; one that waits for what never
    // comes fails after 30 seconds.
    bool Do(const std::string& arguments) const {
        const std::string command = "DISPLAY=" + display_ + " timeout 30 xdotool " + arguments;
        return std::system(command.c_str()) == 0;
    }

    // The keyboard layout setxkbmap names ("de"); false when it cannot be had. It stays while
    // the server runs, since this connection keeps the server from resetting.
    bool SetLayout(const std::string& layout) const {
        const std::string command =
            "setxkbmap -display " + display_ + " " + layout + " 2>/dev/null";
        return std::system(command.c_str()) == 0;
    }

    // The area of the screen as it shows now.
    Picture Grab(int left, int top, int width, int height) const {
        Picture picture{width, height, std::vector<unsigned char>(size_t(width * height) * 3)};
        XImage* image = XGetImage(connection_, DefaultRootWindow(connection_), left, top,
                                  unsigned(width), unsigned(height), AllPlanes, ZPixmap);
        if (!image) return {};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                unsigned char* at = &picture.rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
                at[0] = (pixel >> 16) & 0xFF, at[1] = (pixel >> 8) & 0xFF, at[2] = pixel & 0xFF;
            }
        XDestroyImage(image);
        return picture;
    }

  private:
    // The display number Xvfb writes once it listens; empty when it ends first or takes more
    // than ten seconds.
    static std::string ReadReport(int fd) {
        std::string number;
        pollfd wait{fd, POLLIN, 0};
        char c;
        while (poll(&wait, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n')
            number += c;
        return number;
    }
    // The process at the other end of the connection: the server that answers.
    pid_t ServerPid() const {
        ucred peer{};
        socklen_t size = sizeof peer;
        if (!connection_ ||
            getsockopt(ConnectionNumber(connection_), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
            return -1;
        return peer.pid;
    }
    void Stop() {
        if (connection_) XCloseDisplay(connection_);
        connection_ = nullptr;
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

    std::string display_;
    pid_t pid_ = -1;
    ::Display* connection_ = nullptr;
};

} // namespace endtoend
