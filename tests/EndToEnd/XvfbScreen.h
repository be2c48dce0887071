// A private X server for a test: Xvfb on a display number it reports itself, with a window
// manager as a desktop has one, xdotool to move the pointer, click and type on it, the windows
// found by their titles, and a grab of a window as RGB pixels, written and read as PNG. Windows
// are grabbed each by itself: the server draws overlapping windows with an alpha channel (the
// toolkit's) without a compositor, so the screen as a whole may show one through another.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace endtoend {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // row by row, three bytes a pixel
};

// A window as shown: its client area on the screen.
struct ShownWindow {
    Window id = 0;
    std::string title;
    int left = 0, top = 0, width = 0, height = 0;
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
    explicit XvfbScreen(const std::string& size = "1280x1024") {
        int report[2];
        if (pipe(report) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(report[0]);
            std::freopen("/dev/null", "w", stderr);
            const std::string fd = std::to_string(report[1]);
            const std::string screen = size + "x24";
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
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
        StartWindowManager();
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

    // The shown window with the title, waiting at most the seconds given for it.
    std::optional<ShownWindow> AwaitWindow(const std::string& title, int seconds = 20) const {
        for (int i = 0; i < seconds * 10;
             ++i, std::this_thread::sleep_for(std::chrono::milliseconds(100)))
            if (std::optional<ShownWindow> found = Find(DefaultRootWindow(connection_), title, 0))
                return found;
        return std::nullopt;
    }
    // The menu shown, a pop-up window of its own, waiting at most 10 seconds for it.
    std::optional<ShownWindow> AwaitMenu() const {
        for (int i = 0; i < 100; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(100)))
            for (Window child : Children(DefaultRootWindow(connection_))) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(connection_, child, &attributes) &&
                    attributes.override_redirect && attributes.map_state == IsViewable &&
                    attributes.width > 40 && attributes.height > 40)
                    return ShownWindow{
                        child, "", attributes.x, attributes.y, attributes.width, attributes.height};
            }
        return std::nullopt;
    }

    // The window as it shows now.
    Picture Grab(const ShownWindow& window) const {
        const int width = window.width, height = window.height;
        Picture picture{width, height, std::vector<unsigned char>(size_t(width * height) * 3)};
        XImage* image = XGetImage(connection_, window.id, 0, 0, unsigned(width), unsigned(height),
                                  AllPlanes, ZPixmap);
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
    std::vector<Window> Children(Window parent) const {
        Window root = 0, up = 0, *children = nullptr;
        unsigned count = 0;
        std::vector<Window> found;
        if (XQueryTree(connection_, parent, &root, &up, &children, &count)) {
            found.assign(children, children + count);
            XFree(children);
        }
        return found;
    }
    // A shown window with the title at most two levels down: a window manager's frame holds
    // the program's window.
    std::optional<ShownWindow> Find(Window parent, const std::string& title, int depth) const {
        for (Window child : Children(parent)) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(connection_, child, &attributes) ||
                attributes.map_state != IsViewable)
                continue;
            char* name = nullptr;
            const bool named = XFetchName(connection_, child, &name) && name && title == name;
            if (name) XFree(name);
            if (named) {
                int x = 0, y = 0;
                Window ignored = 0;
                XTranslateCoordinates(connection_, child, DefaultRootWindow(connection_), 0, 0, &x,
                                      &y, &ignored);
                return ShownWindow{child, title, x, y, attributes.width, attributes.height};
            }
            if (depth < 2)
                if (std::optional<ShownWindow> found = Find(child, title, depth + 1)) return found;
        }
        return std::nullopt;
    }
    // Openbox, where it is installed: dialogs then come to the front as on a desktop.
    void StartWindowManager() {
        if (!connection_ || !OnPath("openbox")) return;
        manager_ = fork();
        if (manager_ == 0) {
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
            setenv("DISPLAY", display_.c_str(), 1);
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
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
        if (manager_ > 0) {
            kill(manager_, SIGTERM);
            waitpid(manager_, nullptr, 0);
        }
        manager_ = -1;
        if (connection_) XCloseDisplay(connection_);
        connection_ = nullptr;
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

    std::string display_;
    pid_t pid_ = -1, manager_ = -1;
    ::Display* connection_ = nullptr;
};

} // namespace endtoend
